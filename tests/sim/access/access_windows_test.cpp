#include <gtest/gtest.h>

#include "access_fixture.h"
#include "sim/access/document_kind.h"
#include "shared/utility.h"
#include "support/error_matchers.h"

namespace access_test {
namespace {

using testing_support::ErrorOf;
using Windows = std::vector<std::pair<std::string, std::string>>;

class AccessWindows : public AccessTest {
 protected:
  void SetUp() override {
    access = UserAccess();
    client = Child(access->Main().Handle(), "MDIClient");
  }
  com::Variant Do(const std::string& action, std::vector<com::Variant> args) {
    return DoCmd(*access)->Call(action, std::span<const com::Variant>(args));
  }
  std::int32_t Count(const char* collection) {
    return com::CLng(com::CObj(access->Get(collection))->Get("Count"));
  }

  std::shared_ptr<sim::access::Application> access;
  HWND client = 0;
};

TEST_F(AccessWindows, ASessionShowsItsMainWindowAndTheDatabaseWindowAndHidesItsEditor) {
  auto& windows = machine.windows();
  const HWND main = com::CLng(access->Call("hWndAccessApp"));
  EXPECT_EQ(windows.GetClassName(main), "OMain");
  EXPECT_EQ(windows.GetWindowText(main), "Microsoft Access");
  EXPECT_EQ(Children(main), (Windows{{"MDIClient", ""}}));
  EXPECT_EQ(Children(client), (Windows{{"ODb", "Sales : Database"}}));
  const HWND editor = access->Editor().Handle();
  EXPECT_EQ(windows.GetClassName(editor), "wndclass_desked_gsk");
  EXPECT_EQ(windows.GetWindowText(editor), "Microsoft Visual Basic - Sales");
  EXPECT_FALSE(windows.Find(editor)->visible);
  EXPECT_EQ(Children(editor), (Windows{{"MDIClient", ""}}));
  EXPECT_EQ(TopLevelWindowCount(), 2u);
}

TEST_F(AccessWindows, DoCmdOpensEachKindOfObjectInAWindowOfItsClass) {
  struct Case {
    std::string action, name;
    std::int32_t view;
    std::string window_class, caption;
  };
  const std::vector<Case> cases = {
      {"OpenTable", "orders", 0, "OTable", "Orders : Table"},
      {"OpenQuery", "OrderList", 0, "OQry", "OrderList : Select Query"},
      {"OpenQuery", "ArchiveOrders", 1, "OQry", "ArchiveOrders : Append Query"},
      {"OpenForm", "Orders", 1, "OForm", "Orders : Form"},
      {"OpenForm", "Customers", 0, "OForm", "Customers"},
      {"OpenReport", "Sales", 1, "OReport", "Sales : Report"},
      {"OpenDataAccessPage", "Page1", 1, "ODataPage", "Page1 : Data Access Page"},
  };
  for (const auto& c : cases) {
    Do(c.action, {com::Variant(c.name), com::Variant(c.view)});
    EXPECT_EQ(Children(client).back(), std::make_pair(c.window_class, c.caption)) << c.action;
  }
  EXPECT_EQ(Children(client).size(), cases.size() + 1);
  // What the driver sees of them.
  EXPECT_TRUE(Utility::ObjectIsOpen(*access, msaccess::acForm, "orders"));
  EXPECT_TRUE(Utility::ObjectIsOpen(*access, msaccess::acQuery, "ORDERLIST"));
  EXPECT_FALSE(Utility::ObjectIsOpen(*access, msaccess::acMacro, "Macro1"));
}

TEST_F(AccessWindows, DoCmdRefusesWhatTheFileLacksAndViewsThatShowNoWindow) {
  struct Case {
    std::string action, name;
    std::int32_t view, window_mode, number;
  };
  const std::vector<Case> cases = {
      {"OpenForm", "Nope", 1, 0, 2102},
      {"OpenReport", "Nope", 1, 0, 2103},
      {"OpenTable", "Nope", 0, 0, 7874},
      {"OpenTable", "OrderList", 0, 0, 7874},  // a query, not a table
      {"OpenQuery", "ArchiveOrders", 0, 0, 2046},  // would run the action query
      {"OpenReport", "Sales", 0, 0, 2046},  // would print the report
      {"OpenForm", "Orders", 0, 3, 2046},  // a dialog window waits for the user
      {"OpenModule", "Nope", 0, 0, 2516},
  };
  for (const auto& c : cases) {
    const auto e = ErrorOf([&] {
      Do(c.action, {com::Variant(c.name), com::Variant(c.view), {}, {}, {}, com::Variant(c.window_mode)});
    });
    EXPECT_EQ(e.Number(), c.number) << c.action << " " << c.name;
  }
  EXPECT_EQ(ErrorOf([&] { Do("OpenForm", {com::Variant("Nope")}); }).Description(),
            "The form name 'Nope' is misspelled or refers to a form that doesn't exist.");
  EXPECT_EQ(Children(client).size(), 1u);
}

TEST_F(AccessWindows, AHiddenFormHasAnInvisibleWindowUntilShown) {
  Do("OpenForm", {com::Variant("Orders"), com::Variant(1), {}, {}, com::Variant(-1), com::Variant(1)});
  const auto* form = access->Main().Find(msaccess::acForm, "Orders");
  ASSERT_TRUE(form);
  EXPECT_FALSE(machine.windows().Find(form->handle)->visible);
  EXPECT_EQ(Count("Forms"), 1);
  Do("OpenForm", {com::Variant("Orders"), com::Variant(1)});
  EXPECT_TRUE(machine.windows().Find(form->handle)->visible);
  EXPECT_EQ(Children(client).size(), 2u);
}

TEST_F(AccessWindows, TheOpenCollectionsListWhatIsOpenAndCloseTakesItAway) {
  Do("OpenForm", {com::Variant("Orders")});
  Do("OpenForm", {com::Variant("Customers")});
  Do("OpenReport", {com::Variant("Sales"), com::Variant(2)});
  EXPECT_EQ(Count("Forms"), 2);
  EXPECT_EQ(Count("Reports"), 1);
  auto forms = com::CObj(access->Get("Forms"));
  EXPECT_EQ(com::CStr(com::CObj(forms->Call("Item", {com::Variant(0)}))->Get("Name")), "Orders");
  EXPECT_EQ(com::CStr(com::CObj(forms->Call("Item", {com::Variant("customers")}))->Get("Name")),
            "Customers");
  EXPECT_EQ(ErrorOf([&] { forms->Call("Item", {com::Variant("Nope")}); }).Number(), 2450);
  EXPECT_EQ(ErrorOf([&] { forms->Call("Item", {com::Variant(5)}); }).Number(), 2456);
  Do("Close", {com::Variant(msaccess::acForm), com::Variant("Orders"), com::Variant(2)});
  Do("Close", {com::Variant(msaccess::acForm), com::Variant("Orders")});  // not open: nothing
  EXPECT_EQ(Count("Forms"), 1);
  Do("Close", {});  // the active window: the report
  EXPECT_EQ(Count("Reports"), 0);
  EXPECT_EQ(Count("Forms"), 1);
}

TEST_F(AccessWindows, RenameRefusesAnOpenObjectAndATakenName) {
  Do("OpenForm", {com::Variant("Customers")});
  const auto rename = [&](const char* new_name, std::int32_t type, const char* old_name) {
    Do("Rename", {com::Variant(new_name), com::Variant(type), com::Variant(old_name)});
  };
  EXPECT_EQ(ErrorOf([&] { rename("Clients", msaccess::acForm, "Customers"); }).Number(), 2009);
  Do("Close", {com::Variant(msaccess::acForm), com::Variant("Customers")});
  EXPECT_EQ(ErrorOf([&] { rename("Orders", msaccess::acForm, "Customers"); }).Number(), 3012);
  EXPECT_EQ(ErrorOf([&] { rename("Clients", msaccess::acForm, "Nope"); }).Number(), 7874);
  rename("Clients", msaccess::acForm, "customers");
  rename("AllOrders", msaccess::acTable, "Orders");
  auto file = access->Documents()->File();
  EXPECT_EQ(file->DocumentNames("Forms"), (std::vector<std::string>{"Clients", "Orders"}));
  EXPECT_EQ(file->Find(msaccess::acTable, "allorders"), "AllOrders");
}

TEST_F(AccessWindows, RunCommandOpensTheRelationshipsWindowAndSwitchesViews) {
  access->Call("RunCommand", {com::Variant(133)});
  EXPECT_EQ(Children(client).back(), std::make_pair(std::string("OSysRel"), std::string("Relationships")));
  EXPECT_TRUE(Utility::RelationshipsWindowIsOpen(access->Main().Handle()));
  Do("OpenQuery", {com::Variant("OrderList"), com::Variant(msaccess::acViewDesign)});
  access->Call("RunCommand", {com::Variant(msaccess::acCmdSQLView)});
  EXPECT_EQ(access->Main().Active()->view, sim::access::kSqlView);
  Do("OpenForm", {com::Variant("Customers")});
  EXPECT_EQ(ErrorOf([&] { access->Call("RunCommand", {com::Variant(msaccess::acCmdSQLView)}); })
                .Number(),
            2046);
  Do("RunCommand", {com::Variant(msaccess::acCmdDesignView)});
  EXPECT_EQ(Children(client).back(), std::make_pair(std::string("OForm"), std::string("Customers : Form")));
  EXPECT_EQ(access->Commands(), (std::vector<std::int32_t>{133, 184, 183}));
}

TEST_F(AccessWindows, HooksSeeWindowsMadeAndTheEditorActivated) {
  std::vector<std::pair<std::int32_t, HWND>> seen;
  auto& windows = machine.windows();
  const auto hook = windows.SetWindowsHookEx(
      platform::Windows::WH_CBT,
      [&](std::int32_t code, std::int32_t wparam, std::uintptr_t) {
        seen.emplace_back(code, wparam);
        return 0;
      },
      0);
  Do("OpenForm", {com::Variant("Orders"), com::Variant(1)});
  const HWND form = access->Main().Find(msaccess::acForm, "Orders")->handle;
  EXPECT_EQ(seen, (std::vector<std::pair<std::int32_t, HWND>>{{platform::Windows::HCBT_CREATEWND, form}}));
  seen.clear();
  Do("OpenModule", {com::Variant("Module1")});
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].first, platform::Windows::HCBT_CREATEWND);
  EXPECT_EQ(seen[1], std::make_pair(platform::Windows::HCBT_ACTIVATE, access->Editor().Handle()));
  windows.UnhookWindowsHookEx(hook);
}

TEST_F(AccessWindows, WindowsToldToCloseCloseWhenAccessNextServesACall) {
  const HWND dialog = access->ShowFindDialog();
  auto& windows = machine.windows();
  EXPECT_EQ(windows.GetWindow(dialog, platform::Windows::GW_OWNER), access->Main().Handle());
  EXPECT_TRUE(windows.GetWindowLong(dialog, platform::Windows::GWL_STYLE) & platform::Windows::WS_POPUP);
  Do("OpenForm", {com::Variant("Orders")});
  const HWND form = access->Main().Find(msaccess::acForm, "Orders")->handle;
  windows.PostMessage(dialog, platform::Windows::WM_CLOSE, 0, 0);
  windows.PostMessage(form, platform::Windows::WM_CLOSE, 0, 0);
  EXPECT_TRUE(windows.Find(dialog));
  EXPECT_EQ(Count("Forms"), 0);
  EXPECT_FALSE(windows.Find(dialog));
  EXPECT_FALSE(windows.Find(form));
  windows.PostMessage(access->Main().Handle(), platform::Windows::WM_CLOSE, 0, 0);
  EXPECT_EQ(ErrorOf([&] { access->Get("CurrentProject"); }).Number(), 462);
  EXPECT_FALSE(access->Running());
}

}  // namespace
}  // namespace access_test
