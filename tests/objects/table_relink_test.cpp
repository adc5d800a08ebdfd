#include <gtest/gtest.h>

#include "driver/project.h"
#include "objects/data/fields.h"
#include "objects/data/table.h"
#include "objects/data/tables.h"
#include "sim/jet/sqlite_connection.h"
#include "support/driver_test.h"
#include "support/error_matchers.h"
#include "support/object_lists.h"

using testing_support::ErrorOf;
using testing_support::Message;

class TableRelink : public testing_support::DriverTest {
 protected:
  void SetUp() override {
    back_ = temp.File("back.mdb");
    NewDatabase("back.mdb")
        .Table({"Customers", {{"CustomerID", dao::dbLong}, {"Name", dao::dbText}}})
        .Table({"Clients", {{"ClientID", dao::dbLong}, {"Name", dao::dbText}, {"City", dao::dbText}}})
        .Table({"Notes", {{"CustomerID", dao::dbLong}}});
    sim::jet::WorkgroupBuilder::Existing(Workgroup()).User("clerk", "");
    NewDatabase("front.mdb")
        .Table({"Customers", {}, {}, dao::dbHiddenObject, ";DATABASE=" + back_, "Customers", "", "",
                {{"Description", dao::dbMemo, com::Variant("Who buys from us")},
                 {"OrderBy", dao::dbMemo, com::Variant("Name")}}})
        .Table({"Notes", {}, {}, 0, ";DATABASE=" + back_, "Notes"})
        .Table({"Local", {{"CustomerID", dao::dbLong}}})
        .Relation({"NotesLocal", "Notes", "Local", {{"CustomerID", "CustomerID"}}, 0})
        .Relation({"Inherited", "Customers", "Notes", {{"CustomerID", "CustomerID"}},
                   dao::dbRelationInherited})
        .Permissions("Tables", "Customers", "clerk", dao::dbSecReadDef | dao::dbSecRetrieveData)
        .Owner("Tables", "Customers", "clerk");
    project_ = NewProject(Parameters(temp.File("front.mdb"), {{"ExcludeLinkedTableFields", "0"}}));
    project_->IProject_EnumCollections();
  }

  std::shared_ptr<objects::Table> Open(const std::string& name) {
    auto table = std::dynamic_pointer_cast<objects::Table>(
        project_->Tables()->ICollection_GetObject(name));
    table->IObject_SetMode(2);
    return table;
  }

  std::vector<std::string> TableNames() {
    std::vector<std::string> names;
    auto defs = project_->Database()->GetTableDefs();
    defs->Refresh();
    for (std::int32_t i = 0; i < defs->Count(); ++i) names.push_back(defs->Item(i)->Name());
    return names;
  }

  std::string back_;
  std::shared_ptr<driver::Project> project_;
};

TEST_F(TableRelink, KeepsNameBitsPropertiesPermissionsAndOwner) {
  auto customers = Open("Customers");
  const auto before = TableNames();
  customers->SetSourceTableName("Clients");
  EXPECT_EQ(customers->SourceTableName(), "Clients");
  EXPECT_EQ(customers->GetFields()->Count(), 3);  // the new source's fields
  EXPECT_EQ(customers->Description(), "Who buys from us");
  EXPECT_EQ(customers->OrderBy(), "Name");
  EXPECT_EQ(TableNames().size(), before.size());

  auto def = project_->Database()->GetTableDefs()->Item("Customers");
  EXPECT_EQ(def->Attributes() & dao::dbHiddenObject, dao::dbHiddenObject);
  EXPECT_EQ(def->Attributes() & dao::dbAttachedTable, dao::dbAttachedTable);
  auto document = project_->Database()->GetContainers()->Item("Tables")->GetDocuments()->Item("Customers");
  document->SetUserName("clerk");
  EXPECT_EQ(document->Permissions(), dao::dbSecReadDef | dao::dbSecRetrieveData);
  EXPECT_EQ(document->Owner(), "clerk");
  for (const auto& name : TableNames()) EXPECT_EQ(name.find("_tvtemp"), std::string::npos);
  EXPECT_TRUE(project_->Backends().Opened());  // opened again afterwards
}

TEST_F(TableRelink, AFrontEndRelationshipRefusesBeforeAnythingIsCreated) {
  auto notes = Open("Notes");
  const auto before = TableNames();
  const com::Error e = ErrorOf([&] { notes->SetSourceTableName("Clients"); });
  EXPECT_EQ(e.Number(), -32767);
  EXPECT_EQ(Message(e),
            "The table is involved in one or more relationships which exist in the front-end "
            "database. In order to modify this property you will need to delete the "
            "relationship(s).");
  EXPECT_EQ(TableNames(), before);
  EXPECT_EQ(notes->SourceTableName(), "Notes");
}

TEST_F(TableRelink, AMissingSourceTableGivesTheLongMessage) {
  auto customers = Open("Customers");
  project_->OpenBackendDatabases();
  const auto before = TableNames();
  const com::Error e = ErrorOf([&] { customers->SetSourceTableName("Nobody"); });
  EXPECT_EQ(e.Number(), -32767);
  EXPECT_EQ(Message(e),
            "The specified source table 'Nobody' was not found in the backend database located "
            "at ';DATABASE=" + back_ + "'.\r\n\r\n"
            "CAUSE: Either the backend table is missing or the front-end table is linked to the "
            "wrong database.\r\n\r\n"
            "TIP: When renaming objects in a front-end database, you should include the backend "
            "database(s) in your search to ensure that all backend table names are updated.");
  EXPECT_EQ(TableNames(), before);
  EXPECT_TRUE(project_->Backends().Opened());  // the relink closed them; they are open again
  EXPECT_EQ(project_->Backends().List().Count(), 1);
}

TEST_F(TableRelink, AFailureAfterTheTemporaryTableWasAppendedIsRolledBack) {
  auto customers = Open("Customers");
  const auto before = TableNames();
  machine.sessions().FailNext("TableDefs.Delete", 3211,
                              "The database engine could not lock table 'Customers' because it "
                              "is already in use by another person or process.");
  const com::Error e = ErrorOf([&] { customers->SetSourceTableName("Clients"); });
  EXPECT_EQ(e.Number(), 3211);
  EXPECT_EQ(TableNames(), before);  // no temporary table left behind
  EXPECT_EQ(customers->SourceTableName(), "Customers");
  EXPECT_EQ(customers->Description(), "Who buys from us");
}

TEST_F(TableRelink, ReconstituteRefreshesAccessLinks) {
  auto customers = Open("Customers");
  customers->IObject_SetMode(0);
  // The backend changes under the link: the table it names now has three fields.
  sim::jet::SqliteConnection(back_, sim::jet::SqliteConnection::Mode::ReadWrite)
      .Execute("UPDATE jet_objects SET name = 'Former' WHERE name = 'Customers';"
               "UPDATE jet_objects SET name = 'Customers' WHERE name = 'Clients';");
  customers->IObject_SetMode(1);
  EXPECT_EQ(customers->GetFields()->Count(), 2);  // the link still has the fields it had
  customers->IObject_SetMode(0);
  customers->IObject_Reconstitute();
  customers->IObject_SetMode(1);
  EXPECT_EQ(customers->GetFields()->Count(), 3);
  auto local = Open("Local");
  local->IObject_Reconstitute();  // nothing to refresh for a local table
}
