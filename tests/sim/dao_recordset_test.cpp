#include <gtest/gtest.h>

#include "dao_fixture.h"
#include "support/error_matchers.h"

namespace jet_test {
namespace {

using testing_support::ErrorOf;

class DaoRecordset : public DaoTest {
 protected:
  DaoRecordset() {
    Build("back.mdb").Table({.name = "Parts", .fields = {Text("Code")}});
    Build("texts.mdb");
    Build()
        .Table({.name = "Parts",
                .connect = ";DATABASE=" + temp.File("back.mdb"),
                .source_table = "Parts"})
        .Table({.name = "Stock",
                .connect = ";DATABASE=" + temp.File("back.mdb"),
                .source_table = "Parts"})
        .Table({.name = "Prices",
                .fields = {Text("Item")},
                .connect = "Text;DATABASE=" + temp.path().string(),
                .source_table = "prices.txt"})
        .ImportSpec({.name = "Weekly",
                     .columns = {{.field_name = "a'b", .start = 3, .width = 7},
                                 {.field_name = "Qty", .data_type = dao::dbLong}}})
        .ImportSpec({.name = "Daily", .spec_type = 2, .field_separator = ";"});
    db = Open(temp.File("db.mdb"));
  }

  std::vector<std::string> Column(const std::string& sql, const std::string& field) {
    std::vector<std::string> values;
    auto rows = db->OpenRecordset(sql);
    for (; !rows->IsEOF(); rows->MoveNext())
      values.push_back(com::CStr(rows->GetFields()->Item(field)->Value()));
    rows->Close();
    return values;
  }

  std::shared_ptr<dao::Database> db;
};

TEST_F(DaoRecordset, MSysObjectsListsTheLinkedTablesWithTheirDatabases) {
  EXPECT_EQ(Column("SELECT Name, Database FROM MSysObjects WHERE Type=6;", "Name"),
            (std::vector<std::string>{"Parts", "Stock", "Prices"}));
  EXPECT_EQ(Column("SELECT Name, Database FROM MSysObjects WHERE Type=6;", "database"),
            (std::vector<std::string>{temp.File("back.mdb"), temp.File("back.mdb"),
                                      temp.path().string()}));
  auto rows = db->OpenRecordset("SELECT Id, Type, Flags, DateCreate FROM MSysObjects");
  auto fields = rows->GetFields();
  EXPECT_EQ(fields->Item("Id")->Value().Type(), com::VarType::Long);
  EXPECT_EQ(fields->Item("Type")->Type(), dao::dbInteger);
  EXPECT_EQ(fields->Item("Type")->Value().Type(), com::VarType::Integer);
  EXPECT_EQ(fields->Item("DateCreate")->Value().Type(), com::VarType::Date);
}

TEST_F(DaoRecordset, ImportSpecificationsAreRowsOfTheirSystemTables) {
  EXPECT_EQ(Column("SELECT SpecName FROM MSysIMEXSpecs ORDER BY SpecName", "SpecName"),
            (std::vector<std::string>{"Daily", "Weekly"}));
  auto spec = db->OpenRecordset("SELECT * FROM MSysIMEXSpecs WHERE SpecName = 'daily';");
  auto fields = spec->GetFields();
  EXPECT_EQ(fields->Count(), 13);
  EXPECT_EQ(com::CStr(fields->Item("FieldSeparator")->Value()), ";");
  EXPECT_EQ(fields->Item("SpecType")->Value().Type(), com::VarType::Byte);
  EXPECT_EQ(fields->Item("DateFourDigitYear")->Value().Type(), com::VarType::Boolean);
  EXPECT_TRUE(com::CBool(fields->Item("DateFourDigitYear")->Value()));
  const std::string id =
      com::CStr(db->OpenRecordset("SELECT SpecID FROM MSysIMEXSpecs WHERE SpecName='Weekly'")
                    ->GetFields()
                    ->Item(0)
                    ->Value());
  auto column = db->OpenRecordset("SELECT * FROM MSysIMEXColumns WHERE SpecID=" + id +
                                  " AND FieldName='a''b';");
  ASSERT_FALSE(column->IsEOF());
  EXPECT_EQ(column->GetFields()->Item("Start")->Value().Type(), com::VarType::Integer);
  EXPECT_EQ(com::CLng(column->GetFields()->Item("Width")->Value()), 7);
  EXPECT_TRUE(column->GetFields()->Item("Attributes")->Value().IsNull());
  column->MoveNext();
  EXPECT_TRUE(column->IsEOF());
  EXPECT_EQ(ErrorOf([&] { column->GetFields()->Item("Start")->Value(); }).Number(), 3021);
  EXPECT_EQ(ErrorOf([&] { column->MoveNext(); }).Number(), 3021);
  auto tables = db->GetContainers()->Item("Tables")->GetDocuments();
  EXPECT_NO_THROW(tables->Item("MSysIMEXSpecs"));
  EXPECT_NO_THROW(tables->Item("MSysIMEXColumns"));
  EXPECT_EQ(db->GetTableDefs()->Item("MSysIMEXColumns")->GetFields()->Item("Start")->Type(),
            dao::dbInteger);
}

TEST_F(DaoRecordset, EditAndUpdateWriteTheCurrentRowBack) {
  auto spec = db->OpenRecordset("SELECT * FROM MSysIMEXSpecs WHERE SpecName = 'Weekly';",
                                dao::dbOpenDynaset);
  auto name = spec->GetFields()->Item("SpecName");
  const auto without_edit = ErrorOf([&] { name->SetValue(com::Variant("Monthly")); });
  EXPECT_EQ(without_edit.Number(), 3020);
  EXPECT_EQ(without_edit.Description(), "Update or CancelUpdate without AddNew or Edit.");
  EXPECT_EQ(ErrorOf([&] { spec->Update(); }).Number(), 3020);
  spec->Edit();
  name->SetValue(com::Variant("Monthly"));
  spec->GetFields()->Item("StartRow")->SetValue(com::Variant("4"));
  EXPECT_EQ(com::CStr(name->Value()), "Monthly");
  spec->Update();
  spec->Close();
  EXPECT_EQ(ErrorOf([&] { spec->IsEOF(); }).Number(), 3420);
  auto other = Open(temp.File("db.mdb"));
  auto again =
      other->OpenRecordset("SELECT SpecName, StartRow FROM MSysIMEXSpecs WHERE SpecName='Monthly'");
  ASSERT_FALSE(again->IsEOF());
  EXPECT_EQ(again->GetFields()->Item("StartRow")->Value().Type(), com::VarType::Long);
  EXPECT_EQ(com::CLng(again->GetFields()->Item("StartRow")->Value()), 4);
}

TEST_F(DaoRecordset, AnUpdateThatFailsChangesNothing) {
  auto spec = db->OpenRecordset("SELECT * FROM MSysIMEXSpecs WHERE SpecName = 'Weekly'");
  spec->Edit();
  auto fields = spec->GetFields();
  EXPECT_EQ(ErrorOf([&] { fields->Item("StartRow")->SetValue(com::Variant("many")); }).Number(),
            3421);
  EXPECT_EQ(ErrorOf([&] { fields->Item("DateDelim")->SetValue(com::Variant("---")); }).Number(),
            3163);
  fields->Item("TimeDelim")->SetValue(com::Variant("."));
  fields->Item("SpecName")->SetValue(com::Variant("DAILY"));
  EXPECT_EQ(ErrorOf([&] { spec->Update(); }).Number(), 3022);
  EXPECT_EQ(Column("SELECT TimeDelim FROM MSysIMEXSpecs WHERE SpecName = 'Weekly'", "TimeDelim"),
            (std::vector<std::string>{":"}));
}

TEST_F(DaoRecordset, OnlyTheTablesOfTheDatabaseCanBeRead) {
  Build("empty.mdb");
  auto empty = Open(temp.File("empty.mdb"));
  struct Case {
    std::shared_ptr<dao::Database> database;
    std::string sql;
    std::int32_t number;
    std::string description;
  };
  const std::string missing =
      "The Microsoft Jet database engine cannot find the input table or query '";
  const std::string tail = "'. Make sure it exists and that its name is spelled correctly.";
  const std::vector<Case> cases = {
      {empty, "SELECT SpecName FROM MSysIMEXSpecs ORDER BY SpecName", 3078,
       missing + "MSysIMEXSpecs" + tail},
      {db, "SELECT * FROM jet_objects", 3078, missing + "jet_objects" + tail},
      {db, "SELECT COUNT(*) FROM jet_tables", 3078, missing + "jet_tables" + tail},
      {db, "SELECT name FROM sqlite_master", 3078, missing + "sqlite_master" + tail},
      {db, "SELECT Nonsense FROM MSysObjects", 3061, "Too few parameters. Expected 1."},
      {db, "DELETE FROM MSysIMEXSpecs", 3219, "Invalid operation."},
      {db, "SELECT * FROM MSysIMEXSpecs; DELETE FROM MSysIMEXSpecs", 3142,
       "Characters found after end of SQL statement."},
  };
  for (const auto& c : cases) {
    const auto e = ErrorOf([&] { c.database->OpenRecordset(c.sql); });
    EXPECT_EQ(e.Number(), c.number) << c.sql;
    EXPECT_EQ(e.Description(), c.description) << c.sql;
  }
  EXPECT_EQ(Column("SELECT * FROM MSysIMEXSpecs", "SpecName").size(), 2u);
}

TEST_F(DaoRecordset, ViewsSnapshotsAndExpressionsCannotBeEdited) {
  for (const auto& [sql, type] : std::vector<std::pair<std::string, std::int32_t>>{
           {"SELECT Name FROM MSysObjects", dao::dbOpenDynaset},
           {"SELECT * FROM MSysIMEXSpecs", dao::dbOpenSnapshot},
           {"SELECT SpecID + 1 AS Next FROM MSysIMEXSpecs", dao::dbOpenDynaset},
           {"SELECT SpecType FROM MSysIMEXSpecs GROUP BY SpecType", dao::dbOpenDynaset},
           {"SELECT DISTINCT FileType FROM MSysIMEXSpecs", dao::dbOpenDynaset}}) {
    auto rows = db->OpenRecordset(sql, type);
    EXPECT_EQ(ErrorOf([&] { rows->Edit(); }).Number(), 3027) << sql;
  }
  auto table = db->OpenRecordset("MSysIMEXColumns", dao::dbOpenTable);
  EXPECT_EQ(table->GetFields()->Count(), 8);
  EXPECT_EQ(ErrorOf([&] {
              db->OpenRecordset("SELECT * FROM MSysIMEXColumns", dao::dbOpenTable);
            }).Number(),
            3219);
}

}  // namespace
}  // namespace jet_test
