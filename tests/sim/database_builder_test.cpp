#include <gtest/gtest.h>

#include "com/date_time.h"
#include "dao_fixture.h"
#include "support/error_matchers.h"

namespace jet_test {
namespace {

using sim::jet::FieldSpec;
using sim::jet::IndexSpec;
using sim::jet::PropertySpec;
using sim::jet::TableSpec;
using testing_support::ErrorOf;

using DatabaseBuilderTest = DaoTest;

std::vector<std::string> Names(const std::shared_ptr<dao::Containers>& containers) {
  std::vector<std::string> names;
  for (int i = 0; i < containers->Count(); ++i) names.push_back(containers->Item(i)->Name());
  return names;
}

TEST_F(DatabaseBuilderTest, MakesAnEmptyAccess2000Database) {
  auto db = Open(Build().path());
  EXPECT_EQ(com::CStr(db->GetProperties()->Item("AccessVersion")->Value()), "08.50");
  EXPECT_EQ(db->GetProperties()->Item("AccessVersion")->Type(), dao::dbText);
  EXPECT_EQ(Names(db->GetContainers()),
            (std::vector<std::string>{"DataAccessPages", "Databases", "Forms", "Modules",
                                      "Relationships", "Reports", "Scripts", "Tables"}));
  EXPECT_EQ(db->GetContainers()->Item("Databases")->GetDocuments()->Item("MSysDb")->Owner(),
            "admin");
  EXPECT_EQ(db->GetQueryDefs()->Count(), 0);
  EXPECT_EQ(db->GetRelations()->Count(), 0);
  auto tables = db->GetTableDefs();
  ASSERT_EQ(tables->Count(), 1);
  EXPECT_EQ(tables->Item(0)->Name(), "MSysObjects");
  EXPECT_EQ(tables->Item(0)->Attributes(), dao::dbSystemObject);
  for (const char* name :
       {"StartupForm", "AllowBypassKey", "SccPath", "ReplicaID", "DesignMasterID"})
    EXPECT_EQ(ErrorOf([&] { db->GetProperties()->Item(name); }).Number(), 3270) << name;
}

TEST_F(DatabaseBuilderTest, WritesTablesWithTheirFieldsIndexesAndProperties) {
  FieldSpec name = Text("Name");
  name.size = 80;
  name.required = true;
  name.allow_zero_length = true;
  name.default_value = com::Variant("n/a");
  name.validation_rule = "<> 'x'";
  name.validation_text = "Not x";
  name.properties = {{"Caption", dao::dbMemo, com::Variant("Full name")},
                     {"DisplayControl", dao::dbInteger, com::Variant(std::int16_t{109})}};
  FieldSpec notes{.name = "Notes", .type = dao::dbMemo, .attributes = dao::dbHyperlinkField};
  Build().Table({.name = "Customers",
                 .fields = {Long("ID", dao::dbAutoIncrField), name, notes},
                 .indexes = {{.name = "PrimaryKey", .fields = {{"ID", false}}, .primary = true},
                             {.name = "ByName", .fields = {{"Name", true}, {"ID", false}}}},
                 .validation_rule = "[ID] > 0",
                 .properties = {{"Description", dao::dbMemo, com::Variant("People")}}});
  auto table = Open(temp.File("db.mdb"))->GetTableDefs()->Item("customers");
  EXPECT_EQ(table->ValidationRule(), "[ID] > 0");
  EXPECT_EQ(com::CStr(table->GetProperties()->Item("Description")->Value()), "People");
  auto fields = table->GetFields();
  ASSERT_EQ(fields->Count(), 3);
  auto id = fields->Item(0);
  EXPECT_EQ(id->Type(), dao::dbLong);
  EXPECT_EQ(id->Size(), 4);
  EXPECT_EQ(id->Attributes(), dao::dbFixedField | dao::dbAutoIncrField);
  auto field = fields->Item("NAME");
  EXPECT_EQ(field->Size(), 80);
  EXPECT_TRUE(field->Required());
  EXPECT_TRUE(field->AllowZeroLength());
  EXPECT_EQ(com::CStr(field->DefaultValue()), "n/a");
  EXPECT_EQ(field->ValidationText(), "Not x");
  EXPECT_EQ(field->GetProperties()->Item("DisplayControl")->Value().Type(), com::VarType::Integer);
  EXPECT_EQ(fields->Item("Notes")->Attributes(), dao::dbVariableField | dao::dbHyperlinkField);
  EXPECT_EQ(fields->Item("Notes")->Size(), 0);
  auto indexes = table->GetIndexes();
  ASSERT_EQ(indexes->Count(), 2);
  EXPECT_TRUE(indexes->Item("PrimaryKey")->Primary());
  EXPECT_TRUE(indexes->Item("PrimaryKey")->Unique());
  auto keys = indexes->Item("ByName")->GetFields();
  ASSERT_EQ(keys->Count(), 2);
  EXPECT_EQ(keys->Item(0)->Name(), "Name");
  EXPECT_EQ(keys->Item(0)->Attributes(), dao::dbDescending);
  EXPECT_EQ(keys->Item(1)->Attributes(), 0);
}

TEST_F(DatabaseBuilderTest, LinksTakeTheSourceTablesDefinitionAsInherited) {
  FieldSpec code = Text("Code");
  code.properties = {{"Caption", dao::dbText, com::Variant("Code")}};
  Build("back.mdb")
      .Table({.name = "Parts",
              .fields = {code, Long("Qty")},
              .indexes = {{.name = "ByCode", .fields = {{"Code", false}}}},
              .properties = {{"Description", dao::dbMemo, com::Variant("Stock")}}});
  const std::string connect = ";DATABASE=" + temp.File("back.mdb");
  Build().Table({.name = "LocalParts",
                 .connect = connect,
                 .source_table = "parts",
                 .properties = {{"Filter", dao::dbMemo, com::Variant("Qty > 1")}}});
  auto table = Open(temp.File("db.mdb"))->GetTableDefs()->Item("LocalParts");
  EXPECT_EQ(table->Attributes(), dao::dbAttachedTable);
  EXPECT_EQ(table->Connect(), connect);
  EXPECT_EQ(table->SourceTableName(), "parts");
  EXPECT_EQ(table->GetFields()->Count(), 2);
  EXPECT_EQ(table->GetIndexes()->Item(0)->Name(), "ByCode");
  auto properties = table->GetProperties();
  EXPECT_TRUE(properties->Item("Description")->Inherited());
  EXPECT_FALSE(properties->Item("Filter")->Inherited());
  EXPECT_TRUE(table->GetFields()->Item("Code")->GetProperties()->Item("Caption")->Inherited());
}

TEST_F(DatabaseBuilderTest, LinksToMissingSourcesAreRefused) {
  Build("back.mdb").Table({.name = "Parts", .fields = {Text("Code")}});
  auto builder = Build();
  const auto missing_table = ErrorOf([&] {
    builder.Table(
        {.name = "P", .connect = ";DATABASE=" + temp.File("back.mdb"), .source_table = "Gone"});
  });
  EXPECT_EQ(missing_table.Number(), 3011);
  EXPECT_EQ(missing_table.Description(),
            "The Microsoft Jet database engine could not find the object 'Gone'. Make sure the "
            "object exists and that you spell its name and the path name correctly.");
  const auto missing_file = ErrorOf([&] {
    builder.Table(
        {.name = "P", .connect = ";DATABASE=" + temp.File("gone.mdb"), .source_table = "Parts"});
  });
  EXPECT_EQ(missing_file.Number(), 3024);
  EXPECT_EQ(Open(builder.path())->GetTableDefs()->Count(), 1);
}

TEST_F(DatabaseBuilderTest, OtherLinksKeepTheFieldsGiven) {
  Build().Table({.name = "Remote",
                 .fields = {Long("ID")},
                 .connect = "ODBC;DSN=Sales;DATABASE=sales",
                 .source_table = "dbo.Remote"});
  auto db = Open(temp.File("db.mdb"));
  auto table = db->GetTableDefs()->Item("Remote");
  EXPECT_EQ(table->Attributes(), dao::dbAttachedODBC);
  EXPECT_EQ(table->GetFields()->Item(0)->Name(), "ID");
  auto rows = db->OpenRecordset(
      "SELECT Type, Database, ForeignName FROM MSysObjects WHERE Name = 'Remote'");
  EXPECT_EQ(com::CInt(rows->GetFields()->Item("Type")->Value()), 4);
  EXPECT_EQ(com::CStr(rows->GetFields()->Item("Database")->Value()), "sales");
  EXPECT_EQ(com::CStr(rows->GetFields()->Item("ForeignName")->Value()), "dbo.Remote");
}

TEST_F(DatabaseBuilderTest, AFailedCallLeavesTheFileAsItWas) {
  auto builder = Build();
  builder.Table({.name = "Orders", .fields = {Text("Item")}});
  EXPECT_EQ(ErrorOf([&] {
              builder.Table({.name = "Twice", .fields = {Text("A"), Text("a")}});
            }).Number(),
            3191);
  EXPECT_EQ(ErrorOf([&] { builder.Table({.name = "ORDERS", .fields = {Text("A")}}); }).Number(),
            3010);
  EXPECT_EQ(ErrorOf([&] { builder.Query({.name = "Orders", .sql = "SELECT 1;"}); }).Number(), 3012);
  EXPECT_EQ(ErrorOf([&] { builder.Query({.name = "Odd", .sql = "SHOW TABLES"}); }).Number(), 3129);
  EXPECT_EQ(ErrorOf([&] {
              builder.Relation({.name = "R",
                                .table = "Orders",
                                .foreign_table = "Orders",
                                .fields = {{"Item", "Nothing"}}});
            }).Number(),
            3265);
  EXPECT_EQ(ErrorOf([&] { builder.Document({.container = "Gadgets", .name = "G"}); }).Number(),
            3265);
  auto db = Open(builder.path());
  EXPECT_EQ(db->GetTableDefs()->Count(), 2);
  EXPECT_EQ(db->GetQueryDefs()->Count(), 0);
  EXPECT_EQ(db->GetRelations()->Count(), 0);
  EXPECT_EQ(db->GetContainers()->Item("Relationships")->GetDocuments()->Count(), 0);
  EXPECT_EQ(db->GetTableDefs()->Item("Orders")->GetIndexes()->Count(), 0);
}

TEST_F(DatabaseBuilderTest, SetsDocumentsOwnersPermissionsAndDates) {
  auto builder = Build();
  builder
      .Document({.container = "Forms",
                 .name = "Main",
                 .owner = "Mary",
                 .properties = {{"Description", dao::dbText, com::Variant("Start")}}})
      .Permissions("Forms", "Main", "Users", dao::dbSecReadDef)
      .Owner("Forms", "Main", "Editors")
      .LastUpdated("Forms", "Main", com::MakeDate({2020, 5, 6, 7, 8, 9}));
  EXPECT_EQ(ErrorOf([&] { builder.Owner("Forms", "Nothing", "x"); }).Number(), 3265);
  auto document =
      Open(builder.path())->GetContainers()->Item("Forms")->GetDocuments()->Item("Main");
  EXPECT_EQ(document->Owner(), "Editors");
  EXPECT_EQ(com::FormatStamp(document->LastUpdated()), "20200506070809");
  EXPECT_EQ(com::FormatStamp(document->DateCreated()), "20200506070809");
  document->SetUserName("Users");
  EXPECT_EQ(document->Permissions(), dao::dbSecReadDef);
  document->SetUserName("Admins");
  EXPECT_EQ(document->Permissions(), dao::dbSecFullAccess);
  EXPECT_EQ(com::CStr(document->GetProperties()->Item("Description")->Value()), "Start");
}

TEST_F(DatabaseBuilderTest, DatabasePropertiesAreSetReplacedAndRemoved) {
  auto builder = Build();
  builder.DatabaseProperty({"AllowBypassKey", dao::dbBoolean, com::Variant(false)})
      .DatabaseProperty({"AllowBypassKey", dao::dbBoolean, com::Variant(true)})
      .DatabaseProperty({"StartupForm", dao::dbText, com::Variant("Main")})
      .RemoveDatabaseProperty("AccessVersion");
  EXPECT_EQ(ErrorOf([&] { builder.RemoveDatabaseProperty("AccessVersion"); }).Number(), 3265);
  auto properties = Open(builder.path())->GetProperties();
  EXPECT_EQ(ErrorOf([&] { properties->Item("AccessVersion"); }).Number(), 3270);
  EXPECT_EQ(properties->Item("AllowBypassKey")->Value().Type(), com::VarType::Boolean);
  EXPECT_TRUE(com::CBool(properties->Item("AllowBypassKey")->Value()));
  EXPECT_EQ(com::CStr(properties->Item("StartupForm")->Value()), "Main");
}

TEST_F(DatabaseBuilderTest, ExistingFilesGoOnBeingBuilt) {
  Build().Table({.name = "Orders", .fields = {Text("Item")}});
  sim::jet::DatabaseBuilder::Existing(temp.File("db.mdb"))
      .Query({.name = "AllOrders", .sql = "SELECT * FROM Orders"});
  sim::jet::WorkgroupBuilder(temp.File("system.mdw"));
  sim::jet::WorkgroupBuilder::Existing(temp.File("system.mdw")).User("Mary", "");
  auto db = Open(temp.File("db.mdb"));
  EXPECT_EQ(db->GetQueryDefs()->Item("AllOrders")->GetFields()->Item(0)->Name(), "Item");
  EXPECT_EQ(db->GetTableDefs()->Count(), 2);
  EXPECT_EQ(ErrorOf([&] { sim::jet::DatabaseBuilder::Existing(temp.File("gone.mdb")); }).Number(), 3024);
  EXPECT_EQ(ErrorOf([&] { sim::jet::DatabaseBuilder::Existing(temp.File("system.mdw")); }).Number(),
            3343);
  EXPECT_EQ(ErrorOf([&] { sim::jet::WorkgroupBuilder::Existing(temp.File("db.mdb")).Group("G"); }).Number(),
            3028);
}

}  // namespace
}  // namespace jet_test
