#include <gtest/gtest.h>

#include "com/date_time.h"
#include "dao_fixture.h"
#include "support/error_matchers.h"

namespace jet_test {
namespace {

using testing_support::ErrorOf;

class DaoQueryDefs : public DaoTest {
 protected:
  DaoQueryDefs() {
    sim::jet::FieldSpec name = Text("Name");
    name.size = 80;
    name.properties = {{"Caption", dao::dbMemo, com::Variant("Customer")}};
    Build()
        .Table({.name = "Customers", .fields = {Long("ID", dao::dbAutoIncrField), name}})
        .Table({.name = "Orders",
                .fields = {Long("OrderID"),
                           Long("CustomerID"),
                           {.name = "Placed", .type = dao::dbDate}}})
        .Query({.name = "Names", .sql = "SELECT c.Name AS Who, ID FROM Customers AS c;"})
        .Query({.name = "Probe", .sql = "SELECT 1;"});
    db = Open(temp.File("db.mdb"));
  }

  std::shared_ptr<dao::QueryDef> Query(const std::string& name = "Names") {
    return db->GetQueryDefs()->Item(name);
  }

  std::shared_ptr<dao::Database> db;
};

TEST_F(DaoQueryDefs, TheTypeFollowsTheSqlAndTheConnectString) {
  struct Case {
    std::string sql;
    std::string connect;
    std::int16_t type;
  };
  const std::vector<Case> cases = {
      {"SELECT * FROM Customers;", "", dao::dbQSelect},
      {"PARAMETERS [Which] Long;\r\nSELECT * FROM Customers WHERE ID = [Which];", "",
       dao::dbQSelect},
      {"SELECT Name INTO Archive FROM Customers;", "", dao::dbQMakeTable},
      {"SELECT Name FROM Customers WHERE Name IN (SELECT Name INTO X FROM Y);", "", dao::dbQSelect},
      {"select Name from Customers union select 'union' from Orders", "", dao::dbQSetOperation},
      {"(SELECT Name FROM Customers) UNION ALL (SELECT Name FROM Suppliers)", "",
       dao::dbQSetOperation},
      {"TRANSFORM Count(ID) AS N SELECT Name FROM Customers GROUP BY Name PIVOT ID;", "",
       dao::dbQCrosstab},
      {"DELETE * FROM Orders;", "", dao::dbQDelete},
      {"UPDATE Customers SET Name = 'x';", "", dao::dbQUpdate},
      {"INSERT INTO Orders (OrderID) VALUES (1);", "", dao::dbQAppend},
      {"CREATE TABLE T (A TEXT);", "", dao::dbQDDL},
      {"DROP TABLE T;", "", dao::dbQDDL},
      {"ALTER TABLE T ADD COLUMN B TEXT;", "", dao::dbQDDL},
      {"EXEC sp_who", "ODBC;DSN=Server", dao::dbQSQLPassThrough},
  };
  auto query = Query();
  for (const auto& c : cases) {
    query->SetConnect(c.connect);
    query->SetSQL(c.sql);
    EXPECT_EQ(query->Type(), c.type) << c.sql;
    EXPECT_EQ(query->SQL(), c.sql);
  }
  EXPECT_EQ(ErrorOf([&] { query->SetConnect(""); }).Number(), 3129);
  EXPECT_EQ(query->Connect(), "ODBC;DSN=Server");
  auto probe = Query("Probe");
  const auto e = ErrorOf([&] { probe->SetSQL("EXEC sp_who"); });
  EXPECT_EQ(e.Number(), 3129);
  EXPECT_EQ(
      e.Description(),
      "Invalid SQL statement; expected 'DELETE', 'INSERT', 'PROCEDURE', 'SELECT', or 'UPDATE'.");
  EXPECT_EQ(probe->SQL(), "SELECT 1;");
}

TEST_F(DaoQueryDefs, FieldsAreTheSelectedColumnsTypedFromTheirTables) {
  auto fields = Query()->GetFields();
  ASSERT_EQ(fields->Count(), 2);
  EXPECT_EQ(fields->Item(0)->Name(), "Who");
  EXPECT_EQ(fields->Item(0)->Type(), dao::dbText);
  EXPECT_EQ(fields->Item(0)->Size(), 80);
  EXPECT_EQ(com::CStr(fields->Item(0)->GetProperties()->Item("SourceField")->Value()), "Name");
  EXPECT_EQ(fields->Item("ID")->Attributes() & dao::dbAutoIncrField, dao::dbAutoIncrField);
  EXPECT_EQ(ErrorOf([&] { fields->Item(0)->GetProperties()->Item("Caption"); }).Number(), 3270);
  EXPECT_EQ(ErrorOf([&] { fields->Item(0)->SetName("Other"); }).Number(), 3027);
  struct Case {
    std::string sql;
    std::vector<std::pair<std::string, std::int16_t>> fields;
  };
  const std::vector<Case> cases = {
      {"SELECT * FROM Customers", {{"ID", dao::dbLong}, {"Name", dao::dbText}}},
      {"SELECT DISTINCT TOP 5 o.*, [Customers].[Name] FROM [Orders] o INNER JOIN Customers ON "
       "o.CustomerID = Customers.ID",
       {{"OrderID", dao::dbLong},
        {"CustomerID", dao::dbLong},
        {"Placed", dao::dbDate},
        {"Name", dao::dbText}}},
      {"SELECT Placed, 1 + 1, 'x' AS Letter, 2.5, Count(*) AS N FROM Orders",
       {{"Placed", dao::dbDate},
        {"Expr1000", dao::dbText},
        {"Letter", dao::dbText},
        {"Expr1001", dao::dbDouble},
        {"N", dao::dbText}}},
      {"SELECT Who FROM Names", {{"Who", dao::dbText}}},
      {"SELECT * FROM Probe", {}},
      {"UPDATE Orders SET Placed = Now(), CustomerID = 2",
       {{"Placed", dao::dbDate}, {"CustomerID", dao::dbLong}}},
      {"INSERT INTO Orders (OrderID, Placed) VALUES (1, #1/2/2026#)",
       {{"OrderID", dao::dbLong}, {"Placed", dao::dbDate}}},
      {"DELETE * FROM Orders", {}},
      // Columns of one name are qualified by their source, as the query names it.
      {"SELECT Customers.Name, c2.Name, c2.ID AS Other FROM Customers, Customers AS c2",
       {{"Customers.Name", dao::dbText}, {"c2.Name", dao::dbText}, {"Other", dao::dbLong}}},
      {"SELECT * FROM Customers INNER JOIN Customers AS c2 ON Customers.ID = c2.ID",
       {{"Customers.ID", dao::dbLong},
        {"Customers.Name", dao::dbText},
        {"c2.ID", dao::dbLong},
        {"c2.Name", dao::dbText}}},
  };
  auto probe = Query("Probe");
  for (const auto& c : cases) {
    probe->SetSQL(c.sql);
    auto result = probe->GetFields();
    ASSERT_EQ(result->Count(), static_cast<std::int32_t>(c.fields.size())) << c.sql;
    for (std::size_t i = 0; i < c.fields.size(); ++i) {
      const auto position = static_cast<std::int32_t>(i);
      EXPECT_EQ(result->Item(position)->Name(), c.fields[i].first) << c.sql;
      EXPECT_EQ(result->Item(position)->Type(), c.fields[i].second) << c.sql;
    }
  }
}

TEST_F(DaoQueryDefs, RenamingLeavesTheSqlOfOtherQueriesAndStampsTheDocument) {
  Query("Probe")->SetSQL("SELECT Who FROM Names;");
  Later();
  Query("Names")->SetName("People");
  EXPECT_EQ(Query("Probe")->SQL(), "SELECT Who FROM Names;");
  auto documents = db->GetContainers()->Item("Tables")->GetDocuments();
  EXPECT_EQ(com::FormatStamp(documents->Item("People")->LastUpdated()), "20260101090100");
  EXPECT_EQ(com::FormatStamp(documents->Item("Probe")->LastUpdated()), "20260101090000");
  EXPECT_EQ(ErrorOf([&] { Query("People")->SetName("customers"); }).Number(), 3012);
  EXPECT_EQ(ErrorOf([&] { db->GetQueryDefs()->Item("Names"); }).Number(), 3265);
  EXPECT_EQ(Query("Probe")->GetFields()->Count(), 1);
}

TEST_F(DaoQueryDefs, EachTypeHasTheBuiltInPropertiesAccessGivesIt) {
  struct Case {
    std::string sql;
    std::string connect;
    std::vector<std::string> present;
    std::vector<std::string> absent;
  };
  const std::vector<Case> cases = {
      {"SELECT * FROM Customers",
       "",
       {"RecordLocks"},
       {"FailOnError", "ReturnsRecords", "LogMessages"}},
      {"DELETE * FROM Orders", "", {"RecordLocks", "FailOnError"}, {"ReturnsRecords"}},
      {"UPDATE Orders SET CustomerID = 1", "", {"RecordLocks", "FailOnError"}, {"LogMessages"}},
      {"CREATE TABLE T (A TEXT)", "", {}, {"RecordLocks", "FailOnError", "ReturnsRecords"}},
      {"EXEC sp_who",
       "ODBC;DSN=Server",
       {"ReturnsRecords", "LogMessages"},
       {"RecordLocks", "FailOnError"}},
  };
  auto probe = Query("Probe");
  for (const auto& c : cases) {
    probe->SetConnect(c.connect);
    probe->SetSQL(c.sql);
    auto properties = probe->GetProperties();
    for (const auto& name : {"Name", "SQL", "Type", "Connect", "MaxRecords", "ODBCTimeout"})
      EXPECT_NO_THROW(properties->Item(name)) << c.sql << " " << name;
    for (const auto& name : c.present)
      EXPECT_NO_THROW(properties->Item(name)) << c.sql << " " << name;
    for (const auto& name : c.absent)
      EXPECT_EQ(ErrorOf([&] { properties->Item(name); }).Number(), 3270) << c.sql << " " << name;
  }
  auto properties = probe->GetProperties();
  EXPECT_TRUE(com::CBool(properties->Item("ReturnsRecords")->Value()));
  properties->Item("ReturnsRecords")->SetValue(com::Variant(false));
  EXPECT_EQ(probe->Type(), dao::dbQSPTBulk);
  properties->Item("LogMessages")->SetValue(com::Variant(true));
  EXPECT_TRUE(com::CBool(Query("Probe")->GetProperties()->Item("LogMessages")->Value()));
  probe->SetMaxRecords(10);
  probe->SetODBCTimeout(30);
  EXPECT_EQ(Query("Probe")->MaxRecords(), 10);
  EXPECT_EQ(Query("Probe")->ODBCTimeout(), 30);
}

// A property keeps its query alive, as a COM object keeps its parent: it can
// be read and written after the query and its collection are released.
TEST_F(DaoQueryDefs, ABuiltInPropertyOutlivesItsQuery) {
  std::shared_ptr<dao::Property> sql, locks;
  {
    auto properties = Query("Probe")->GetProperties();
    sql = properties->Item("SQL");
    locks = properties->Item("RecordLocks");
  }
  EXPECT_EQ(com::CStr(sql->Value()), "SELECT 1;");
  sql->SetValue(com::Variant("SELECT 2;"));
  locks->SetValue(com::Variant(2));
  EXPECT_EQ(Query("Probe")->SQL(), "SELECT 2;");
  EXPECT_EQ(com::CLng(Query("Probe")->GetProperties()->Item("RecordLocks")->Value()), 2);
}

TEST_F(DaoQueryDefs, PropertiesOfQueryFieldsAreKeptWithTheQuery) {
  auto field = Query()->GetFields()->Item("Who");
  field->GetProperties()->Append(
      field->CreateProperty("Caption", dao::dbText, com::Variant("Client")));
  auto again = Open(temp.File("db.mdb"))->GetQueryDefs()->Item("Names")->GetFields()->Item("Who");
  EXPECT_EQ(com::CStr(again->GetProperties()->Item("Caption")->Value()), "Client");
  EXPECT_EQ(ErrorOf([&] {
              Query("Probe")->GetFields()->Item(0)->GetProperties()->Item("Caption");
            }).Number(),
            3270);
}

}  // namespace
}  // namespace jet_test
