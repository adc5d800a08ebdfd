// SQL read back into a query design gives the same SQL again, for every kind
// of query Access saves.

#include "sim/jet/query_sql_reader.h"

#include <gtest/gtest.h>

#include "com/error.h"
#include "support/real_files.h"

namespace {

using sim::jet::QueryDesign;
using sim::jet::QuerySqlReader;

std::string RoundTrip(const std::string& sql, const std::string& connect = "") {
  return QuerySqlReader::Read(sql, connect).Sql();
}

TEST(QuerySqlReaderTest, TheNineFixtureQueriesComeBackUnchanged) {
  for (const char* name : {"SelectQuery", "DeleteQuery", "AppendQuery", "MakeTableQuery",
                           "CrosstabQuery", "UnionQuery", "DataDefinitionQuery"}) {
    std::string sql = testing_support::ExpectedQuerySql(name);
    if (sql.back() == '\0') sql.pop_back();
    EXPECT_EQ(RoundTrip(sql), sql) << name;
  }
  const std::string update = "PARAMETERS [User Name] Text;\r\nUPDATE Table1\r\nSET Table1.col1 = "
                             "\"foo\", [Table2].[col1] = [User Name]\r\nWHERE (((Table1.col2) Is "
                             "Not Null));";
  EXPECT_EQ(RoundTrip(update), update);
  EXPECT_EQ(RoundTrip("ALTER TABLE Table4 DROP COLUMN col5;", "ODBC;DSN=x"),
            "ALTER TABLE Table4 DROP COLUMN col5;");
}

TEST(QuerySqlReaderTest, MoreShapesComeBackUnchanged) {
  const char* cases[] = {
      "SELECT TOP 10 PERCENT [Order Details].OrderID AS [Order], Sum(Qty) AS Total\r\n"
      "FROM [Order Details] AS OD\r\nGROUP BY [Order Details].OrderID\r\nORDER BY Sum(Qty) DESC, "
      "[Order Details].OrderID;",
      "SELECT DISTINCTROW A.x, B.y, C.z\r\nFROM A INNER JOIN (B LEFT JOIN C ON B.id = C.bid) ON "
      "A.id = B.aid\r\nWITH OWNERACCESS OPTION;",
      "SELECT *\r\nFROM Customers\r\nWHERE (((Customers.City)=\"Köln\" And "
      "(Customers.Since)>#1/1/1999#));",
      "INSERT INTO Archive IN 'C:\\data\\old.mdb' (ID, [Customer Name])\r\nSELECT Customers.ID, "
      "Customers.Name\r\nFROM Customers;",
      "SELECT Customers.* INTO [Customers Copy]\r\nFROM Customers;",
      "DELETE *\r\nFROM Customers\r\nWHERE (((Customers.ID)=[Which ID]));",
      "PARAMETERS Start DateTime, [Amount Due] Currency;\r\nSELECT Orders.ID\r\nFROM Orders, "
      "Customers\r\nWHERE (((Orders.Date)>[Start]));",
      "PARAMETERS [Forms]![frmOrders]![txtFrom] DateTime;\r\nSELECT Orders.*\r\nFROM Orders\r\n"
      "WHERE (((Orders.Date)>=[Forms]![frmOrders]![txtFrom]));",
  };
  for (const char* sql : cases) EXPECT_EQ(RoundTrip(sql), sql);
}

TEST(QuerySqlReaderTest, ReadsTheDesignItems) {
  const QueryDesign design = QuerySqlReader::Read(
      "SELECT Max(T2.a) AS MaxA, T3.b INTO Out\r\nFROM (T2 INNER JOIN T1 ON T2.a = T1.b) RIGHT "
      "JOIN T3 ON T1.b = T3.c\r\nGROUP BY T3.b\r\nHAVING (((Max(T2.a))=1));",
      "");
  EXPECT_EQ(design.kind, QueryDesign::Kind::MakeTable);
  EXPECT_EQ(design.target, "Out");
  ASSERT_EQ(design.tables.size(), 3u);
  ASSERT_EQ(design.joins.size(), 2u);
  EXPECT_EQ(design.joins[1].left, "T1");
  EXPECT_EQ(design.joins[1].right, "T3");
  EXPECT_EQ(design.joins[1].type, QueryDesign::kRightJoin);
  ASSERT_EQ(design.columns.size(), 2u);
  EXPECT_EQ(design.columns[0].alias, "MaxA");
  EXPECT_EQ(design.having, "(((Max(T2.a))=1))");
}

TEST(QuerySqlReaderTest, TextThatIsNoStatementIsRefused) {
  for (const char* sql : {"", "HELLO world", "SELECT a FROM (T", "SELECT \"unterminated"}) {
    auto error = com::Capture([&] { QuerySqlReader::Read(sql, ""); });
    ASSERT_TRUE(error) << sql;
    EXPECT_TRUE(error->Number() == 3129 || error->Number() == 3075) << sql;
  }
}

}  // namespace
