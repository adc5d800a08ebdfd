// The driver with Access: finding or starting it, keeping the link valid,
// locking, updatability, the dispatcher and the fallback to Access's own
// database.

#include <gtest/gtest.h>

#include <filesystem>

#include "driver/project.h"
#include "objects/data/object_base.h"
#include "objects/data/tables.h"
#include "problems/prb_open_backend_database.h"
#include "sim/access/access_fixture.h"
#include "sim/access/options.h"
#include "support/error_matchers.h"
#include "ui/dispatcher.h"

using testing_support::ErrorOf;
using testing_support::Message;

namespace {

class AccessControl : public access_test::AccessTest {
 protected:
  std::shared_ptr<driver::Project> SalesProject(const std::map<std::string, std::string>& extra = {}) {
    return NewProject(Parameters(Sales(), extra));
  }
  std::shared_ptr<sim::access::Application> Reached(driver::Project& project) {
    return std::dynamic_pointer_cast<sim::access::Application>(project.AccessApp());
  }
};

TEST_F(AccessControl, TheCommandLineNamesTheFileAndTheLogon) {
  struct Case {
    std::map<std::string, std::string> extra;
    std::string options;
  } cases[] = {
      {{}, ""},
      {{{"Username", "Ann"}}, "/user \"Ann\""},
      {{{"Username", "Bob"}, {"Password", "secret"}}, "/user \"Bob\" /pwd \"secret\""},
  };
  sim::jet::WorkgroupBuilder::Existing(Workgroup()).User("Ann", "");
  for (const Case& c : cases) {
    auto project = SalesProject(c.extra);
    ASSERT_NE(project->AccessApp(), nullptr);
    EXPECT_EQ(machine.processes().Launches().back().command_line, CommandLine(c.options));
    project->IProject_Deactivate();
  }
  std::filesystem::copy_file(Sales(), temp.File("Sales.adp"));
  auto adp = NewProject(Parameters(temp.File("Sales.adp"), {{"ProjectType", "Project"}}));
  com::IgnoreErrors([&] { adp->AccessApp(); });
  EXPECT_EQ(machine.processes().Launches().back().command_line,
            "\"" + AccessExe() + "\" \"" + temp.File("Sales.adp") + "\"");
  EXPECT_EQ(machine.processes().Launches().back().key_state, 0);
}

TEST_F(AccessControl, TheShiftKeyIsHeldOnlyWhenTheBypassKeyIsAllowed) {
  BuildSales([](auto& db) {
    db.DatabaseProperty({"AllowBypassKey", dao::dbBoolean, com::Variant(false)});
  });
  auto project = SalesProject();
  auto access = Reached(*project);
  ASSERT_NE(access, nullptr);
  EXPECT_EQ(machine.processes().Launches().back().key_state, 0);
  EXPECT_FALSE(access->BypassKeyHeld());
}

TEST_F(AccessControl, AStartedAccessGetsItsTaskbarOptionBackAndQuits) {
  auto project = SalesProject();
  auto access = Reached(*project);
  ASSERT_NE(access, nullptr);
  EXPECT_FALSE(com::CBool(access->GetOption("ShowWindowsInTaskbar")));
  project->IProject_Deactivate();
  EXPECT_FALSE(access->Running());
  EXPECT_EQ(machine.running_objects().Size(), 0u);
  // Access keeps the option in the user's registry: it is the user's again.
  EXPECT_EQ(com::CLng(*machine.registry().ReadValue(sim::access::Options::kKey,
                                                    "ShowWindowsInTaskbar")),
            1);
}

TEST_F(AccessControl, AStartedAccessHasItsCodeWindowsClosed) {
  // An Access that reopens the code windows its project was left with.
  machine.processes().InstallProgram(
      AccessExe(), [&](const sim::Processes::LaunchRequest& request) -> com::ObjectRef {
        auto access = sim::access::StartAccess(
            machine, {.file = Sales(), .workgroup = Workgroup(),
                      .bypass_key = request.key_state == 16});
        access->Documents()->OpenModule("Module1");
        access->Documents()->OpenModule("Utilities");
        return access;
      });
  auto project = SalesProject();
  auto access = Reached(*project);
  ASSERT_NE(access, nullptr);
  auto windows = com::CObj(com::CObj(access->Call("VBE"))->Get("Windows"));
  for (std::int32_t i = 1; i <= com::CLng(windows->Get("Count")); ++i)
    EXPECT_NE(com::CLng(com::CObj(windows->Call("Item", {com::Variant(i)}))->Get("Type")), 0);
  project->IProject_Deactivate();
}

// An Access that answers everything but one member, which fails.
class AccessFailingOn : public com::Dispatch {
 public:
  AccessFailingOn(com::ObjectRef access, std::string member)
      : access_(std::move(access)), member_(std::move(member)) {}
  const com::TypeInfo& Members() const override { return access_->Members(); }
  com::Variant Get(std::string_view member, std::span<const com::Variant> args) override {
    if (member == member_) com::Raise(2950, "Reserved error.");
    return access_->Get(member, args);
  }
  void Let(std::string_view member, const com::Variant& value) override {
    access_->Let(member, value);
  }
  com::Variant Call(std::string_view member, std::span<const com::Variant> args) override {
    if (member == member_) com::Raise(2950, "Reserved error.");
    return access_->Call(member, args);
  }

 private:
  com::ObjectRef access_;
  std::string member_;
};

TEST_F(AccessControl, AStartedAccessIsQuitWhenAttachingFailsBeforeItsFileIsRecorded) {
  for (const char* member : {"CurrentUser", "VBE"}) {
    std::shared_ptr<sim::access::Application> started;
    machine.processes().InstallProgram(
        AccessExe(), [&](const sim::Processes::LaunchRequest&) -> com::ObjectRef {
          started = sim::access::StartAccess(machine, {.file = Sales(), .workgroup = Workgroup()});
          return std::make_shared<AccessFailingOn>(started, member);
        });
    auto project = SalesProject();
    EXPECT_EQ(ErrorOf([&] { project->AccessApp(); }).Number(), 2950) << member;
    ASSERT_NE(started, nullptr);
    EXPECT_FALSE(started->Running()) << member;
    EXPECT_EQ(machine.running_objects().Size(), 0u) << member;
  }
}

TEST_F(AccessControl, AfterDeactivatingAndResettingANewAccessIsStarted) {
  auto project = SalesProject();
  auto first = Reached(*project);
  ASSERT_NE(first, nullptr);
  project->IProject_Deactivate();
  project->IProject_ResetActivationFlags();
  auto second = Reached(*project);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second, first);
  EXPECT_EQ(machine.processes().Launches().size(), 2u);
  project->IProject_Deactivate();
}

TEST_F(AccessControl, TheUsersAccessKeepsRunningAndItsOptionOff) {
  auto access = UserAccess();
  auto project = SalesProject();
  EXPECT_EQ(Reached(*project), access);
  project->IProject_Deactivate();
  EXPECT_TRUE(access->Running());
  EXPECT_EQ(com::CLng(access->GetOption("ShowWindowsInTaskbar")), 0);
  EXPECT_EQ(machine.sessions().ConnectionControl(Sales()), 2);
}

TEST_F(AccessControl, ClosingOrSwitchingTheDatabaseEndsTheLinkButALetterCaseChangeDoesNot) {
  auto access = UserAccess();
  auto project = SalesProject();
  ASSERT_NE(Reached(*project), nullptr);
  const std::string shouting = temp.File("SALES.MDB");
  std::filesystem::create_symlink(Sales(), shouting);  // the same file under other letters
  access->CloseCurrentDatabase();
  access->OpenCurrentDatabase(shouting);
  EXPECT_TRUE(project->AccessAppIsLoaded());

  NewDatabase("Other.mdb");
  access->CloseCurrentDatabase();
  access->OpenCurrentDatabase(temp.File("Other.mdb"));
  EXPECT_FALSE(project->AccessAppIsLoaded());
  auto started = Reached(*project);  // the user's Access has another file now: start one
  ASSERT_NE(started, nullptr);
  EXPECT_NE(started, access);
  EXPECT_EQ(machine.processes().Launches().size(), 1u);
  project->IProject_Deactivate();
}

TEST_F(AccessControl, ResettingTheFlagsAllowsANewWorkspace) {
  auto project = SalesProject({{"Username", "Bob"}, {"Password", "wrong"}});
  EXPECT_EQ(project->Workspace(), nullptr);
  sim::jet::WorkgroupBuilder::Existing(Workgroup()).Password("Bob", "wrong");
  EXPECT_EQ(project->Workspace(), nullptr);  // no second attempt...
  project->IProject_ResetActivationFlags();
  EXPECT_NE(project->Workspace(), nullptr);  // ...until the flags are reset
}

TEST_F(AccessControl, ASecondComputerInTheRosterLeavesTheDatabaseUnlocked) {
  auto access = UserAccess();
  const auto colleague = machine.sessions().Open(Sales(), "ACCOUNTS-PC", false);
  auto project = SalesProject();
  ASSERT_NE(Reached(*project), nullptr);
  EXPECT_FALSE(project->IsLocked());
  EXPECT_EQ(machine.sessions().ConnectionControl(Sales()), 2);
  machine.sessions().Close(colleague);
  project->IProject_Deactivate();

  auto alone = SalesProject();
  ASSERT_NE(Reached(*alone), nullptr);
  EXPECT_TRUE(alone->IsLocked());
  EXPECT_EQ(machine.sessions().ConnectionControl(Sales()), 1);
  alone->IProject_Deactivate();
  EXPECT_EQ(machine.sessions().ConnectionControl(Sales()), 2);
}

TEST_F(AccessControl, AFileHeldExclusivelyIsServedThroughAccesssOwnDatabase) {
  NewDatabase("back.mdb").Table({"Customers", {{"CustomerID", dao::dbLong}}});
  BuildSales([&](auto& db) {
    db.Table({"Customers", {}, {}, 0, ";DATABASE=" + temp.File("back.mdb"), "Customers"});
  });
  auto access = UserAccess(true);
  auto project = SalesProject();
  auto database = project->Database();
  ASSERT_NE(database, nullptr);
  EXPECT_EQ(database->Name(), com::CStr(com::CObj(access->Call("CurrentDB"))->Get("Name")));
  EXPECT_TRUE(project->IsLocked());
  EXPECT_EQ(project->Backends().List().Count(), 1);
  project->IProject_EnumCollections();
  EXPECT_NE(project->Tables()->ICollection_EnumObjects().find("Customers\t22"), std::string::npos);
  project->IProject_Deactivate();
  EXPECT_TRUE(access->Running());
}

TEST_F(AccessControl, TheLockIsHeldAgainOnceTheDriverHasOpenedItsOwnDatabase) {
  auto access = UserAccess();
  auto project = SalesProject();
  ASSERT_NE(Reached(*project), nullptr);
  ASSERT_TRUE(project->IsLocked());
  ASSERT_NE(project->Database(), nullptr);  // lifts the lock to open its own connection
  EXPECT_EQ(machine.sessions().ConnectionControl(Sales()), 1);
  project->IProject_Deactivate();
  EXPECT_EQ(machine.sessions().ConnectionControl(Sales()), 2);
}

TEST_F(AccessControl, ADatabaseUnderSourceControlIsNotLocked) {
  BuildSales([](auto& db) { db.DatabaseProperty({"SccPath", dao::dbText, com::Variant("$/Sales")}); });
  auto access = UserAccess();
  auto project = SalesProject();
  ASSERT_NE(Reached(*project), nullptr);
  EXPECT_EQ(machine.sessions().ConnectionControl(Sales()), 2);
  project->IProject_Deactivate();
}

TEST_F(AccessControl, AccesssDatabaseClosedByTheUserIsOpenedAgainNotUsedStale) {
  auto access = UserAccess(true);
  auto project = SalesProject();
  auto held = project->Database();
  ASSERT_NE(held, nullptr);
  access->CloseCurrentDatabase();  // the user closes it: the file is free now
  auto database = project->Database();
  ASSERT_NE(database, nullptr);
  EXPECT_NE(database, held);
  EXPECT_GT(database->GetTableDefs()->Count(), 0);
  project->IProject_Deactivate();
}

TEST_F(AccessControl, UpdatabilityFollowsTheFileAndTheReplicaSet) {
  struct Case {
    std::string replica, master;
    bool updatable;
  } cases[] = {{"", "", true}, {"{A}", "{B}", false}, {"{A}", "{A}", true}, {"{A}", "", true}};
  for (const Case& c : cases) {
    BuildSales([&](auto& db) {
      if (!c.replica.empty()) db.DatabaseProperty({"ReplicaID", dao::dbText, com::Variant(c.replica)});
      if (!c.master.empty())
        db.DatabaseProperty({"DesignMasterID", dao::dbText, com::Variant(c.master)});
    });
    EXPECT_EQ(SalesProject()->IsUpdatable(), c.updatable) << c.replica << c.master;
  }
  std::filesystem::permissions(Sales(), std::filesystem::perms::owner_read |
                                            std::filesystem::perms::group_read |
                                            std::filesystem::perms::others_read);
  EXPECT_FALSE(SalesProject()->IsUpdatable());
  std::filesystem::copy_file(temp.File("system.mdw"), temp.File("x.adp"));
  EXPECT_TRUE(NewProject(Parameters(temp.File("x.adp"), {{"ProjectType", "Project"}}))->IsUpdatable());
  EXPECT_FALSE(NewProject(Parameters(temp.File("none.adp"), {{"ProjectType", "Project"}}))->IsUpdatable());
}

TEST_F(AccessControl, OpenObjectsAreNotChangedAndAreSeenByTheLock) {
  auto access = UserAccess();
  auto project = SalesProject();
  ASSERT_NE(Reached(*project), nullptr);
  EXPECT_FALSE(com::CBool(project->CheckForOpenObjects(*access)));
  access->Documents()->Open(msaccess::acTable, "Orders", msaccess::acViewDesign, 0);
  access->Documents()->Open(msaccess::acQuery, "OrderList", msaccess::acViewDesign, 0);
  EXPECT_TRUE(com::CBool(project->CheckForOpenObjects(*access)));
  project->IProject_EnumCollections();
  auto table = project->Tables()->ICollection_GetObject("Orders");
  EXPECT_EQ(Message(ErrorOf([&] { table->IObject_SetMode(2); })),
            "Couldn't save changes safely because the table was already open.");
  EXPECT_EQ(std::dynamic_pointer_cast<objects::ObjectBase>(table)->Mode(), 0);
  table->IObject_SetMode(1);  // scanning is fine
  auto query = project->IProject_GetCollection("Queries")->ICollection_GetObject("OrderList");
  EXPECT_EQ(Message(ErrorOf([&] { query->IObject_SetMode(2); })),
            "Couldn't save changes safely because the query was already open.");
  auto other = project->IProject_GetCollection("Queries")->ICollection_GetObject("ArchiveOrders");
  other->IObject_SetMode(2);
}

TEST_F(AccessControl, TheDispatcherOpensEachBackendOnceAndReportsALockedOne) {
  NewDatabase("back.mdb").Table({"A", {{"X", dao::dbText}}}).Table({"B", {{"Y", dao::dbText}}});
  NewDatabase("locked.mdb").Table({"C", {{"Z", dao::dbText}}});
  BuildSales([&](auto& db) {
    db.Table({"A", {}, {}, 0, ";DATABASE=" + temp.File("back.mdb"), "A"})
        .Table({"B", {}, {}, 0, ";DATABASE=" + temp.File("back.mdb"), "B"})
        .Table({"C", {}, {}, 0, ";DATABASE=" + temp.File("locked.mdb"), "C"});
  });
  const auto holder = machine.sessions().Open(temp.File("locked.mdb"), "ACCOUNTS-PC", true);
  auto project = SalesProject();
  ASSERT_NE(Reached(*project), nullptr);
  const auto& backends = project->GetDispatcher()->Backends().List();
  ASSERT_EQ(backends.Count(), 2);
  EXPECT_NE(backends.Item(backends.IndexOf(com::Variant(temp.File("back.mdb")))), nullptr);
  EXPECT_EQ(backends.Item(backends.IndexOf(com::Variant(temp.File("locked.mdb")))), nullptr);
  auto log = vxhandler::ProblemLog();
  ASSERT_EQ(log->Count(), 1);
  EXPECT_EQ(log->Entries()[0].where, "tovrin.Dispatcher.OpenBackendDatabases");
  EXPECT_NE(dynamic_cast<prbOpenBackendDatabase*>(log->Entries()[0].problem.get()), nullptr);
  machine.sessions().Close(holder);
  project->IProject_Deactivate();
}

TEST_F(AccessControl, TheDispatcherMovesTheCodeEditorAwayOnceAndBack) {
  auto project = SalesProject();
  ASSERT_NE(Reached(*project), nullptr);
  auto dispatcher = project->GetDispatcher();
  auto editor = com::CLng(com::CObj(com::CObj(dispatcher->AccessApp()->Get("VBE"))->Get("MainWindow"))->Get("hwnd"));
  platform::Windows::Rect before, moved;
  machine.windows().GetWindowRect(editor, before);
  dispatcher->RestoreVBEWindow();  // nothing hidden: nothing to do
  machine.windows().GetWindowRect(editor, moved);
  EXPECT_EQ(moved.left, before.left);
  dispatcher->HideVBEWindow();
  dispatcher->HideVBEWindow();  // the rectangle is saved once
  machine.windows().GetWindowRect(editor, moved);
  EXPECT_EQ(moved.left, 4000);
  dispatcher->RestoreVBEWindow();
  platform::Windows::Rect after;
  machine.windows().GetWindowRect(editor, after);
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.bottom, before.bottom);
  EXPECT_FALSE(dispatcher->EditorHidden());
}

TEST_F(AccessControl, ReachingAccessClosesItsOwnedWindows) {
  auto access = UserAccess();
  const auto dialog = access->ShowFindDialog();
  auto project = SalesProject();
  ASSERT_NE(Reached(*project), nullptr);
  EXPECT_EQ(machine.windows().Find(dialog), nullptr);
  EXPECT_TRUE(machine.windows().IsIconic(access->Main().Handle()));
}

class LaterAccess : public access_test::AccessTest {
 protected:
  LaterAccess() { sim::access::Install(machine, AccessExe(), {"10.0"}); }
};

TEST_F(LaterAccess, TheAddInStaysIdleAndTheStartedAccessIsNotLeftBehind) {
  auto project = NewProject(Parameters(Sales()));
  EXPECT_EQ(Message(ErrorOf([&] { project->AccessApp(); })),
            "Unable to start and/or communicate with Access 2000");
  EXPECT_EQ(machine.running_objects().Size(), 0u);
  EXPECT_TRUE(machine.processes().Running().empty());
}

}  // namespace
