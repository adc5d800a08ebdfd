#include <gtest/gtest.h>

#include "com/date_time.h"
#include "driver/project.h"
#include "objects/data/fields.h"
#include "objects/data/queries.h"
#include "objects/data/query.h"
#include "support/driver_test.h"
#include "support/error_matchers.h"
#include "support/object_lists.h"

using testing_support::ErrorOf;
using testing_support::ParseObjectList;

class QueriesTest : public testing_support::DriverTest {
 protected:
  void SetUp() override {
    NewDatabase("q.mdb")
        .Table({"Customers", {{"CustomerID", dao::dbLong}, {"City", dao::dbText}}})
        .Table({"Archive", {{"CustomerID", dao::dbLong}, {"City", dao::dbText}}})
        .Query({"qSelect", "SELECT CustomerID, City FROM Customers;"})
        .Query({"qCross",
                "TRANSFORM Count(CustomerID) AS N SELECT City FROM Customers GROUP BY City PIVOT "
                "City;"})
        .Query({"qDelete", "DELETE * FROM Archive;"})
        .Query({"qUpdate", "UPDATE Customers SET City = 'Paris';"})
        .Query({"qAppend", "INSERT INTO Archive SELECT * FROM Customers;"})
        .Query({"qMake", "SELECT * INTO Copy FROM Customers;"})
        .Query({"qDdl", "CREATE TABLE Extra (X TEXT);"})
        .Query({"qPass", "SELECT * FROM dbo.Orders", "ODBC;DSN=Sales"})
        .Query({"qUnion", "SELECT City FROM Customers UNION SELECT City FROM Archive;"})
        .Query({"~sq_cfrmOrders", "SELECT * FROM Customers;"})
        .Query({"~SQ_rReport", "SELECT * FROM Customers;"})
        .LastUpdated("Tables", "qSelect", com::MakeDate({2025, 12, 31, 23, 59, 59}));
  }

  std::shared_ptr<driver::Project> Open(const std::map<std::string, std::string>& extra = {}) {
    auto project = NewProject(Parameters(temp.File("q.mdb"), extra));
    project->IProject_EnumCollections();
    return project;
  }

  std::shared_ptr<objects::Query> Get(driver::Project& project, const std::string& name,
                                      std::int32_t mode = 2) {
    auto q = std::dynamic_pointer_cast<objects::Query>(
        project.Queries()->ICollection_GetObject(name));
    q->IObject_SetMode(mode);
    return q;
  }
};

TEST_F(QueriesTest, ListGivesTheTypeCodeOfEveryKindAndSkipsRecordSourceQueries) {
  auto list = ParseObjectList(Open()->Queries()->ICollection_EnumObjects());
  const std::map<std::string, std::string> codes = {
      {"qSelect", "14"}, {"qCross", "9"},  {"qDelete", "11"}, {"qUpdate", "16"}, {"qAppend", "8"},
      {"qMake", "12"},   {"qDdl", "10"},   {"qPass", "13"},   {"qUnion", "15"}};
  ASSERT_EQ(list.size(), codes.size());
  for (const auto& [name, code] : codes) {
    EXPECT_EQ(list[name][1], code) << name;
    EXPECT_EQ(list[name][2].size(), 15u);
    EXPECT_EQ(list[name][3] + list[name][4] + list[name][5] + list[name][6], "1100");
  }
  EXPECT_EQ(list["qSelect"][2], "202512312359591");
}

TEST_F(QueriesTest, TogglingQueryFieldsChangesEveryStamp) {
  auto excluded = ParseObjectList(Open()->Queries()->ICollection_EnumObjects());
  auto included = ParseObjectList(
      Open({{"ExcludeQueryFields", "0"}})->Queries()->ICollection_EnumObjects());
  for (const auto& [name, fields] : excluded) {
    EXPECT_EQ(fields[2].back(), '1');
    EXPECT_EQ(included[name][2], fields[2].substr(0, 14) + "0");
  }
}

TEST_F(QueriesTest, EachQueryTypeHasItsOwnProperties) {
  const std::vector<std::string> properties = {
      "Fields",     "Connect",   "Description", "FailOnError", "Filter",
      "LogMessages", "MaxRecords", "ODBCTimeout", "OrderBy",    "QueryType",
      "RecordLocks", "RecordsetType", "ReturnsRecords", "SQL",  "UseTransaction"};
  struct Row {
    const char* query;
    const char* defined;
  } rows[] = {
      {"qSelect", "Fields Description Filter MaxRecords ODBCTimeout OrderBy QueryType RecordLocks "
                  "RecordsetType SQL"},
      {"qCross", "Description ODBCTimeout QueryType RecordLocks RecordsetType SQL"},
      {"qDelete", "Description FailOnError ODBCTimeout QueryType RecordLocks SQL UseTransaction"},
      {"qUpdate", "Fields Description FailOnError ODBCTimeout QueryType RecordLocks SQL "
                  "UseTransaction"},
      {"qAppend", "Fields Description ODBCTimeout QueryType RecordLocks SQL UseTransaction"},
      {"qMake", "Fields Description ODBCTimeout QueryType RecordLocks SQL UseTransaction"},
      {"qDdl", "Description ODBCTimeout QueryType SQL"},
      {"qPass", "Connect Description LogMessages MaxRecords ODBCTimeout QueryType ReturnsRecords "
                "SQL"},
      {"qUnion", "Fields Description MaxRecords ODBCTimeout QueryType RecordLocks SQL"},
  };
  auto project = Open({{"ExcludeQueryFields", "0"}});
  for (const Row& row : rows) {
    auto query = Get(*project, row.query, 1);
    const auto defined = com::Split(row.defined, " ");
    for (const std::string& property : properties) {
      const bool expect_defined =
          std::find(defined.begin(), defined.end(), property) != defined.end();
      auto error = com::Capture([&] { query->Get(property); });
      EXPECT_EQ(query->Members().Find(property)->IsDefinedOn(*query), expect_defined)
          << row.query << "." << property << ": the member table says otherwise";
      if (expect_defined) {
        EXPECT_FALSE(error) << row.query << "." << property << ": " << error->Description();
      } else {
        ASSERT_TRUE(error) << row.query << "." << property << " should be undefined";
        EXPECT_EQ(error->Number(), -32749) << row.query << "." << property;
      }
    }
  }
}

TEST_F(QueriesTest, FieldsAreEmptyWhenQueryFieldsAreExcluded) {
  auto excluded = Get(*Open(), "qSelect");
  EXPECT_EQ(excluded->GetFields()->Count(), 0);
  auto included = Get(*Open({{"ExcludeQueryFields", "0"}}), "qSelect");
  auto fields = included->GetFields();
  ASSERT_EQ(fields->Count(), 2);
  EXPECT_EQ(fields->Item(com::Variant(1))->Name(), "City");
}

TEST_F(QueriesTest, ColumnsOfOneNameAreListedQualifiedByTheirTable) {
  sim::jet::DatabaseBuilder::Existing(temp.File("q.mdb"))
      .Query({"qBoth",
              "SELECT Customers.CustomerID, Archive.CustomerID FROM Customers INNER JOIN Archive "
              "ON Customers.CustomerID = Archive.CustomerID;"});
  auto fields = Get(*Open({{"ExcludeQueryFields", "0"}}), "qBoth", 1)->GetFields();
  ASSERT_EQ(fields->Count(), 2);
  EXPECT_EQ(fields->Item(com::Variant(0))->Name(), "Customers.CustomerID");
  EXPECT_EQ(fields->Item(com::Variant("Archive.CustomerID"))->Name(), "Archive.CustomerID");
}

TEST_F(QueriesTest, UseTransactionFalseRemovesTheProperty) {
  auto project = Open();
  auto query = Get(*project, "qDelete");
  query->SetUseTransaction(true);
  auto properties = project->Database()->GetQueryDefs()->Item("qDelete")->GetProperties();
  EXPECT_EQ(properties->Item("UseTransaction")->Type(), dao::dbBoolean);
  EXPECT_TRUE(query->UseTransaction());
  query->SetUseTransaction(false);
  properties->Refresh();
  EXPECT_EQ(ErrorOf([&] { properties->Item("UseTransaction"); }).Number(), 3270);
  EXPECT_FALSE(query->UseTransaction());
}

TEST_F(QueriesTest, RecordsetTypeZeroIsStoredRatherThanRemoved) {
  auto project = Open();
  auto query = Get(*project, "qSelect");
  query->Let("RecordsetType", com::Variant(0));
  auto property = project->Database()->GetQueryDefs()->Item("qSelect")->GetProperties()->Item(
      "RecordsetType");
  EXPECT_EQ(com::CLng(property->Value()), 0);
  EXPECT_EQ(query->RecordsetType(), objects::acDynaset);
  query->SetRecordsetType(objects::acSnapshot);
  EXPECT_EQ(query->RecordsetType(), objects::acSnapshot);
}

TEST_F(QueriesTest, SqlAndRenameAreWrittenAtOnce) {
  auto project = Open();
  auto query = Get(*project, "qSelect");
  query->SetSQL("SELECT City FROM Customers;");
  query->SetName("qCities");
  query->IObject_SetMode(0);
  auto def = project->Database()->GetQueryDefs()->Item("qCities");
  EXPECT_EQ(def->SQL(), "SELECT City FROM Customers;");
  auto list = ParseObjectList(project->Queries()->ICollection_EnumObjects());
  EXPECT_EQ(list.count("qCities"), 1u);
  EXPECT_EQ(list.count("qSelect"), 0u);
}

TEST_F(QueriesTest, RecordSourceQueriesCanStillBeFetched) {
  auto query = Get(*Open(), "~sq_cfrmOrders", 1);
  EXPECT_EQ(query->SQL(), "SELECT * FROM Customers;");
}

TEST_F(QueriesTest, InitializeChecksItsArguments) {
  auto project = Open();
  objects::Query q;
  EXPECT_EQ(testing_support::Message(ErrorOf([&] { q.Initialize(nullptr, project->Database(), "x", true); })),
            "Invalid argument (Parent = Nothing).");
  EXPECT_EQ(testing_support::Message(ErrorOf([&] { q.Initialize(project, nullptr, "x", true); })),
            "Invalid argument (Database = Nothing).");
  EXPECT_EQ(testing_support::Message(ErrorOf([&] { q.Initialize(project, project->Database(), "", true); })),
            "Invalid argument (Name = \"\").");
}

TEST_F(QueriesTest, Commands) {
  auto project = Open();
  EXPECT_EQ(project->Queries()->ICollection_EnumObjectCommands("qSelect"),
            "&Design\t26\tFalse\tOpen the query in design view.\r\n"
            "&SQL\t0\tFalse\tOpen the query in SQL view.");
  EXPECT_EQ(ErrorOf([&] { project->Queries()->ICollection_ExecuteObjectCommand("qSelect", 2); })
                .Number(),
            -32753);
}
