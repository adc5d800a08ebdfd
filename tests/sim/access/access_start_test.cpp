#include <gtest/gtest.h>

#include "access_fixture.h"
#include "support/error_matchers.h"

namespace access_test {
namespace {

using testing_support::ErrorOf;
using AccessStart = AccessTest;

TEST_F(AccessStart, LaunchingTheExecutableStartsAccessOnTheFileOfTheCommandLine) {
  auto access = Launch(CommandLine());
  ASSERT_TRUE(access);
  auto project = com::CObj(access->Get("CurrentProject"));
  EXPECT_EQ(com::CStr(project->Get("FullName")), Sales());
  EXPECT_EQ(com::CStr(project->Get("Name")), "Sales.mdb");
  EXPECT_EQ(com::CStr(project->Get("Path")), temp.path().string());
  EXPECT_EQ(com::CStr(access->Call("CurrentUser")), "Admin");
  EXPECT_EQ(com::CStr(access->Call("SysCmd", {com::Variant(msaccess::acSysCmdAccessVer)})), "9.0");
  // Registered under the file's full path, one connection in the roster.
  EXPECT_EQ(machine.running_objects().Find(Sales()), access);
  const auto roster = machine.sessions().Roster(Sales());
  ASSERT_EQ(roster.size(), 1u);
  EXPECT_FALSE(roster[0].exclusive);
  EXPECT_EQ(machine.processes().Running().size(), 1u);
}

TEST_F(AccessStart, TheLogonOfTheCommandLineIsTheSessionOfDbEngineWorkspaceZero) {
  auto access = Launch(CommandLine("/user \"Bob\" /pwd \"secret\" /excl"));
  ASSERT_TRUE(access);
  EXPECT_EQ(com::CStr(access->Call("CurrentUser")), "Bob");
  auto engine = std::dynamic_pointer_cast<dao::DBEngine>(com::CObj(access->Get("DBEngine")));
  ASSERT_TRUE(engine);
  EXPECT_EQ(engine->SystemDB(), Workgroup());
  EXPECT_EQ(engine->GetWorkspaces()->Item(0)->UserName(), "Bob");
  EXPECT_TRUE(machine.sessions().HeldExclusively(Sales()));
}

TEST_F(AccessStart, TheDatabasePasswordIsTheOneGivenToLaunchAndAttach) {
  BuildSales([](auto& sales) { sales.DatabasePassword("Pa55"); });
  EXPECT_FALSE(Launch(CommandLine()));
  EXPECT_TRUE(Launch(CommandLine(), "Pa55"));
}

TEST_F(AccessStart, AFailedStartLeavesNothingRunning) {
  auto holder = UserAccess(true);
  const std::vector<std::string> refused = {
      CommandLine("/user \"Bob\" /pwd \"wrong\""),  // wrong password
      CommandLine("/user \"Nobody\""),              // unknown account
      "\"" + AccessExe() + "\" \"" + temp.File("Missing.mdb") + "\"",
      CommandLine(),                                 // held exclusively by the user's Access
      CommandLine("/nosuchoption"),                  // an option Access does not know
      CommandLine("/user"),                          // an option without its value
      "\"" + AccessExe() + "\"",                     // no file
  };
  const auto windows = TopLevelWindowCount();
  for (const auto& line : refused) {
    EXPECT_FALSE(Launch(line)) << line;
    EXPECT_EQ(machine.processes().Running().size(), 1u) << line;
    EXPECT_EQ(TopLevelWindowCount(), windows) << line;
    EXPECT_EQ(machine.sessions().Roster(Sales()).size(), 1u) << line;
  }
}

TEST_F(AccessStart, TheShiftKeyIsRecordedAndBypassesTheStartupFormUnlessTheFileForbidsIt) {
  struct Case {
    std::int32_t key_state;
    bool allow_bypass;
    bool form_opens;
  };
  for (const Case c : {Case{0, true, true}, Case{16, true, false}, Case{16, false, true}}) {
    BuildSales([&](auto& sales) {
      sales.DatabaseProperty({"StartupForm", dao::dbText, "Orders"})
          .DatabaseProperty({"AllowBypassKey", dao::dbBoolean, c.allow_bypass});
    });
    auto access =
        std::dynamic_pointer_cast<sim::access::Application>(Launch(CommandLine(), "", c.key_state));
    ASSERT_TRUE(access);
    EXPECT_EQ(access->BypassKeyHeld(), c.key_state == 16);
    EXPECT_EQ(access->Documents()->IsOpen(msaccess::acForm, "Orders"), c.form_opens)
        << c.key_state << " " << c.allow_bypass;
    access->Quit();
  }
}

TEST_F(AccessStart, WithoutAWorkgroupOptionAccessUsesTheWorkgroupOfItsOwnRegistryKey) {
  const std::string key =
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Office\\9.0\\Access\\Jet\\4.0\\Engines";
  machine.registry().CreateKey(key);
  machine.registry().WriteValue(key, "SystemDB", com::Variant(Workgroup()));
  auto access = Launch("\"" + AccessExe() + "\" \"" + Sales() + "\" /user Bob /pwd secret");
  ASSERT_TRUE(access);
  EXPECT_EQ(com::CStr(access->Call("CurrentUser")), "Bob");
}

TEST_F(AccessStart, TheVersionAnsweredBySysCmdIsTheInstallationsAndOtherActionsAreRefused) {
  sim::access::Install(machine, AccessExe(), {.version = "8.0"});
  auto access = Launch(CommandLine());
  ASSERT_TRUE(access);
  EXPECT_EQ(com::CStr(access->Call("SysCmd", {com::Variant(7)})), "8.0");
  EXPECT_EQ(ErrorOf([&] { access->Call("SysCmd", {com::Variant(4)}); }).Number(), 5);
}

}  // namespace
}  // namespace access_test
