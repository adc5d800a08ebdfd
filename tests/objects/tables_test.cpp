#include <gtest/gtest.h>

#include <filesystem>

#include "com/date_time.h"
#include "driver/project.h"
#include "objects/data/fields.h"
#include "objects/data/indexes.h"
#include "objects/data/table.h"
#include "objects/data/tables.h"
#include "support/driver_test.h"
#include "support/error_matchers.h"
#include "support/object_lists.h"

using sim::jet::FieldSpec;
using sim::jet::TableSpec;
using testing_support::ErrorOf;
using testing_support::Message;
using testing_support::ParseObjectList;

namespace {

const com::Date kMonday = com::MakeDate({2026, 3, 2, 9, 30, 15});

}  // namespace

class TablesTest : public testing_support::DriverTest {
 protected:
  std::string front_, back_;

  void SetUp() override {
    back_ = temp.File("back.mdb");
    front_ = temp.File("front.mdb");
    NewDatabase("back.mdb")
        .Table({"Customers",
                {{"CustomerID", dao::dbLong},
                 {"Name", dao::dbText, 40, 0, false, false, {}, "", "",
                  {{"Description", dao::dbText, com::Variant("Who buys")}}}},
                {},
                0,
                "",
                "",
                "",
                "",
                {{"Description", dao::dbMemo, com::Variant("All customers")}}})
        .Table({"Suppliers", {{"SupplierID", dao::dbLong}}});
    NewDatabase("front.mdb")
        .Table({"Orders",
                {{"OrderID", dao::dbLong, 0, dao::dbAutoIncrField},
                 {"CustomerID", dao::dbLong},
                 {"Shipped", dao::dbDate}},
                {{"PrimaryKey", {{"OrderID", false}}, true, true},
                 {"ByCustomer", {{"CustomerID", false}, {"Shipped", true}}}}})
        .Table({"Customers", {}, {}, 0, ";DATABASE=" + back_, "Customers"})
        .Table({"Invoices", {{"InvoiceID", dao::dbLong}}, {}, 0, "ODBC;DSN=Sales;DATABASE=sales",
                "dbo.Invoices"})
        .Table({"Imports", {{"Line", dao::dbText}}, {}, 0, "TEXT;DSN=imp;DATABASE=C:\\In",
                "imp.txt"})
        .Table({"Web", {{"Cell", dao::dbText}}, {}, 0, "HTML Import;DATABASE=C:\\web.htm", "T1"})
        .Table({"Budget", {{"Cell", dao::dbText}}, {}, 0, "Excel 5.0;HDR=YES;DATABASE=C:\\b.xls",
                "Sheet1$"})
        .Table({"~TMPCLP41", {{"X", dao::dbText}}})
        .Table({"msysLocal", {{"X", dao::dbText}}})
        .LastUpdated("Tables", "Orders", kMonday)
        .LastUpdated("Tables", "Customers", kMonday);
  }

  std::shared_ptr<driver::Project> Open(const std::map<std::string, std::string>& extra = {}) {
    auto project = NewProject(Parameters(front_, extra));
    project->IProject_EnumCollections();
    return project;
  }

  std::shared_ptr<objects::Table> GetTable(driver::Project& project, const std::string& name) {
    return std::dynamic_pointer_cast<objects::Table>(
        project.Tables()->ICollection_GetObject(name));
  }
};

TEST_F(TablesTest, ObjectListGivesCodesStampsAndFlags) {
  auto list = ParseObjectList(Open()->Tables()->ICollection_EnumObjects());
  ASSERT_EQ(list.size(), 6u);  // system and clipboard tables are never listed
  EXPECT_EQ(list["Orders"], (std::vector<std::string>{"Orders", "20", "20260302093015", "1", "1",
                                                     "0", "0"}));
  EXPECT_EQ(list["Customers"], (std::vector<std::string>{"Customers", "22", "202603020930151",
                                                        "1", "1", "0", "1"}));
  EXPECT_EQ(list["Invoices"][1], "23");
  EXPECT_EQ(list["Imports"][1], "24");
  EXPECT_EQ(list["Web"][1], "21");
  EXPECT_EQ(list["Budget"][1], "22");
  EXPECT_EQ(list["Budget"][6], "0");
  for (const auto& [name, fields] : list)
    EXPECT_EQ(fields[2].size(), name == "Orders" ? 14u : 15u) << name;
}

TEST_F(TablesTest, TogglingLinkedTableFieldsChangesOnlyLinkedStamps) {
  auto with = ParseObjectList(Open()->Tables()->ICollection_EnumObjects());
  auto without = ParseObjectList(
      Open({{"ExcludeLinkedTableFields", "0"}})->Tables()->ICollection_EnumObjects());
  for (const auto& [name, fields] : with) {
    if (name == "Orders") {
      EXPECT_EQ(fields[2], without[name][2]);
    } else {
      EXPECT_EQ(fields[2].back(), '1');
      EXPECT_EQ(without[name][2].back(), '0');
    }
  }
}

TEST_F(TablesTest, ANothingButSystemTablesDatabaseListsNothing) {
  NewDatabase("empty.mdb").Table({"MSYSThings", {{"X", dao::dbText}}}).Table(
      {"~tmpclp1", {{"X", dao::dbText}}});
  auto project = NewProject(Parameters(temp.File("empty.mdb")));
  project->IProject_EnumCollections();
  EXPECT_EQ(project->Tables()->ICollection_EnumObjects(), "");
}

TEST_F(TablesTest, PermissionsOfTheDatabaseUserDecideTheFlags) {
  sim::jet::WorkgroupBuilder::Existing(Workgroup()).User("clerk", "pw");
  sim::jet::DatabaseBuilder::Existing(front_)
      .Permissions("Tables", "Orders", "Users", dao::dbSecReadDef)
      .Permissions("Tables", "Orders", "clerk", 0)
      .Permissions("Tables", "Invoices", "Users", 0)
      .Permissions("Tables", "Invoices", "clerk", 0);
  auto project = Open({{"Username", "clerk"}, {"Password", "pw"}});
  auto list = ParseObjectList(project->Tables()->ICollection_EnumObjects());
  EXPECT_EQ(list["Orders"][3] + list["Orders"][4], "10");
  EXPECT_EQ(list["Invoices"][3] + list["Invoices"][4], "00");
  EXPECT_EQ(list["Web"][3] + list["Web"][4], "11");
}

TEST_F(TablesTest, ASourceControlledDatabaseIsWritableOnlyWhenCheckedOut) {
  for (const auto& [status, write] : std::vector<std::pair<int, std::string>>{
           {0, "1"}, {1, "0"}, {2, "1"}, {3, "1"}, {5, "0"}}) {
    sim::jet::DatabaseBuilder::Existing(front_).DatabaseProperty(
        {"SccStatus", dao::dbLong, com::Variant(status)});
    auto list = ParseObjectList(Open()->Tables()->ICollection_EnumObjects());
    ASSERT_EQ(list.count("Orders"), 1u);
    EXPECT_EQ(list["Orders"][4], write) << status;
  }
}

TEST_F(TablesTest, NothingIsListedWritableInAReadOnlyFileOrAReplicaThatIsNotTheMaster) {
  sim::jet::DatabaseBuilder::Existing(front_)
      .DatabaseProperty({"ReplicaID", dao::dbText, com::Variant("{A}")})
      .DatabaseProperty({"DesignMasterID", dao::dbText, com::Variant("{B}")});
  auto replica = ParseObjectList(Open()->Tables()->ICollection_EnumObjects());
  EXPECT_EQ(replica["Orders"][3] + replica["Orders"][4], "10");

  sim::jet::DatabaseBuilder::Existing(front_).DatabaseProperty(
      {"DesignMasterID", dao::dbText, com::Variant("{A}")});
  std::filesystem::permissions(front_, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  auto read_only = ParseObjectList(Open()->Tables()->ICollection_EnumObjects());
  EXPECT_EQ(read_only["Orders"][3] + read_only["Orders"][4], "10");
}

TEST_F(TablesTest, ARenamedIndexIsFoundUnderItsNewName) {
  auto orders = GetTable(*Open(), "Orders");
  orders->IObject_SetMode(2);
  auto indexes = orders->GetIndexes();
  auto index = indexes->Item(com::Variant("ByCustomer"));
  index->SetName("ByClient");
  EXPECT_EQ(indexes->Item(com::Variant("ByClient")), index);
  EXPECT_EQ(indexes->Item(com::Variant("ByCustomer")), nullptr);
  EXPECT_EQ(indexes->Item(com::Variant(1)), index);  // in its place
}

TEST_F(TablesTest, ATableShowsItsFieldsIndexesAndLink) {
  auto project = Open({{"ExcludeLinkedTableFields", "0"}});
  auto orders = GetTable(*project, "Orders");
  orders->IObject_SetMode(1);
  EXPECT_EQ(orders->TableType(), objects::acBaseTable);
  EXPECT_EQ(orders->GetFields()->Count(), 3);
  auto indexes = orders->GetIndexes();
  ASSERT_EQ(indexes->Count(), 2);
  EXPECT_EQ(com::CStr(indexes->Item(com::Variant("ByCustomer"))->OrderBy()),
            "CustomerID, Shipped DESC");
  EXPECT_EQ(Message(ErrorOf([&] { orders->Connect(); })), "Undefined property.");
  EXPECT_EQ(Message(ErrorOf([&] { orders->SourceTableName(); })), "Undefined property.");

  auto customers = GetTable(*project, "Customers");
  customers->IObject_SetMode(1);
  EXPECT_EQ(customers->TableType(), objects::acLinkedTable);
  EXPECT_EQ(customers->Connect(), ";DATABASE=" + back_);
  EXPECT_EQ(customers->SourceTableName(), "Customers");
  EXPECT_EQ(customers->GetFields()->Count(), 2);
  EXPECT_EQ(customers->Description(), "");  // inherited from the backend: not the table's own
  EXPECT_EQ(customers->GetFields()->Item(com::Variant("Name"))->Description(), "");
  EXPECT_EQ(ErrorOf([&] { customers->GetIndexes(); }).Number(), -32749);
  // The scanner reads the same conditions from the member table.
  for (const auto& table : {orders, customers}) {
    const bool linked = table == customers;
    const com::TypeInfo& members = table->Members();
    EXPECT_EQ(members.Find("Connect")->IsDefinedOn(*table), linked);
    EXPECT_EQ(members.Find("SourceTableName")->IsDefinedOn(*table), linked);
    EXPECT_EQ(members.Find("Indexes")->IsDefinedOn(*table), !linked);
  }
  customers->IObject_SetMode(0);
  EXPECT_EQ(ErrorOf([&] { customers->Connect(); }).Number(), 91);  // closed: no handle
}

TEST_F(TablesTest, ExcludingLinkedTableFieldsLeavesLinkedTablesWithoutFields) {
  auto project = Open();
  auto customers = GetTable(*project, "Customers");
  customers->IObject_SetMode(1);
  EXPECT_EQ(customers->GetFields()->Count(), 0);
  auto orders = GetTable(*project, "Orders");
  orders->IObject_SetMode(1);
  EXPECT_EQ(orders->GetFields()->Count(), 3);
}

TEST_F(TablesTest, TableTypeOfBothLinkBitsIsOdbc) {
  sim::jet::DatabaseBuilder::Existing(front_).Table(
      {"Both", {{"X", dao::dbText}}, {}, dao::dbAttachedTable | dao::dbAttachedODBC,
       "ODBC;DSN=x", "x"});
  auto table = GetTable(*Open(), "Both");
  table->IObject_SetMode(1);
  EXPECT_EQ(table->TableType(), objects::acODBCTable);
}

TEST_F(TablesTest, DescriptionIsCreatedChangedAndRemoved) {
  auto project = Open();
  auto orders = GetTable(*project, "Orders");
  orders->IObject_SetMode(2);
  EXPECT_EQ(orders->Description(), "");
  orders->SetDescription("Open orders");
  orders->SetFilter("Shipped Is Null");
  orders->IObject_SetMode(0);
  orders->IObject_SetMode(1);
  EXPECT_EQ(orders->Description(), "Open orders");
  EXPECT_EQ(orders->Filter(), "Shipped Is Null");
  orders->IObject_SetMode(2);
  orders->SetDescription("");
  orders->IObject_SetMode(0);
  orders->IObject_SetMode(1);
  EXPECT_EQ(orders->Description(), "");
  auto def = project->Database()->GetTableDefs()->Item("Orders");
  EXPECT_EQ(ErrorOf([&] { def->GetProperties()->Item("Description"); }).Number(), 3270);
  EXPECT_EQ(def->GetProperties()->Item("Filter")->Type(), dao::dbMemo);
}

TEST_F(TablesTest, RenameTakesEffectAtOnceAndFollowsInTheList) {
  auto project = Open();
  auto orders = GetTable(*project, "Orders");
  orders->IObject_SetMode(2);
  orders->SetName("SalesOrders");
  EXPECT_EQ(orders->IObject_Name(), "SalesOrders");
  orders->IObject_SetMode(0);
  auto list = ParseObjectList(project->Tables()->ICollection_EnumObjects());
  EXPECT_EQ(list.count("Orders"), 0u);
  EXPECT_EQ(list.count("SalesOrders"), 1u);
}

TEST_F(TablesTest, ModeSwitchRules) {
  auto project = Open();
  auto orders = GetTable(*project, "Orders");
  const com::Error e = ErrorOf([&] { orders->IObject_SetMode(3); });
  EXPECT_EQ(e.Number(), -32753);
  EXPECT_EQ(Message(e), "Invalid case selector (3).");
  EXPECT_EQ(orders->Mode(), 0);
  orders->IObject_SetMode(1);
  auto fields = orders->GetFields();
  orders->IObject_SetMode(1);  // the same mode: nothing, not even a re-fetch
  EXPECT_EQ(orders->GetFields(), fields);
  orders->IObject_SetMode(0);
  EXPECT_EQ(fields->Count(), 0);  // torn down with the mode

  auto ghost = GetTable(*project, "NoSuchTable");  // getting succeeds...
  EXPECT_EQ(ErrorOf([&] { ghost->IObject_SetMode(1); }).Number(), 3265);  // ...opening fails
  EXPECT_EQ(ghost->Mode(), 0);
}

TEST_F(TablesTest, DesignCommand) {
  auto project = Open();
  EXPECT_EQ(project->Tables()->ICollection_EnumObjectCommands("Orders"),
            "&Design\t26\tFalse\tOpen the table in design view.");
  EXPECT_EQ(ErrorOf([&] { project->Tables()->ICollection_ExecuteObjectCommand("Orders", 1); })
                .Number(),
            -32753);
  EXPECT_EQ(project->Tables()->ICollection_EnumCommands(), "");
}
