#include "driver/driver.h"

#include <gtest/gtest.h>

#include "host/parameter_set.h"
#include "host/registry_key.h"
#include "sim/win32/processes.h"
#include "support/driver_test.h"
#include "support/error_matchers.h"
#include "ui/project_parameters_dialog.h"

namespace {

// The user at the dialog: confirms with a new database path, or cancels.
class ScriptedDialog : public ui::ProjectParametersDialog {
 public:
  ScriptedDialog(bool confirm, std::string database) : confirm_(confirm), database_(database) {}
  bool Interact(std::string& parameters) override {
    if (!confirm_) return false;
    host::ParameterSet set;
    set.SetText(parameters);
    set.PutValue("Database", database_, false);
    parameters = set.Text();
    return true;
  }

 private:
  bool confirm_;
  std::string database_;
};

com::Variant LoadBehavior() {
  host::RegistryKey key;
  key.OpenPath(driver::Driver::kAddInKey);
  key.SetAccess(1);
  return key.ReadValue("LoadBehavior", com::Variant());
}

}  // namespace

class DriverEntry : public testing_support::DriverTest {};

TEST_F(DriverEntry, InitializeJoinsTheHostThreadAndSetsTheAddInToLoad) {
  driver::Driver d;
  auto log = std::make_shared<host::ProblemLog>();
  d.IDriver_Initialize(77, log);
  EXPECT_EQ(vxhandler::ProblemLog(), log);
  ASSERT_EQ(machine.processes().AttachedThreads().size(), 1u);
  EXPECT_EQ(machine.processes().AttachedThreads()[0].second, 77u);
  EXPECT_EQ(com::CLng(LoadBehavior()), 3);

  d.IDriver_ShutDown();
  EXPECT_NE(vxhandler::ProblemLog(), log);
  EXPECT_EQ(vxhandler::ProblemLog()->Count(), 0);
}

TEST_F(DriverEntry, LoadBehaviorIsWrittenOnlyWhenItIsNotThree) {
  machine.registry().CreateKey(driver::Driver::kAddInKey);
  machine.registry().WriteValue(driver::Driver::kAddInKey, "LoadBehavior", com::Variant("3"));
  driver::Driver().IDriver_Initialize(1, std::make_shared<host::ProblemLog>());
  EXPECT_EQ(LoadBehavior().Type(), com::VarType::String);  // untouched

  machine.registry().WriteValue(driver::Driver::kAddInKey, "LoadBehavior", com::Variant(2));
  driver::Driver().IDriver_Initialize(1, std::make_shared<host::ProblemLog>());
  EXPECT_EQ(LoadBehavior().Type(), com::VarType::Long);
  EXPECT_EQ(com::CLng(LoadBehavior()), 3);
}

TEST_F(DriverEntry, TheSameNameGivesTheSameProject) {
  driver::Driver d;
  auto first = d.IDriver_GetProject("Sales", Parameters(temp.File("a.mdb")));
  auto second = d.IDriver_GetProject("Sales", Parameters(temp.File("other.mdb")));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first, second);
  EXPECT_EQ(std::dynamic_pointer_cast<driver::Project>(second)->ProjectPath(), temp.File("a.mdb"));
  EXPECT_NE(d.IDriver_GetProject("Orders", Parameters(temp.File("a.mdb"))), first);
}

TEST_F(DriverEntry, ProjectNamesComeFromTheFileName) {
  struct Case {
    std::string path;
    std::string name;
  } cases[] = {{"C:\\Data\\sales.2001.mdb", "sales.2001"},
               {"/data/orders.mdb", "orders"},
               {"/data/README", "README"}};
  driver::Driver d;
  for (const Case& c : cases) {
    ui::ProjectParametersDialog::Scope dialog(std::make_unique<ScriptedDialog>(true, c.path));
    std::string parameters = Parameters("old.mdb"), path, name;
    ASSERT_TRUE(d.IDriver_GetProjectParameters(parameters, path, name));
    EXPECT_EQ(path, c.path);
    EXPECT_EQ(name, c.name);
    host::ParameterSet set;
    set.SetText(parameters);
    EXPECT_EQ(set.GetValue("Database", ""), c.path);
  }
}

TEST_F(DriverEntry, CancellingTheDialogChangesNothing) {
  ui::ProjectParametersDialog::Scope dialog(std::make_unique<ScriptedDialog>(false, "x.mdb"));
  driver::Driver d;
  std::string parameters = "ProjectType=Database", path = "keep", name = "keep";
  EXPECT_FALSE(d.IDriver_GetProjectParameters(parameters, path, name));
  EXPECT_EQ(parameters, "ProjectType=Database");
  EXPECT_EQ(path, "keep");
  EXPECT_EQ(name, "keep");
}

TEST_F(DriverEntry, WithoutAccess2000SR1ThereIsNoProject) {
  machine.installer().SetFileVersion(AccessExe(), {9, 0, 0, 2719});
  driver::Driver d;
  EXPECT_EQ(d.IDriver_GetProject("Sales", Parameters("a.mdb")), nullptr);
  std::string parameters, path, name;
  EXPECT_FALSE(d.IDriver_GetProjectParameters(parameters, path, name));
  EXPECT_EQ(vxhandler::ProblemLog()->Count(), 2);
  EXPECT_EQ(vxhandler::ProblemLog()->Entries()[0].problem->IProblem_Task(),
            "VerifySystemRequirements('tovrin')");
}

TEST_F(DriverEntry, ABadParameterStringReachesTheHostWithItsContext) {
  driver::Driver d;
  const com::Error e =
      testing_support::ErrorOf([&] { d.IDriver_GetProject("X", "ProjectType=ADP"); });
  EXPECT_EQ(e.Number(), -32753);
  EXPECT_EQ(testing_support::Message(e), "Invalid case selector (\"ADP\").");
  EXPECT_NE(e.Description().find("tovrin.Project.Initialize.1"), std::string::npos);
  EXPECT_NE(e.Description().find("tovrin.Driver.IDriver_GetProject.1"), std::string::npos);
}
