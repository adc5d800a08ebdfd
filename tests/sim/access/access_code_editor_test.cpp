#include <gtest/gtest.h>

#include "access_fixture.h"
#include "shared/utility.h"
#include "support/error_matchers.h"

namespace access_test {
namespace {

using testing_support::ErrorOf;

class AccessCodeEditor : public AccessTest {
 protected:
  void SetUp() override { access = UserAccess(); }
  com::ObjectRef VbeWindows() {
    return com::CObj(com::CObj(access->Get("VBE"))->Get("Windows"));
  }
  std::vector<std::int32_t> WindowTypes() {
    auto windows = VbeWindows();
    std::vector<std::int32_t> types;
    for (std::int32_t i = 1; i <= com::CLng(windows->Get("Count")); ++i)
      types.push_back(com::CLng(com::CObj(windows->Call("Item", {com::Variant(i)}))->Get("Type")));
    return types;
  }
  std::int32_t OpenModules() { return com::CLng(com::CObj(access->Get("Modules"))->Get("Count")); }

  std::shared_ptr<sim::access::Application> access;
};

TEST_F(AccessCodeEditor, OpenModuleShowsACodeWindowOfTheModuleInTheEditor) {
  DoCmd(*access)->Call("OpenModule", {com::Variant("module1")});
  auto main = com::CObj(com::CObj(access->Get("VBE"))->Get("MainWindow"));
  const HWND editor = com::CLng(main->Get("hwnd"));
  EXPECT_EQ(editor, access->Editor().Handle());
  EXPECT_EQ(com::CLng(main->Get("Type")), 100);
  EXPECT_TRUE(com::CBool(main->Get("Visible")));
  EXPECT_EQ(Children(Child(editor, "MDIClient")),
            (std::vector<std::pair<std::string, std::string>>{{"VbaWindow", "Sales - Module1 (Code)"}}));
  EXPECT_EQ(OpenModules(), 1);
  EXPECT_EQ(com::CStr(com::CObj(com::CObj(access->Get("Modules"))->Call("Item", {com::Variant(0)}))
                          ->Get("Name")),
            "Module1");
  EXPECT_TRUE(Utility::ObjectIsOpen(*access, msaccess::acModule, "MODULE1"));
  EXPECT_FALSE(Utility::ObjectIsOpen(*access, msaccess::acModule, "Utilities"));
}

TEST_F(AccessCodeEditor, ClosingTheCodeWindowsLeavesTheDockedWindows) {
  DoCmd(*access)->Call("OpenModule", {com::Variant("Module1")});
  DoCmd(*access)->Call("OpenModule", {com::Variant("Utilities")});
  access->Documents()->OpenCodeWindow("Form_Orders");
  EXPECT_EQ(WindowTypes(), (std::vector<std::int32_t>{6, 7, 0, 0, 0}));
  EXPECT_EQ(OpenModules(), 2);  // a form's module is no member of Modules
  auto windows = VbeWindows();
  auto first_code = com::CObj(windows->Call("Item", {com::Variant(3)}));
  // The driver's loop after starting Access.
  for (std::int32_t i = com::CLng(windows->Get("Count")); i >= 1; --i) {
    auto window = com::CObj(windows->Call("Item", {com::Variant(i)}));
    if (com::CLng(window->Get("Type")) == 0) window->Call("Close");
  }
  EXPECT_EQ(WindowTypes(), (std::vector<std::int32_t>{6, 7}));
  EXPECT_EQ(OpenModules(), 0);
  EXPECT_TRUE(Children(Child(access->Editor().Handle(), "MDIClient")).empty());
  EXPECT_EQ(ErrorOf([&] { first_code->Get("Caption"); }).Number(), 91);
  auto project = com::CObj(windows->Call("Item", {com::Variant("Project - Sales")}));
  project->Call("Close");
  EXPECT_FALSE(com::CBool(project->Get("Visible")));
  EXPECT_EQ(WindowTypes().size(), 2u);
  EXPECT_EQ(ErrorOf([&] { windows->Call("Item", {com::Variant(3)}); }).Number(), 9);
}

TEST_F(AccessCodeEditor, CodeWindowsAreForModulesTheFileHolds) {
  for (const std::string module : {"Nope", "Form_Nope", "Report_Orders"})
    EXPECT_EQ(ErrorOf([&] { access->Documents()->OpenCodeWindow(module); }).Number(), 2516)
        << module;
  access->Documents()->OpenCodeWindow("Report_Sales");
  EXPECT_EQ(WindowTypes(), (std::vector<std::int32_t>{6, 7, 0}));
}

TEST_F(AccessCodeEditor, ClosingTheDatabaseClosesItsCodeWindows) {
  DoCmd(*access)->Call("OpenModule", {com::Variant("Module1")});
  access->CloseCurrentDatabase();
  EXPECT_EQ(WindowTypes(), (std::vector<std::int32_t>{6, 7}));
  EXPECT_EQ(machine.windows().GetWindowText(access->Editor().Handle()), "Microsoft Visual Basic");
}

}  // namespace
}  // namespace access_test
