#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "dao_fixture.h"
#include "sim/jet/jet_file.h"
#include "sim/jet/sqlite_connection.h"
#include "support/error_matchers.h"

namespace jet_test {
namespace {

using testing_support::ErrorOf;

using DaoOpenDatabase = DaoTest;

TEST_F(DaoOpenDatabase, RefusesWhatIsNotAnAccessDatabase) {
  std::ofstream(temp.File("notes.mdb")) << "plain text, not a database";
  sim::jet::SqliteConnection(temp.File("other.mdb"), sim::jet::SqliteConnection::Mode::Create)
      .Execute("CREATE TABLE t (x)");
  sim::jet::WorkgroupBuilder workgroup(temp.File("system.mdw"));
  struct Case {
    std::string path;
    std::int32_t number;
    std::string description;
  };
  const std::vector<Case> cases = {
      {temp.File("missing.mdb"), 3024, "Could not find file '" + temp.File("missing.mdb") + "'."},
      {temp.File("notes.mdb"), 3343,
       "Unrecognized database format '" + temp.File("notes.mdb") + "'."},
      {temp.File("other.mdb"), 3343,
       "Unrecognized database format '" + temp.File("other.mdb") + "'."},
      {workgroup.path(), 3343, "Unrecognized database format '" + workgroup.path() + "'."},
  };
  for (const auto& c : cases) {
    const auto e = ErrorOf([&] { Open(c.path); });
    EXPECT_EQ(e.Number(), c.number) << c.path;
    EXPECT_EQ(e.Description(), c.description);
    EXPECT_TRUE(machine.sessions().Roster(c.path).empty());
  }
}

TEST_F(DaoOpenDatabase, ChecksTheDatabasePasswordOfTheConnectString) {
  auto builder = Build();
  builder.DatabasePassword("Secret");
  for (const std::string connect : {"", ";pwd=secret", ";pwd=Secretx"}) {
    const auto e = ErrorOf([&] { Open(builder.path(), false, connect); });
    EXPECT_EQ(e.Number(), 3031) << connect;
    EXPECT_EQ(e.Description(), "Not a valid password.");
  }
  auto db = Open(builder.path(), false, ";PWD=Secret");
  EXPECT_EQ(db->Name(), builder.path());
  EXPECT_EQ(machine.sessions().Roster(builder.path()).size(), 1u);
}

TEST_F(DaoOpenDatabase, EachDatabaseIsAConnectionInTheRosterUntilClosedOrReleased) {
  auto builder = Build();
  auto first = Open(builder.path());
  auto second = Open(builder.path());
  auto roster = machine.sessions().Roster(builder.path());
  ASSERT_EQ(roster.size(), 2u);
  EXPECT_EQ(roster[0].computer, "QUILLNET-PC");
  first->Close();
  EXPECT_EQ(machine.sessions().Roster(builder.path()).size(), 1u);
  EXPECT_EQ(ErrorOf([&] { first->GetTableDefs(); }).Number(), 3420);
  EXPECT_EQ(ErrorOf([&] { first->Close(); }).Number(), 3420);
  second.reset();
  EXPECT_TRUE(machine.sessions().Roster(builder.path()).empty());
}

TEST_F(DaoOpenDatabase, ExclusiveUseAndConnectionControlRefuseOtherConnections) {
  auto builder = Build();
  auto exclusive = Workspace()->OpenDatabase(builder.path(), true, false, "");
  EXPECT_EQ(ErrorOf([&] { Open(builder.path()); }).Number(), 3045);
  exclusive->Close();
  auto shared = Open(builder.path());
  machine.sessions().SetConnectionControl(builder.path(), 1);
  const auto e = ErrorOf([&] { Open(builder.path()); });
  EXPECT_EQ(e.Number(), 3734);
  EXPECT_EQ(e.Description(),
            "The database has been placed in a state by user 'Admin' on machine 'QUILLNET-PC' "
            "that prevents it from being opened or locked.");
  EXPECT_EQ(machine.sessions().OpenAttempts(builder.path()), 4u);
}

TEST_F(DaoOpenDatabase, ClosingTheWorkspaceClosesItsDatabases) {
  auto builder = Build();
  auto db = Open(builder.path());
  Workspace()->Close();
  EXPECT_TRUE(machine.sessions().Roster(builder.path()).empty());
  EXPECT_EQ(ErrorOf([&] { db->GetContainers(); }).Number(), 3420);
  EXPECT_EQ(ErrorOf([&] { Open(builder.path()); }).Number(), 3420);
}

TEST_F(DaoOpenDatabase, AReadOnlyDatabaseRefusesEveryWrite) {
  auto builder = Build();
  builder.Table({.name = "Orders", .fields = {Text("Item")}});
  using std::filesystem::perms;
  auto read_only_file = Build("locked.mdb");
  read_only_file.Table({.name = "Orders", .fields = {Text("Item")}});
  std::filesystem::permissions(read_only_file.path(), perms::owner_read);
  for (auto db : {Open(builder.path(), true), Open(read_only_file.path())}) {
    auto table = db->GetTableDefs()->Item("Orders");
    EXPECT_EQ(ErrorOf([&] { table->SetName("Sales"); }).Number(), 3027);
    EXPECT_EQ(ErrorOf([&] { table->GetFields()->Item(0)->SetRequired(true); }).Number(), 3027);
    EXPECT_FALSE(com::CBool(db->GetProperties()->Item("Updatable")->Value()));
    EXPECT_EQ(table->Name(), "Orders");
  }
}

TEST_F(DaoOpenDatabase, TwoConnectionsSeeEachOthersCommittedWrites) {
  auto builder = Build();
  builder.Table({.name = "Orders", .fields = {Text("Item")}});
  auto mine = Open(builder.path());
  auto theirs = Open(builder.path());
  auto their_table = theirs->GetTableDefs()->Item("Orders");
  mine->GetTableDefs()->Item("Orders")->GetFields()->Item("Item")->SetName("Product");
  EXPECT_EQ(their_table->GetFields()->Item(0)->Name(), "Product");
  auto property = mine->CreateProperty("StartupForm", dao::dbText, com::Variant("Main"));
  mine->GetProperties()->Append(property);
  EXPECT_EQ(com::CStr(theirs->GetProperties()->Item("startupform")->Value()), "Main");
}

TEST_F(DaoOpenDatabase, HeldWritesReachTheFileWhenClosedAndAFailedWriteUndoesOnlyItself) {
  auto builder = Build();
  builder.Table({.name = "Orders", .fields = {Text("Item")}});
  builder.Table({.name = "Lines", .fields = {Text("Item")}});
  auto mine = Open(builder.path());
  auto orders = mine->GetTableDefs()->Item("Orders");
  orders->GetFields()->Item("Item")->SetName("Product");
  EXPECT_EQ(ErrorOf([&] { orders->SetName("Lines"); }).Number(), 3012);
  auto theirs = Open(builder.path());
  theirs->GetProperties()->Append(
      theirs->CreateProperty("StartupForm", dao::dbText, com::Variant("Main")));
  orders->GetFields()->Item("Product")->SetRequired(true);
  mine->Close();
  theirs->Close();
  auto reopened = Open(builder.path());
  auto product = reopened->GetTableDefs()->Item("Orders")->GetFields()->Item("Product");
  EXPECT_TRUE(product->Required());
  EXPECT_EQ(reopened->GetTableDefs()->Item("Lines")->GetFields()->Item(0)->Name(), "Item");
  EXPECT_EQ(com::CStr(reopened->GetProperties()->Item("StartupForm")->Value()), "Main");
}

TEST_F(DaoOpenDatabase, CommitsWaitForTheDisk) {
  Build();
  sim::jet::SqliteConnection file(temp.File("db.mdb"), sim::jet::SqliteConnection::Mode::ReadWrite);
  auto synchronous = file.Prepare("PRAGMA synchronous");
  ASSERT_TRUE(synchronous.Step());
  EXPECT_EQ(synchronous.Int(0), 2);  // FULL
}

}  // namespace
}  // namespace jet_test
