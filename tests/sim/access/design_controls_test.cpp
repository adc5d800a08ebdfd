#include <gtest/gtest.h>

#include "design_fixture.h"
#include "sim/access/application.h"
#include "support/error_matchers.h"

namespace access_test {
namespace {

using testing_support::ErrorOf;


class DesignControls : public DesignTest {
 protected:
  static std::string NameOf(const com::ObjectRef& object) { return com::CStr(object->Get("Name")); }
  com::ObjectRef Module(const std::string& name) {
    return com::CObj(com::CObj(access->Get("Modules"))->Call("Item", {com::Variant(name)}));
  }
};

TEST_F(DesignControls, ControlsListsEveryControlDepthFirstWithItsType) {
  Start({{"Orders", OrdersForm()}});
  auto form = OpenForm("Orders");
  auto controls = com::CObj(form->Get("Controls"));
  std::vector<std::pair<std::string, std::int32_t>> listed;
  for (std::int32_t i = 0; i < com::CLng(controls->Get("Count")); ++i) {
    auto control = com::CObj(controls->Call("Item", {com::Variant(i)}));
    listed.emplace_back(NameOf(control), com::CLng(control->Get("ControlType")));
  }
  EXPECT_EQ(listed, (std::vector<std::pair<std::string, std::int32_t>>{
                        {"lblTitle", 100},
                        {"txtCustomer ID", 109},
                        {"lblCustomerID", 100},
                        {"cboShipper", 111},
                        {"grpStatus", 107},
                        {"lblStatus", 100},
                        {"optOpen", 105},
                        {"optClosed", 105},
                        {"tabDetails", 123},
                        {"pgLines", 124},
                        {"subLines", 112},
                        {"pgNotes", 124},
                        {"txtNotes", 109},
                        {"ocxCalendar", 119},
                        {"cmdClose", 104},
                    }));
  const auto missing = ErrorOf([&] { controls->Call("Item", {com::Variant("txtNope")}); });
  EXPECT_EQ(missing.Number(), 2465);
  EXPECT_EQ(missing.Description(),
            "Microsoft Access can't find the field 'txtNope' referred to in your expression.");
  EXPECT_EQ(ErrorOf([&] { controls->Call("Item", {com::Variant(15)}); }).Number(), 2465);
  auto detail = com::CObj(form->Call("Section", {com::Variant(0)}));
  EXPECT_EQ(com::CLng(com::CObj(detail->Get("Controls"))->Get("Count")), 14);
  EXPECT_EQ(com::CLng(Control(*form, "pgNotes")->Get("Section")), 0);
}

TEST_F(DesignControls, ParentsFollowTheNesting) {
  Start({{"Orders", OrdersForm()}});
  auto form = OpenForm("Orders");
  const std::vector<std::pair<std::string, std::string>> parents = {
      {"lblCustomerID", "txtCustomer ID"}, {"optClosed", "grpStatus"}, {"lblStatus", "grpStatus"},
      {"pgNotes", "tabDetails"},           {"subLines", "pgLines"},    {"txtNotes", "pgNotes"},
      {"cboShipper", "Orders"},            {"tabDetails", "Orders"},
  };
  for (const auto& [child, parent] : parents)
    EXPECT_EQ(NameOf(com::CObj(Control(*form, child)->Get("Parent"))), parent) << child;
  EXPECT_EQ(com::CObj(Control(*form, "cmdClose")->Get("Parent")), form);

  auto label = com::CObj(com::CObj(Control(*form, "txtCustomer ID")->Get("Controls"))
                             ->Call("Item", {com::Variant(0)}));
  EXPECT_EQ(NameOf(label), "lblCustomerID");
  auto pages = com::CObj(Control(*form, "tabDetails")->Get("Controls"));
  EXPECT_EQ(com::CLng(pages->Get("Count")), 2);
  EXPECT_EQ(NameOf(com::CObj(com::CObj(Control(*form, "pgLines")->Get("Controls"))
                                 ->Call("Item", {com::Variant("SUBLINES")}))),
            "subLines");
  EXPECT_EQ(ErrorOf([&] { Control(*form, "cmdClose")->Get("Controls"); }).Number(), 438);
}

TEST_F(DesignControls, ARenameRefusesNamesInUseAndLeavesTheEventProcedures) {
  Start({{"Orders", OrdersForm()}});
  const auto before = StoredLines(msaccess::acForm, "Orders");
  auto form = OpenForm("Orders");
  auto combo = Control(*form, "cboShipper");
  for (const std::string taken : {"cmdclose", "txtCustomer_ID", "txtCustomer#ID", "Detail"}) {
    const auto error = ErrorOf([&] { combo->Let("Name", com::Variant(taken)); });
    EXPECT_EQ(error.Number(), 2104) << taken;
    EXPECT_EQ(error.Description(), "You entered the control name '" + taken + "', which is already in use.");
  }
  EXPECT_EQ(ErrorOf([&] { combo->Let("Name", com::Variant("")); }).Number(), 2091);
  EXPECT_EQ(NameOf(combo), "cboShipper");

  auto customer = Control(*form, "txtCustomer ID");
  EXPECT_EQ(com::CStr(customer->Get("EventProcPrefix")), "txtCustomer_ID");
  customer->Let("Name", com::Variant("txtClient ID"));  // its own old mapping does not count
  EXPECT_EQ(com::CStr(customer->Get("EventProcPrefix")), "txtClient_ID");
  customer->Let("Name", com::Variant("txtClientID"));
  EXPECT_EQ(com::CStr(customer->Get("EventProcPrefix")), "txtClientID");
  EXPECT_EQ(NameOf(Control(*form, "txtclientid")), "txtClientID");
  Close(msaccess::acForm, "Orders", kSaveYes);

  auto expected = before;
  const auto at = std::find(expected.begin(), expected.end(),
                            "                    Name =\"txtCustomer ID\"");
  *at = "                    Name =\"txtClientID\"";
  expected.erase(at + 2);  // no EventProcPrefix where it equals the name
  EXPECT_EQ(StoredLines(msaccess::acForm, "Orders"), expected);
}

TEST_F(DesignControls, ACustomControlHasNoObjectOnThisMachine) {
  Start({{"Orders", OrdersForm()}});
  auto form = OpenForm("Orders");
  EXPECT_EQ(ErrorOf([&] { Control(*form, "ocxCalendar")->Get("Object"); }).Number(), 2683);
  EXPECT_EQ(com::CStr(Control(*form, "ocxCalendar")->Get("Class")), "MSCAL.Calendar.7");
  EXPECT_EQ(ErrorOf([&] { Control(*form, "cmdClose")->Get("Object"); }).Number(), 438);
}

TEST_F(DesignControls, AControlHeldAfterItsFormClosedIsGone) {
  Start({{"Orders", OrdersForm()}});
  auto form = OpenForm("Orders");
  auto combo = Control(*form, "cboShipper");
  auto controls = com::CObj(form->Get("Controls"));
  Close(msaccess::acForm, "Orders", kSaveNo);
  EXPECT_EQ(ErrorOf([&] { combo->Get("RowSource"); }).Number(), 2467);
  EXPECT_EQ(ErrorOf([&] { controls->Get("Count"); }).Number(), 2467);
}

TEST_F(DesignControls, TheFormsModuleIsEditedAndSavedBesideTheOpenForm) {
  Start({{"Orders", OrdersForm()}, {"frmPlain", {"Version =20", "Begin Form", "End"}}});
  auto form = OpenForm("Orders");
  EXPECT_TRUE(com::CBool(form->Get("HasModule")));
  form->Let("Caption", com::Variant("Client orders"));
  DoCmd(*access)->Call("OpenModule", {com::Variant("Form_Orders")});
  auto module = Module("form_orders");
  EXPECT_EQ(NameOf(module), "Form_Orders");
  const std::int32_t last = com::CLng(module->Get("CountOfLines"));
  module->Call("InsertLines", {com::Variant(last + 1), com::Variant("' Client orders")});
  Close(msaccess::acModule, "Form_Orders", kSaveYes);
  EXPECT_EQ(StoredLines(msaccess::acForm, "Orders").back(), "' Client orders");
  Close(msaccess::acForm, "Orders", kSaveYes);
  const auto lines = StoredLines(msaccess::acForm, "Orders");
  EXPECT_EQ(lines.back(), "' Client orders");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "    Caption =\"Client orders\""), lines.end());

  EXPECT_FALSE(com::CBool(OpenForm("frmPlain")->Get("HasModule")));
  EXPECT_EQ(ErrorOf([&] { DoCmd(*access)->Call("OpenModule", {com::Variant("Form_frmPlain")}); })
                .Number(),
            2516);
}

TEST_F(DesignControls, AModuleClosedWithoutSavingLeavesTheFormsCode) {
  Start({{"Orders", OrdersForm()}});
  const std::string before = Stored(msaccess::acForm, "Orders");
  DoCmd(*access)->Call("OpenModule", {com::Variant("Form_Orders")});
  EXPECT_EQ(OpenCount("Modules"), 1);
  Module("Form_Orders")->Call("DeleteLines", {com::Variant(1), com::Variant(1)});
  Close(msaccess::acModule, "Form_Orders", kSaveNo);
  EXPECT_EQ(Stored(msaccess::acForm, "Orders"), before);
  EXPECT_EQ(OpenCount("Modules"), 0);
}

TEST_F(DesignControls, TheModuleFollowsARenamedForm) {
  Start({{"Orders", OrdersForm()}});
  DoCmd(*access)->Call("Rename", {com::Variant("ClientOrders"), com::Variant(msaccess::acForm),
                                  com::Variant("Orders")});
  DoCmd(*access)->Call("OpenModule", {com::Variant("Form_ClientOrders")});
  EXPECT_EQ(NameOf(Module("Form_ClientOrders")), "Form_ClientOrders");
  EXPECT_EQ(ErrorOf([&] { DoCmd(*access)->Call("OpenModule", {com::Variant("Form_Orders")}); })
                .Number(),
            2516);
}

}  // namespace
}  // namespace access_test
