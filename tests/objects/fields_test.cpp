#include <gtest/gtest.h>

#include "driver/project.h"
#include "host/runtime_error_problem.h"
#include "objects/data/field.h"
#include "objects/data/fields.h"
#include "objects/data/table.h"
#include "objects/data/tables.h"
#include "support/driver_test.h"
#include "support/error_matchers.h"

using sim::jet::FieldSpec;
using sim::jet::PropertySpec;
using testing_support::ErrorOf;

namespace {

PropertySpec Display(std::int16_t control) {
  return {"DisplayControl", dao::dbInteger, com::Variant(control)};
}

std::vector<PropertySpec> Lookup(std::int16_t control) {
  std::vector<PropertySpec> p = {Display(control),
                                 {"BoundColumn", dao::dbInteger, com::Variant(std::int16_t{1})},
                                 {"ColumnCount", dao::dbInteger, com::Variant(std::int16_t{2})},
                                 {"ColumnHeads", dao::dbBoolean, com::Variant(false)},
                                 {"RowSource", dao::dbMemo, com::Variant("SELECT * FROM T")},
                                 {"RowSourceType", dao::dbMemo, com::Variant("Table/Query")}};
  if (control == 111) {
    p.push_back({"LimitToList", dao::dbBoolean, com::Variant(true)});
    p.push_back({"ListRows", dao::dbInteger, com::Variant(std::int16_t{8})});
    p.push_back({"ListWidth", dao::dbText, com::Variant("2in")});
  }
  return p;
}

FieldSpec Spec(const char* name, std::int16_t type, std::int32_t attributes = 0,
               std::vector<PropertySpec> properties = {}) {
  FieldSpec f;
  f.name = name;
  f.type = type;
  f.attributes = attributes;
  f.properties = std::move(properties);
  if (type == dao::dbDecimal) f.properties.push_back({"DecimalPlaces", dao::dbByte, com::Variant(std::uint8_t{2})});
  if (type == dao::dbLong && !(attributes & dao::dbAutoIncrField))
    f.properties.push_back({"DecimalPlaces", dao::dbByte, com::Variant(std::uint8_t{255})});
  return f;
}

}  // namespace

class FieldsTest : public testing_support::DriverTest {
 protected:
  void SetUp() override {
    NewDatabase("db.mdb").Table(
        {"Everything",
         {Spec("Text", dao::dbText), Spec("Memo", dao::dbMemo),
          Spec("Link", dao::dbMemo, dao::dbHyperlinkField), Spec("Number", dao::dbLong),
          Spec("Counter", dao::dbLong, dao::dbAutoIncrField), Spec("Guid", dao::dbGUID),
          Spec("Picture", dao::dbLongBinary), Spec("Amount", dao::dbDecimal),
          Spec("Flag", dao::dbBoolean, 0, {Display(106)}), Spec("Pick", dao::dbText, 0, Lookup(110)),
          Spec("Combo", dao::dbLong, 0, Lookup(111)), Spec("When", dao::dbDate),
          Spec("Plain", dao::dbInteger)}});
    project_ = NewProject(Parameters(temp.File("db.mdb"), {{"ExcludeLinkedTableFields", "0"}}));
    project_->IProject_EnumCollections();
    table_ = std::dynamic_pointer_cast<objects::Table>(
        project_->Tables()->ICollection_GetObject("Everything"));
    table_->IObject_SetMode(2);
  }

  std::shared_ptr<objects::Field> F(const char* name) {
    return table_->GetFields()->Item(com::Variant(name));
  }

  std::shared_ptr<driver::Project> project_;
  std::shared_ptr<objects::Table> table_;
};

TEST_F(FieldsTest, EachFieldHasExactlyThePropertiesOfItsTypeAndDisplayControl) {
  const std::vector<std::string> properties = {
      "AllowZeroLength", "BoundColumn", "Caption",    "ColumnCount", "ColumnHeads",
      "ColumnWidths",    "DecimalPlaces", "DefaultValue", "Description", "DisplayControl",
      "FieldType",       "Format",      "InputMask",  "LimitToList", "ListRows",
      "ListWidth",       "Name",        "Precision",  "Required",    "RowSource",
      "RowSourceType",   "Size",        "ValidationRule", "ValidationText"};
  struct Row {
    const char* field;
    const char* defined;  // the properties defined, in the order above
  } rows[] = {
      {"Text", "AllowZeroLength Caption DefaultValue Description FieldType Format InputMask Name "
               "Required Size ValidationRule ValidationText"},
      {"Memo", "AllowZeroLength Caption DefaultValue Description FieldType Format Name Required "
               "ValidationRule ValidationText"},
      {"Link", "AllowZeroLength Caption DefaultValue Description FieldType Format Name Required "
               "ValidationRule ValidationText"},
      {"Number", "Caption DecimalPlaces DefaultValue Description FieldType Format InputMask Name "
                 "Required ValidationRule ValidationText"},
      {"Counter", "Caption Description FieldType Format Name"},
      {"Guid", "Caption Description FieldType Name Required"},
      {"Picture", "Caption Description FieldType Name Required"},
      {"Amount", "Caption DecimalPlaces DefaultValue Description FieldType Format InputMask Name "
                 "Precision Required ValidationRule ValidationText"},
      {"Flag", "Caption DefaultValue Description DisplayControl FieldType Format Name Required "
               "ValidationRule ValidationText"},
      {"Pick", "AllowZeroLength BoundColumn Caption ColumnCount ColumnHeads ColumnWidths "
               "DefaultValue Description DisplayControl FieldType Format InputMask Name Required "
               "RowSource RowSourceType Size ValidationRule ValidationText"},
      {"Combo", "BoundColumn Caption ColumnCount ColumnHeads ColumnWidths DecimalPlaces "
                "DefaultValue Description DisplayControl FieldType Format InputMask LimitToList "
                "ListRows ListWidth Name Required RowSource RowSourceType ValidationRule "
                "ValidationText"},
      {"When", "Caption DefaultValue Description FieldType Format InputMask Name Required "
               "ValidationRule ValidationText"},
      // A number field whose DecimalPlaces was never set does not have it.
      {"Plain", "Caption DefaultValue Description FieldType Format InputMask Name Required "
                "ValidationRule ValidationText"},
  };
  for (const Row& row : rows) {
    auto field = F(row.field);
    ASSERT_NE(field, nullptr) << row.field;
    const auto defined = com::Split(row.defined, " ");
    for (const std::string& property : properties) {
      const bool expect_defined =
          std::find(defined.begin(), defined.end(), property) != defined.end();
      auto error = com::Capture([&] { field->Get(property); });
      EXPECT_EQ(field->Members().Find(property)->IsDefinedOn(*field), expect_defined)
          << row.field << "." << property << ": the member table says otherwise";
      if (expect_defined) {
        EXPECT_FALSE(error) << row.field << "." << property << ": " << error->Description();
      } else {
        ASSERT_TRUE(error) << row.field << "." << property << " should be undefined";
        EXPECT_EQ(error->Number(), -32749) << row.field << "." << property;
        EXPECT_EQ(error->Description(), "Undefined property.");
      }
    }
  }
}

TEST_F(FieldsTest, FieldTypesFromDaoTypesAndAttributes) {
  EXPECT_EQ(F("Link")->FieldType(), objects::acHyperlink);
  EXPECT_EQ(F("Memo")->FieldType(), objects::acMemo);
  EXPECT_EQ(F("Counter")->FieldType(), objects::acAutoNumber);
  EXPECT_EQ(F("Number")->FieldType(), objects::acLongInteger);
  EXPECT_EQ(F("Guid")->FieldType(), objects::acReplicationID);
  EXPECT_EQ(F("Amount")->FieldType(), objects::acDecimal);
  EXPECT_EQ(F("Combo")->DisplayControl(), objects::acComboBox);
  EXPECT_EQ(F("Text")->Size(), 50);
}

TEST_F(FieldsTest, LookupAndTextPropertiesAreWrittenThrough) {
  F("Pick")->SetRowSource("SELECT Name FROM Customers");
  F("Pick")->SetColumnWidths("1in;2in");
  F("Text")->SetCaption("The text");
  F("Combo")->SetListRows(12);
  F("Text")->SetCaption("");
  table_->IObject_SetMode(0);
  table_->IObject_SetMode(1);
  EXPECT_EQ(F("Pick")->RowSource(), "SELECT Name FROM Customers");
  EXPECT_EQ(F("Pick")->ColumnWidths(), "1in;2in");
  EXPECT_EQ(F("Combo")->ListRows(), 12);
  EXPECT_EQ(F("Text")->Caption(), "");
}

TEST_F(FieldsTest, RenameKeepsThePositionAndTheNewNameOnly) {
  auto fields = table_->GetFields();
  auto memo = F("Memo");
  memo->SetName("Notes");
  EXPECT_EQ(fields->Item(com::Variant(1)), memo);
  EXPECT_EQ(fields->Item(com::Variant("Notes")), memo);
  EXPECT_EQ(fields->Item(com::Variant("Memo")), nullptr);
  EXPECT_EQ(fields->NewEnum(), nullptr);
  table_->IObject_SetMode(0);
  table_->IObject_SetMode(1);
  EXPECT_EQ(table_->GetFields()->Item(com::Variant(1))->Name(), "Notes");
}

TEST_F(FieldsTest, AnUnsupportedFieldTypeIsLoggedOnceAndLeftOut) {
  NewDatabase("odd.mdb").Table(
      {"Odd", {Spec("Before", dao::dbText), Spec("Big", dao::dbBigInt), Spec("After", dao::dbText)}});
  auto project = NewProject(Parameters(temp.File("odd.mdb")));
  project->IProject_EnumCollections();
  auto table = std::dynamic_pointer_cast<objects::Table>(
      project->Tables()->ICollection_GetObject("Odd"));
  table->IObject_SetMode(1);
  auto fields = table->GetFields();
  ASSERT_EQ(fields->Count(), 2);
  EXPECT_EQ(fields->Item(com::Variant(1))->Name(), "After");
  auto log = vxhandler::ProblemLog();
  ASSERT_EQ(log->Count(), 1);
  auto* problem = dynamic_cast<host::RuntimeErrorProblem*>(log->Entries()[0].problem.get());
  ASSERT_NE(problem, nullptr);
  EXPECT_EQ(problem->Number(), -32767);
  EXPECT_EQ(problem->ErrorDescription(), "Field 'Big' has unsupported field type = 16.");
  EXPECT_EQ(log->Entries()[0].where, "tovrin.Field.Initialize");
}
