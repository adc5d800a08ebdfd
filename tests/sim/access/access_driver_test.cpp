#include <gtest/gtest.h>

#include "access_fixture.h"
#include "support/error_matchers.h"
#include "ui/connection.h"

namespace access_test {
namespace {

using testing_support::ErrorOf;

// The driver reaching Access through the simulated machine, as it does on Windows.
class AccessDriver : public AccessTest {
 protected:
  AccessDriver() {
    machine.classes().RegisterClass(ui::Connection::kProgId,
                                    [] { return std::make_shared<ui::Connection>(); });
    const std::string key = sim::access::AddIns::KeyOf(ui::Connection::kProgId);
    machine.registry().CreateKey(key);
    machine.registry().WriteValue(key, "LoadBehavior", com::Variant(3));
  }
  std::int32_t OpenAttemptResult() {
    auto engine = machine.NewDBEngine();
    engine->SetSystemDB(Workgroup());
    auto workspace = engine->CreateWorkspace("Probe", "Admin", "");
    return com::ValueOr<std::int32_t>(
        [&] {
          workspace->OpenDatabase(Sales(), false, false, "")->Close();
          return 0;
        },
        3734);
  }
};

TEST_F(AccessDriver, TheDriverStartsAccessLocksTheFileAndQuitsItAgain) {
  auto project = NewProject(Parameters(Sales(), {{"Username", "Bob"}, {"Password", "secret"}}));
  auto app = project->AccessApp();
  ASSERT_TRUE(app);
  auto access = std::dynamic_pointer_cast<sim::access::Application>(app);
  ASSERT_TRUE(access);
  const auto& launch = machine.processes().Launches().back();
  EXPECT_EQ(launch.command_line, CommandLine("/user \"Bob\" /pwd \"secret\""));
  EXPECT_EQ(launch.key_state, 16);
  EXPECT_TRUE(access->BypassKeyHeld());
  EXPECT_EQ(com::CStr(access->Call("CurrentUser")), "Bob");
  EXPECT_TRUE(project->IsLocked());
  EXPECT_EQ(machine.sessions().ConnectionControl(Sales()), 1);
  EXPECT_EQ(OpenAttemptResult(), 3734);
  EXPECT_TRUE(machine.windows().IsIconic(access->Main().Handle()));
  EXPECT_FALSE(com::CBool(access->Call("GetOption", {com::Variant("ShowWindowsInTaskbar")})));
  project->IProject_Deactivate();
  EXPECT_FALSE(access->Running());
  EXPECT_EQ(machine.running_objects().Size(), 0u);
  EXPECT_TRUE(machine.sessions().Roster(Sales()).empty());
  EXPECT_EQ(OpenAttemptResult(), 0);
}

TEST_F(AccessDriver, TheUsersOwnAccessIsReachedAsItIsAndLeftRunning) {
  auto access = UserAccess();
  access->Documents()->OpenModule("Module1");
  access->Documents()->Open(msaccess::acForm, "Orders", msaccess::acViewDesign, 0);
  auto project = NewProject(Parameters(Sales()));
  EXPECT_EQ(project->AccessApp(), access);
  EXPECT_TRUE(machine.processes().Launches().empty());
  EXPECT_TRUE(com::CBool(project->CheckForOpenObjects(*access)));
  EXPECT_EQ(access->Editor().List().size(), 3u);  // the user's code window stays
  project->IProject_Deactivate();
  EXPECT_TRUE(access->Running());
  EXPECT_EQ(machine.sessions().ConnectionControl(Sales()), 2);
  EXPECT_EQ(machine.running_objects().Find(Sales()), access);
}

TEST_F(AccessDriver, WhenTheUserClosesTheDatabaseTheDriverLetsGoOfAccess) {
  auto access = UserAccess();
  auto project = NewProject(Parameters(Sales()));
  ASSERT_TRUE(project->AccessApp());
  EXPECT_TRUE(project->AccessAppIsLoaded());
  access->CloseCurrentDatabase();
  EXPECT_FALSE(project->AccessAppIsLoaded());
}

}  // namespace
}  // namespace access_test
