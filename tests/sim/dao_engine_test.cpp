#include <gtest/gtest.h>

#include <fstream>

#include "dao_fixture.h"
#include "support/error_matchers.h"

namespace jet_test {
namespace {

using testing_support::ErrorOf;

class DaoEngine : public DaoTest {
 protected:
  DaoEngine() {
    sim::jet::WorkgroupBuilder(temp.File("secured.mdw"))
        .Group("Editors")
        .User("Mary", "Lamb", {"Editors"})
        .Password("admin", "root");
  }

  std::vector<std::string> Names(const std::shared_ptr<dao::Users>& users) {
    std::vector<std::string> names;
    for (int i = 0; i < users->Count(); ++i) names.push_back(users->Item(i)->Name());
    return names;
  }
};

TEST_F(DaoEngine, LogsOnToTheWorkgroupOfSystemDb) {
  auto engine = machine.NewDBEngine();
  engine->SetSystemDB(temp.File("secured.mdw"));
  EXPECT_EQ(engine->SystemDB(), temp.File("secured.mdw"));
  auto workspace = engine->CreateWorkspace("Quillnet", "MARY", "Lamb");
  EXPECT_EQ(workspace->Name(), "Quillnet");
  EXPECT_EQ(workspace->UserName(), "MARY");
  EXPECT_EQ(Names(workspace->GetUsers()), (std::vector<std::string>{"admin", "Mary"}));
  auto groups = workspace->GetGroups();
  ASSERT_EQ(groups->Count(), 3);
  EXPECT_EQ(groups->Item("editors")->Name(), "Editors");
}

TEST_F(DaoEngine, RefusesUnknownAccountsAndWrongPasswords) {
  auto engine = machine.NewDBEngine();
  engine->SetSystemDB(temp.File("secured.mdw"));
  for (const auto& [user, password] : std::vector<std::pair<std::string, std::string>>{
           {"Mary", "lamb"}, {"admin", ""}, {"Editors", ""}, {"John", ""}, {"", ""}}) {
    const auto e = ErrorOf([&] { engine->CreateWorkspace("W", user, password); });
    EXPECT_EQ(e.Number(), 3029) << user;
    EXPECT_EQ(e.Description(), "Not a valid account name or password.");
  }
}

TEST_F(DaoEngine, AMissingOrForeignWorkgroupFileCannotStartTheEngine) {
  std::ofstream(temp.File("text.mdw")) << "not a workgroup";
  Build("db.mdb");
  for (const std::string file : {"missing.mdw", "text.mdw", "db.mdb"}) {
    auto engine = machine.NewDBEngine();
    engine->SetSystemDB(temp.File(file));
    const auto e = ErrorOf([&] { engine->CreateWorkspace("W", "admin", ""); });
    EXPECT_EQ(e.Number(), 3028) << file;
    EXPECT_EQ(e.Description(),
              "Can't start your application. The workgroup information file is missing or "
              "opened exclusively by another user.");
  }
}

TEST_F(DaoEngine, WithoutSystemDbUsesTheMachinesDefaultWorkgroupOrTheBuiltInOne) {
  auto built_in = machine.NewDBEngine()->CreateWorkspace("W", "Admin", "");
  EXPECT_EQ(Names(built_in->GetUsers()), (std::vector<std::string>{"admin"}));
  const std::string key = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Jet\\4.0\\Engines";
  machine.registry().CreateKey(key);
  machine.registry().WriteValue(key, "SystemDB", com::Variant(temp.File("secured.mdw")));
  auto engine = machine.NewDBEngine();
  EXPECT_EQ(ErrorOf([&] { engine->CreateWorkspace("W", "admin", ""); }).Number(), 3029);
  EXPECT_EQ(engine->CreateWorkspace("W", "admin", "root")->GetUsers()->Count(), 2);
}

TEST_F(DaoEngine, TheDefaultWorkspaceIsAdminsAndLateBindingReachesTheEngine) {
  auto engine = machine.NewDBEngine();
  auto workspaces = engine->GetWorkspaces();
  ASSERT_EQ(workspaces->Count(), 1);
  EXPECT_EQ(workspaces->Item(0)->UserName(), "admin");
  EXPECT_EQ(ErrorOf([&] { workspaces->Item(1); }).Number(), 3265);
  engine->Let("SystemDB", com::Variant("x.mdw"));
  EXPECT_EQ(com::CStr(engine->Get("systemdb")), "x.mdw");
  EXPECT_EQ(com::CStr(workspaces->Item(0)->Get("UserName")), "admin");
}

TEST_F(DaoEngine, WorkgroupBuilderRefusesDuplicateAccountsAndUnknownGroups) {
  sim::jet::WorkgroupBuilder workgroup(temp.File("second.mdw"));
  EXPECT_EQ(ErrorOf([&] { workgroup.User("ADMIN", ""); }).Number(), 3390);
  EXPECT_EQ(ErrorOf([&] { workgroup.User("Bob", "", {"Nobody"}); }).Number(), 3265);
  EXPECT_EQ(ErrorOf([&] { workgroup.Password("Nobody", "x"); }).Number(), 3265);
  auto engine = machine.NewDBEngine();
  engine->SetSystemDB(workgroup.path());
  EXPECT_EQ(ErrorOf([&] { engine->CreateWorkspace("W", "Bob", ""); }).Number(), 3029);
}

}  // namespace
}  // namespace jet_test
