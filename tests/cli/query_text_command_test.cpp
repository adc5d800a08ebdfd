// Queries as text through the quillnet command: `import` makes query
// definitions (SQL and properties) of queries/NAME.bas, checks a .sql file
// beside one against its design, `export` writes them back byte for byte, and
// after a replace writes the design of the new SQL, changing no other line,
// under the query's new name when the replace renamed it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "com/text.h"
#include "sim/access/text_encoding.h"
#include "sim/jet/catalog.h"
#include "sim/jet/database_builder.h"
#include "sim/jet/jet_file.h"
#include "sim/jet/property_store.h"
#include "sim/jet/query_store.h"
#include "support/command_line.h"
#include "support/machine_test.h"
#include "support/utf16.h"

namespace {

namespace fs = std::filesystem;
using Files = std::map<std::string, std::string>;
using testing_support::Quoted;

const std::vector<std::string> kBerlinLines = {
    "Operation =1",
    "Option =0",
    "Where =\"(((Customers.City)=\\\"Berlin\\\"))\"",
    "Begin InputTables",
    "    Name =\"Customers\"",
    "    Name =\"Orders\"",
    "End",
    "Begin OutputColumns",
    "    Expression =\"Customers.CustomerID\"",
    "    Alias =\"Total\"",
    "    Expression =\"Sum(Orders.Freight)\"",
    "End",
    "Begin Joins",
    "    LeftTable =\"Customers\"",
    "    RightTable =\"Orders\"",
    "    Expression =\"Customers.CustomerID = Orders.CustomerID\"",
    "    Flag =1",
    "End",
    "Begin Groups",
    "    Expression =\"Customers.CustomerID\"",
    "    GroupLevel =0",
    "End",
    "dbBoolean \"ReturnsRecords\" =\"-1\"",
    "dbInteger \"ODBCTimeout\" =\"60\"",
    "dbByte \"RecordsetType\" =\"0\"",
    "dbText \"Description\" =\"Freight of the customers of Berlin\"",
    "dbBinary \"GUID\" = Begin",
    "    0x5823aee7d44b5b4d98653d7b0932eb63",
    "End",
    "Begin",
    "    Begin",
    "        dbText \"Name\" =\"Total\"",
    "        dbLong \"AggregateType\" =\"-1\"",
    "    End",
    "End",
};

std::string CrLf(const std::vector<std::string>& lines) { return com::Join(lines, "\r\n") + "\r\n"; }

// A design in UTF-16 as Access writes it with its SQL beside it, laid out
// on lines of its own; a pass-through query's SQL line in the code page; a
// union's in UTF-8 without a final line break.
const Files kQueryFolder = {
    {"queries/qryBerlin.bas", testing_support::Utf16(CrLf(kBerlinLines))},
    {"queries/qryBerlin.sql",
     "SELECT Customers.CustomerID, Sum(Orders.Freight) AS Total\n"
     "FROM Customers INNER JOIN Orders\n  ON Customers.CustomerID = Orders.CustomerID\n"
     "WHERE (((Customers.City)=\"Berlin\"))\nGROUP BY Customers.CustomerID;\n"},
    {"queries/ptRemote.bas",
     CrLf({"dbMemo \"SQL\" =\"EXEC dbo.Berlin_Report 7\"", "dbMemo \"Connect\" =\"ODBC;DSN=Sales\"",
           "dbBoolean \"ReturnsRecords\" =\"0\"", "dbInteger \"ODBCTimeout\" =\"0\"",
           "dbBoolean \"LogMessages\" =\"0\""})},
    {"queries/qryPlaces.bas",
     "\xEF\xBB\xBF" "dbMemo \"SQL\" =\"SELECT City FROM Customers\\015\\012UNION SELECT \\\"M\xC3\xBCnchen\\\" "
     "FROM Orders;\\015\\012\"\ndbMemo \"Connect\" =\"\""},
};

class QueryTextCommandTest : public testing_support::MachineTest {
 protected:
  void SetUp() override {
    sim::jet::DatabaseBuilder{db_}
        .Table({.name = "Customers", .fields = {{.name = "CustomerID"}, {.name = "City"}}})
        .Table({.name = "Orders",
                .fields = {{.name = "OrderID"}, {.name = "CustomerID"},
                           {.name = "Freight", .type = dao::dbCurrency}}});
  }

  fs::path Folder(const std::string& name, const Files& files) {
    const fs::path folder = temp.path() / name;
    for (const auto& [path, bytes] : files) {
      fs::create_directories((folder / path).parent_path());
      std::ofstream(folder / path, std::ios::binary) << bytes;
    }
    return folder;
  }
  testing_support::CommandResult Run(const std::string& command, const std::string& from,
                                     const std::string& to) {
    return command_.Run(command + " " + Quoted(from) + " " + Quoted(to));
  }
  sim::jet::QueryRow Query(const std::string& name) {
    sim::jet::Catalog catalog(sim::jet::JetFile::Open(db_, true), clock(), {});
    return sim::jet::QueryStore(catalog).Find(name).value();
  }
  std::string Property(const std::string& query, const std::string& name) {
    sim::jet::Catalog catalog(sim::jet::JetFile::Open(db_, true), clock(), {});
    const auto id = sim::jet::QueryStore(catalog).Find(query)->object.id;
    const auto found = sim::jet::PropertyStore(catalog).Find({sim::jet::PropertyKey::kObject, id, ""}, name);
    return found ? com::CStr(found->value) : "(none)";
  }

  testing_support::CommandLine command_{temp};
  std::string db_ = temp.File("app.mdb");
};

TEST_F(QueryTextCommandTest, ImportMakesTheQueriesAndExportGivesBackEveryFile) {
  const auto imported = Run("import", Folder("src", kQueryFolder).string(), db_);
  ASSERT_EQ(imported.code, 0) << imported.err;
  EXPECT_NE(imported.out.find("imported 3 document(s)"), std::string::npos) << imported.out;
  EXPECT_EQ(imported.out.find("skipped"), std::string::npos) << imported.out;

  const auto berlin = Query("qryBerlin");
  EXPECT_EQ(berlin.sql,
            "SELECT Customers.CustomerID, Sum(Orders.Freight) AS Total\r\nFROM Customers INNER JOIN "
            "Orders ON Customers.CustomerID = Orders.CustomerID\r\nWHERE "
            "(((Customers.City)=\"Berlin\"))\r\nGROUP BY Customers.CustomerID;");
  EXPECT_EQ(Property("qryBerlin", "Description"), "Freight of the customers of Berlin");
  EXPECT_EQ(Property("qryBerlin", "GUID"), "(none)");
  const auto remote = Query("ptRemote");
  EXPECT_EQ(remote.sql, "EXEC dbo.Berlin_Report 7");
  EXPECT_EQ(remote.connect, "ODBC;DSN=Sales");
  EXPECT_FALSE(remote.returns_records);
  EXPECT_EQ(remote.odbc_timeout, 0);
  EXPECT_EQ(Query("qryPlaces").sql,
            "SELECT City FROM Customers\r\nUNION SELECT \"M\xC3\xBCnchen\" FROM Orders;\r\n");

  ASSERT_EQ(Run("export", db_, temp.File("out")).code, 0);
  EXPECT_EQ(testing_support::ReadFolder(temp.path() / "out"), kQueryFolder);
}

TEST_F(QueryTextCommandTest, AReplacedSqlIsExportedAsItsDesignWithNoOtherLineChanged) {
  ASSERT_EQ(Run("import", Folder("src", kQueryFolder).string(), db_).code, 0);
  const auto replaced = command_.Run("replace " + Quoted(db_) + " Berlin Hamburg --yes --only Queries");
  ASSERT_EQ(replaced.code, 0) << replaced.out << replaced.err;
  EXPECT_NE(replaced.out.find("Queries/qryBerlin/Name: qryBerlin -> qryHamburg"), std::string::npos);
  ASSERT_EQ(Run("export", db_, temp.File("out")).code, 0);

  std::vector<std::string> expected = kBerlinLines;
  expected[2] = "Where =\"(((Customers.City)=\\\"Hamburg\\\"))\"";
  expected[25] = "dbText \"Description\" =\"Freight of the customers of Hamburg\"";
  const Files out = testing_support::ReadFolder(temp.path() / "out");
  EXPECT_EQ(out.at("queries/qryHamburg.bas"), testing_support::Utf16(CrLf(expected)));
  EXPECT_EQ(out.at("queries/qryHamburg.sql"),
            "SELECT Customers.CustomerID, Sum(Orders.Freight) AS Total\nFROM Customers INNER JOIN "
            "Orders ON Customers.CustomerID = Orders.CustomerID\nWHERE "
            "(((Customers.City)=\"Hamburg\"))\nGROUP BY Customers.CustomerID;\n");
  EXPECT_EQ(out.at("queries/ptRemote.bas"),
            CrLf({"dbMemo \"SQL\" =\"EXEC dbo.Hamburg_Report 7\"", "dbMemo \"Connect\" =\"ODBC;DSN=Sales\"",
                  "dbBoolean \"ReturnsRecords\" =\"0\"", "dbInteger \"ODBCTimeout\" =\"0\"",
                  "dbBoolean \"LogMessages\" =\"0\""}));

  // The exported folder gives the database the same queries again.
  const std::string sql = Query("qryHamburg").sql;
  db_ = temp.File("again.mdb");
  SetUp();
  ASSERT_EQ(Run("import", (temp.path() / "out").string(), db_).code, 0);
  EXPECT_EQ(Query("qryHamburg").sql, sql);
  EXPECT_EQ(Property("qryHamburg", "Description"), "Freight of the customers of Hamburg");
}

TEST_F(QueryTextCommandTest, ImportRefusesAndWritesNothing) {
  const std::string before = testing_support::ReadFile(db_);
  Files disagreeing = kQueryFolder;
  disagreeing["queries/qryBerlin.sql"] = "SELECT Customers.CustomerID\nFROM Customers;\n";
  Files bad = kQueryFolder;
  bad["queries/ptRemote.bas"] = "dbMemo \"SQL\" =\"EXEC x\"\r\ndbBoolean \"LogMessages\" =\"sometimes\"\r\n";
  const struct {
    Files files;
    std::string says;
  } cases[] = {
      {disagreeing,
       "queries/qryBerlin.bas: line 1: the SQL of its design and queries/qryBerlin.sql disagree"},
      {bad, "queries/ptRemote.bas: line 2: \"sometimes\" is no value of a dbBoolean property"},
      {{{"queries/Customers.bas", CrLf({"dbMemo \"SQL\" =\"SELECT * FROM Orders;\""})}}, "Customers"},
  };
  int n = 0;
  for (const auto& c : cases) {
    const auto result = Run("import", Folder("in" + std::to_string(++n), c.files).string(), db_);
    EXPECT_EQ(result.code, 2) << c.says;
    EXPECT_NE(result.err.find(c.says), std::string::npos) << result.err;
    EXPECT_EQ(testing_support::ReadFile(db_), before) << c.says;
  }
}

}  // namespace
