#include <gtest/gtest.h>

#include "access_fixture.h"
#include "support/error_matchers.h"

namespace access_test {
namespace {

using testing_support::ErrorOf;

class AccessDatabase : public AccessTest {
 protected:
  // A DAO connection of the test's own, as the driver opens one.
  std::shared_ptr<dao::Database> OpenPrivately() {
    auto engine = machine.NewDBEngine();
    engine->SetSystemDB(Workgroup());
    workspace_ = engine->CreateWorkspace("Private", "Admin", "");
    return workspace_->OpenDatabase(Sales(), false, false, "");
  }
  static com::ObjectRef ConnectionProperty(com::Dispatch& access, const com::Variant& index) {
    auto project = com::CObj(access.Get("CurrentProject"));
    auto properties = com::CObj(com::CObj(project->Get("Connection"))->Get("Properties"));
    return com::CObj(properties->Call("Item", {index}));
  }
  static com::ObjectRef ConnectionControl(com::Dispatch& access) {
    return ConnectionProperty(access, com::Variant("Jet OLEDB:Connection Control"));
  }
  static std::shared_ptr<dao::Database> CurrentDB(com::Dispatch& access) {
    return std::dynamic_pointer_cast<dao::Database>(com::CObj(access.Call("CurrentDB")));
  }

 private:
  std::shared_ptr<dao::Workspace> workspace_;
};

TEST_F(AccessDatabase, CurrentDBIsAccessOwnConnectionAndSeesWhatOthersWrite) {
  auto access = UserAccess();
  auto current = CurrentDB(*access);
  ASSERT_TRUE(current);
  EXPECT_EQ(current->Name(), Sales());
  auto mine = OpenPrivately();
  mine->GetProperties()->Append(mine->CreateProperty("AppTitle", dao::dbText, com::Variant("Sales")));
  EXPECT_EQ(com::CStr(current->GetProperties()->Item("AppTitle")->Value()), "Sales");
  current->GetTableDefs()->Item("Orders")->SetName("AllOrders");
  EXPECT_EQ(mine->GetTableDefs()->Item("allorders")->Name(), "AllOrders");
  // Closing what CurrentDB gave leaves Access's connection open.
  current->Close();
  EXPECT_EQ(machine.sessions().Roster(Sales()).size(), 2u);
  EXPECT_EQ(CurrentDB(*access)->GetTableDefs()->Item("AllOrders")->Name(), "AllOrders");
}

TEST_F(AccessDatabase, AFileHeldExclusivelyIsReachedOnlyThroughCurrentDB) {
  auto access = UserAccess(true);
  EXPECT_EQ(ErrorOf([&] { OpenPrivately(); }).Number(), 3045);
  EXPECT_EQ(CurrentDB(*access)->GetTableDefs()->Item("Orders")->Name(), "Orders");
  EXPECT_EQ(machine.sessions().Roster(Sales()).size(), 1u);
}

TEST_F(AccessDatabase, ConnectionControlOneAdmitsNoNewConnectionsUntilTwo) {
  auto access = UserAccess();
  auto control = ConnectionControl(*access);
  EXPECT_EQ(com::CLng(control->Get("Value")), 2);
  control->Let("Value", com::Variant(1));
  EXPECT_EQ(com::CLng(control->Get("Value")), 1);
  EXPECT_EQ(ErrorOf([&] { OpenPrivately(); }).Number(), 3734);
  control->Let("Value", com::Variant(2));
  EXPECT_TRUE(OpenPrivately());
  EXPECT_EQ(ErrorOf([&] { control->Let("Value", com::Variant(3)); }).Number(), 3001);
  // The state ends with the connection that set it, even while others stay.
  control->Let("Value", com::Variant(1));
  access->Quit();
  EXPECT_EQ(machine.sessions().ConnectionControl(Sales()), 2);
  EXPECT_TRUE(OpenPrivately());
}

TEST_F(AccessDatabase, TheConnectionsOtherPropertiesAreReadOnlyAndEndWithTheDatabase) {
  auto access = UserAccess();
  auto source = ConnectionProperty(*access, com::Variant(std::int32_t{0}));
  EXPECT_EQ(com::CStr(source->Get("Name")), "Data Source");
  EXPECT_EQ(com::CStr(source->Get("Value")), Sales());
  EXPECT_EQ(com::CStr(ConnectionProperty(*access, com::Variant("user id"))->Get("Value")), "Admin");
  EXPECT_EQ(ErrorOf([&] { source->Let("Value", com::Variant("x.mdb")); }).Number(), 3705);
  EXPECT_EQ(ErrorOf([&] { ConnectionProperty(*access, com::Variant("Nope")); }).Number(), 3265);
  auto control = ConnectionControl(*access);
  access->CloseCurrentDatabase();
  EXPECT_EQ(ErrorOf([&] { control->Get("Value"); }).Number(), 3704);
}

TEST_F(AccessDatabase, TheAllListsHoldTheDocumentsOfTheirContainers) {
  auto access = UserAccess();
  auto project = com::CObj(access->Get("CurrentProject"));
  const std::vector<std::pair<std::string, std::vector<std::string>>> lists = {
      {"AllForms", {"Customers", "Orders"}},   {"AllReports", {"Sales"}},
      {"AllMacros", {"Macro1"}},               {"AllModules", {"Module1", "Utilities"}},
      {"AllDataAccessPages", {"Page1"}},
  };
  for (const auto& [member, names] : lists) {
    auto all = com::CObj(project->Get(member));
    ASSERT_EQ(com::CLng(all->Get("Count")), static_cast<std::int32_t>(names.size())) << member;
    for (std::size_t i = 0; i < names.size(); ++i)
      EXPECT_EQ(com::CStr(com::CObj(all->Call("Item", {com::Variant(static_cast<std::int32_t>(i))}))
                              ->Get("Name")),
                names[i]);
    EXPECT_EQ(ErrorOf([&] { all->Call("Item", {com::Variant("Nope")}); }).Number(), 2467);
  }
  auto orders = com::CObj(com::CObj(project->Get("AllForms"))->Call("Item", {com::Variant("orders")}));
  EXPECT_EQ(com::CStr(orders->Get("Name")), "Orders");
  EXPECT_EQ(com::CLng(orders->Get("Type")), msaccess::acForm);
  EXPECT_FALSE(com::CBool(orders->Get("IsLoaded")));
  DoCmd(*access)->Call("OpenForm", {com::Variant("Orders")});
  EXPECT_TRUE(com::CBool(orders->Get("IsLoaded")));
}

TEST_F(AccessDatabase, TheUserClosesTheDatabaseThenOpensAnother) {
  auto access = UserAccess();
  auto all_forms = com::CObj(com::CObj(access->Get("CurrentProject"))->Get("AllForms"));
  auto file = access->Documents()->File();  // held on: Access closes the file all the same
  access->Call("CloseCurrentDatabase");
  auto project = com::CObj(access->Get("CurrentProject"));
  EXPECT_EQ(com::CStr(project->Get("FullName")), "");
  EXPECT_FALSE(access->Call("CurrentDB").AsObject());
  EXPECT_FALSE(machine.running_objects().Find(Sales()));
  EXPECT_TRUE(machine.sessions().Roster(Sales()).empty());
  EXPECT_EQ(ErrorOf([&] { all_forms->Get("Count"); }).Number(), 2467);
  EXPECT_EQ(ErrorOf([&] { project->Get("AllForms"); }).Number(), 2467);
  EXPECT_EQ(ErrorOf([&] { DoCmd(*access)->Call("OpenForm", {com::Variant("Orders")}); }).Number(),
            2046);

  const std::string other = NewDatabase("Other.mdb").path();
  access->Call("OpenCurrentDatabase", {com::Variant(other), com::Variant(true)});
  EXPECT_EQ(com::CStr(project->Get("FullName")), other);
  EXPECT_EQ(machine.running_objects().Find(other), access);
  EXPECT_TRUE(machine.sessions().HeldExclusively(other));
  EXPECT_EQ(ErrorOf([&] { access->Call("OpenCurrentDatabase", {com::Variant(Sales())}); }).Number(),
            7867);
}

TEST_F(AccessDatabase, OptionsAreYesNoValuesByName) {
  auto access = UserAccess();
  auto option = [&] { return access->Call("GetOption", {com::Variant("ShowWindowsInTaskbar")}); };
  EXPECT_EQ(option().Type(), com::VarType::Boolean);
  EXPECT_TRUE(com::CBool(option()));
  access->Call("SetOption", {com::Variant("showwindowsintaskbar"), com::Variant(std::int16_t{0})});
  EXPECT_EQ(option().Type(), com::VarType::Boolean);
  EXPECT_FALSE(com::CBool(option()));
  EXPECT_EQ(ErrorOf([&] { access->Call("GetOption", {com::Variant("No Such Option")}); }).Number(),
            2091);
}

}  // namespace
}  // namespace access_test
