#include <gtest/gtest.h>

#include <map>

#include "dao_fixture.h"
#include "support/error_matchers.h"

namespace jet_test {
namespace {

using testing_support::ErrorOf;

class DaoProperties : public DaoTest {
 protected:
  DaoProperties() {
    Build().Table({.name = "Customers", .fields = {Text("Name"), Long("Age")}});
    db = Open(temp.File("db.mdb"));
  }

  std::shared_ptr<dao::Field> Field(const std::string& name) {
    return db->GetTableDefs()->Item("Customers")->GetFields()->Item(name);
  }

  std::shared_ptr<dao::Database> db;
};

TEST_F(DaoProperties, AFieldsBuiltInPropertiesAreItsMembers) {
  auto properties = Field("Name")->GetProperties();
  const std::vector<std::pair<std::string, com::Variant>> expected = {
      {"Name", com::Variant("Name")},
      {"Type", com::Variant(std::int16_t{dao::dbText})},
      {"Size", com::Variant(std::int32_t{50})},
      {"Attributes", com::Variant(std::int32_t{dao::dbVariableField})},
      {"Required", com::Variant(false)},
      {"AllowZeroLength", com::Variant(false)},
      {"DefaultValue", com::Variant("")},
      {"ValidationRule", com::Variant("")},
      {"CollatingOrder", com::Variant(std::int32_t{1033})},
      {"OrdinalPosition", com::Variant(std::int16_t{0})},
      {"SourceTable", com::Variant("Customers")},
  };
  for (const auto& [name, value] : expected) {
    const com::Variant actual = properties->Item(name)->Value();
    EXPECT_EQ(actual.Type(), value.Type()) << name;
    EXPECT_TRUE(com::VbEquals(actual, value)) << name;
    EXPECT_FALSE(properties->Item(name)->Inherited());
  }
  properties->Item("Required")->SetValue(com::Variant("True"));
  EXPECT_TRUE(Field("Name")->Required());
  EXPECT_EQ(ErrorOf([&] { properties->Item("Type")->SetValue(com::Variant(4)); }).Number(), 3027);
  EXPECT_EQ(
      ErrorOf([&] { properties->Item("Required")->SetValue(com::Variant("maybe")); }).Number(),
      3421);
}

TEST_F(DaoProperties, ApplicationDefinedPropertiesExistOnlyOnceAppended) {
  auto field = Field("Age");
  auto properties = field->GetProperties();
  const auto count = properties->Count();
  for (const char* name : {"Caption", "DecimalPlaces", "DisplayControl", "Format", "Description"})
    EXPECT_EQ(ErrorOf([&] { properties->Item(name); }).Number(), 3270) << name;
  const auto e = ErrorOf([&] { properties->Item("Caption"); });
  EXPECT_EQ(e.Description(), "Property not found.");
  auto places = field->CreateProperty("DecimalPlaces", dao::dbByte, com::Variant(std::int32_t{2}));
  EXPECT_EQ(ErrorOf([&] { properties->Item("DecimalPlaces"); }).Number(), 3270);
  properties->Append(places);
  properties->Append(field->CreateProperty("Caption", 0, com::Variant("Age in years")));
  ASSERT_EQ(properties->Count(), count + 2);
  EXPECT_EQ(properties->Item(count)->Name(), "DecimalPlaces");
  EXPECT_EQ(properties->Item("decimalplaces")->Value().Type(), com::VarType::Byte);
  EXPECT_EQ(properties->Item("Caption")->Type(), dao::dbText);
  places->SetValue(com::Variant(std::int16_t{3}));
  EXPECT_EQ(com::CLng(Field("Age")->GetProperties()->Item("DecimalPlaces")->Value()), 3);
}

TEST_F(DaoProperties, AppendAndDeleteFollowDaosRules) {
  auto field = Field("Name");
  auto properties = field->GetProperties();
  properties->Append(field->CreateProperty("Format", dao::dbText, com::Variant(">")));
  struct Case {
    std::function<void()> work;
    std::int32_t number;
  };
  const std::vector<Case> cases = {
      {[&] { properties->Append(field->CreateProperty("format", dao::dbText, com::Variant("<"))); },
       3367},
      {[&] { properties->Append(field->CreateProperty("Size", dao::dbLong, com::Variant(1))); },
       3367},
      {[&] {
         properties->Append(field->CreateProperty("Flag", dao::dbBoolean, com::Variant("odd")));
       },
       3421},
      {[&] { properties->Append(field->CreateProperty("Nothing", 0, com::Variant())); }, 3219},
      {[&] { properties->Delete("Name"); }, 3384},
      {[&] { properties->Delete("Caption"); }, 3265},
      {[&] { properties->Item(99); }, 3265},
  };
  for (std::size_t i = 0; i < cases.size(); ++i)
    EXPECT_EQ(ErrorOf(cases[i].work).Number(), cases[i].number) << "case " << i;
  properties->Delete("FORMAT");
  EXPECT_EQ(ErrorOf([&] { properties->Item("Format"); }).Number(), 3270);
}

TEST_F(DaoProperties, AppendedPropertiesKeepTheirOrderOnEachOwnerAfterReopening) {
  auto name = Field("Name");
  auto age = Field("Age");
  const auto append = [](const std::shared_ptr<dao::Field>& field, const char* property) {
    field->GetProperties()->Append(field->CreateProperty(property, dao::dbText, com::Variant("x")));
  };
  const std::map<std::string, std::int32_t> built_in = {
      {"Name", name->GetProperties()->Count()}, {"Age", age->GetProperties()->Count()}};
  append(name, "Format");
  append(age, "Caption");
  append(name, "Description");
  append(age, "Format");
  append(name, "Caption");
  name->GetProperties()->Delete("Format");
  append(name, "Format");
  db.reset();
  db = Open(temp.File("db.mdb"));
  const auto appended = [&](const char* field) {
    auto properties = Field(field)->GetProperties();
    std::vector<std::string> names;
    for (auto i = built_in.at(field); i < properties->Count(); ++i)
      names.push_back(properties->Item(i)->Name());
    return names;
  };
  EXPECT_EQ(appended("Name"), (std::vector<std::string>{"Description", "Caption", "Format"}));
  EXPECT_EQ(appended("Age"), (std::vector<std::string>{"Caption", "Format"}));
}

TEST_F(DaoProperties, AnUnappendedTableHasOnlyItsBuiltInProperties) {
  auto table = db->CreateTableDef("New");
  auto properties = table->GetProperties();
  EXPECT_EQ(com::CStr(properties->Item("Name")->Value()), "New");
  properties->Item("Connect")->SetValue(com::Variant(";DATABASE=x.mdb"));
  EXPECT_EQ(table->Connect(), ";DATABASE=x.mdb");
  EXPECT_EQ(
      ErrorOf([&] {
        properties->Append(table->CreateProperty("Description", dao::dbMemo, com::Variant("d")));
      }).Number(),
      3219);
}

TEST_F(DaoProperties, TheDatabaseDocumentAndQueriesKeepPropertiesToo) {
  Build("q.mdb").Query({.name = "Pass",
                        .sql = "EXEC sp_who",
                        .connect = "ODBC;DSN=Server",
                        .properties = {{"ReturnsRecords", dao::dbBoolean, com::Variant(false)},
                                       {"Description", dao::dbMemo, com::Variant("Who")}}});
  auto other = Open(temp.File("q.mdb"));
  auto query = other->GetQueryDefs()->Item("Pass");
  EXPECT_EQ(query->Type(), dao::dbQSPTBulk);
  EXPECT_FALSE(com::CBool(query->GetProperties()->Item("ReturnsRecords")->Value()));
  EXPECT_EQ(com::CStr(query->GetProperties()->Item("Description")->Value()), "Who");
  auto document = other->GetContainers()->Item("Tables")->GetDocuments()->Item("Pass");
  EXPECT_EQ(com::CStr(document->GetProperties()->Item("Description")->Value()), "Who");
  auto properties = other->GetProperties();
  properties->Append(other->CreateProperty("AllowBypassKey", dao::dbBoolean, com::Variant(false)));
  EXPECT_EQ(properties->Item("AllowBypassKey")->Value().Type(), com::VarType::Boolean);
  EXPECT_EQ(ErrorOf([&] { properties->Item("Version")->SetValue(com::Variant("3.0")); }).Number(),
            3027);
}

}  // namespace
}  // namespace jet_test
