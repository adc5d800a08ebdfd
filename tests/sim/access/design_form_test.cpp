#include <gtest/gtest.h>

#include "design_fixture.h"
#include "sim/access/application.h"
#include "support/error_matchers.h"

namespace access_test {
namespace {

using testing_support::ErrorOf;


class DesignForm : public DesignTest {};

// The lines of `before` with the lines from `at` (count of them) replaced.
std::vector<std::string> Replaced(std::vector<std::string> lines, std::size_t at, std::size_t count,
                                  const std::vector<std::string>& by) {
  lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at),
              lines.begin() + static_cast<std::ptrdiff_t>(at + count));
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), by.begin(), by.end());
  return lines;
}

std::size_t LineOf(const std::vector<std::string>& lines, const std::string& line) {
  const auto found = std::find(lines.begin(), lines.end(), line);
  EXPECT_NE(found, lines.end()) << line;
  return static_cast<std::size_t>(found - lines.begin());
}

TEST_F(DesignForm, ADocumentSavedUnchangedKeepsItsTextByteForByte) {
  Start({{"frmCustomers", SampleLines("forms/frmCustomers.bas")}, {"Orders", OrdersForm()}},
        {{"rptCustomerOrders", SampleLines("reports/rptCustomerOrders.bas")}});
  for (const auto& [type, name] : std::vector<std::pair<std::int32_t, std::string>>{
           {msaccess::acForm, "frmCustomers"},
           {msaccess::acForm, "Orders"},
           {msaccess::acReport, "rptCustomerOrders"}}) {
    const std::string before = Stored(type, name);
    auto document = type == msaccess::acForm ? OpenForm(name) : OpenReport(name);
    auto controls = com::CObj(document->Get("Controls"));
    for (std::int32_t i = 0; i < com::CLng(controls->Get("Count")); ++i)
      com::CObj(controls->Call("Item", {com::Variant(i)}))->Get("Name");
    Close(type, name, kSaveYes);
    EXPECT_EQ(Stored(type, name), before) << name;
  }
}

TEST_F(DesignForm, OneChangedPropertyChangesOnlyItsLines) {
  Start({{"Orders", OrdersForm()}});
  const auto before = StoredLines(msaccess::acForm, "Orders");
  struct Case {
    std::string control;  // empty: the form
    std::string property;
    com::Variant value;
    std::size_t at;
    std::size_t count;
    std::vector<std::string> lines;
  };
  const std::string row_source =
      "SELECT ShipperID, CompanyName FROM Shippers WHERE ShipperID IN (SELECT ShipperID FROM "
      "Orders) ORDER BY ClientName;";
  const std::vector<Case> cases = {
      {"", "Caption", com::Variant("Client orders"), LineOf(before, "    Caption =\"Orders\""), 1,
       {"    Caption =\"Client orders\""}},
      {"cboShipper", "RowSource", com::Variant(row_source),
       LineOf(before, "                        \" FROM Orders) ORDER BY CompanyName;\"") - 1, 2,
       {"                    RowSource =\"SELECT ShipperID, CompanyName FROM Shippers WHERE "
        "ShipperID IN (SELECT ShipperID\"",
        "                        \" FROM Orders) ORDER BY ClientName;\""}},
      // A property the text left out is added after the block's plain lines.
      {"", "OnClose", com::Variant("[Event Procedure]"),
       LineOf(before, "    OnOpen =\"[Event Procedure]\"") + 1, 0,
       {"    OnClose =\"[Event Procedure]\""}},
      // Before the blank line that parts newer properties from older ones.
      {"txtCustomer ID", "StatusBarText", com::Variant("The client"),
       LineOf(before, "                    OnExit =\"[Event Procedure]\"") + 1, 0,
       {"                    StatusBarText =\"The client\""}},
      // Set back to its default, a property loses its line.
      {"", "RecordSelectors", com::Variant(true), LineOf(before, "    RecordSelectors = NotDefault"),
       1, {}},
      {"txtNotes", "Visible", com::Variant(true),
       LineOf(before, "                                    Visible = NotDefault"), 1, {}},
      {"cboShipper", "ColumnCount", com::Variant(1),
       LineOf(before, "                    ColumnCount =2"), 1, {}},
      // An empty string is never written.
      {"cboShipper", "ColumnWidths", com::Variant(""),
       LineOf(before, "                    ColumnWidths =\"0;1440\""), 1, {}},
      // A Yes/No property away from its default is a NotDefault line at the head.
      {"", "Modal", com::Variant(true), LineOf(before, "    RecordSelectors = NotDefault") + 1, 0,
       {"    Modal = NotDefault"}},
  };
  for (const auto& c : cases) {
    Store(msaccess::acForm, "Orders", before);
    auto form = OpenForm("Orders");
    auto target = c.control.empty() ? form : Control(*form, c.control);
    target->Let(c.property, c.value);
    EXPECT_EQ(com::CStr(target->Get(c.property)), com::CStr(c.value)) << c.property;
    Close(msaccess::acForm, "Orders", kSaveYes);
    EXPECT_EQ(StoredLines(msaccess::acForm, "Orders"), Replaced(before, c.at, c.count, c.lines))
        << c.control << "." << c.property;
  }
}

TEST_F(DesignForm, ClosingWithoutSavingLeavesTheText) {
  Start({{"Orders", OrdersForm()}});
  const std::string before = Stored(msaccess::acForm, "Orders");
  auto form = OpenForm("Orders");
  form->Let("Caption", com::Variant("Changed"));
  EXPECT_EQ(ErrorOf([&] { Close(msaccess::acForm, "Orders", 3); }).Number(), 5);
  Close(msaccess::acForm, "Orders", kSaveNo);
  EXPECT_EQ(Stored(msaccess::acForm, "Orders"), before);
  EXPECT_EQ(OpenCount("Forms"), 0);
}

TEST_F(DesignForm, AskingToSaveAChangedFormShowsAccesssDialogToTheHooks) {
  Start({{"Orders", OrdersForm()}});
  const std::string before = Stored(msaccess::acForm, "Orders");
  auto& windows = machine.windows();
  std::vector<std::string> dialogs;
  // A hook that presses Enter in every dialog, as the driver's does.
  const auto hook = windows.SetWindowsHookEx(
      platform::Windows::WH_CBT,
      [&](std::int32_t code, std::int32_t window, std::uintptr_t) {
        if (code == platform::Windows::HCBT_CREATEWND && windows.GetClassName(window) == "#32770") {
          dialogs.push_back(windows.GetWindowText(window));
          windows.PostMessage(window, platform::Windows::WM_KEYDOWN, 13, 0);
        }
        return 0;
      },
      0);
  OpenForm("Orders");
  Close(msaccess::acForm, "Orders", kSavePrompt);  // unchanged: no question
  EXPECT_TRUE(dialogs.empty());

  OpenForm("Orders")->Let("Caption", com::Variant("Client orders"));
  Close(msaccess::acForm, "Orders", kSavePrompt);
  EXPECT_EQ(dialogs, std::vector<std::string>{"Microsoft Access"});
  EXPECT_NE(Stored(msaccess::acForm, "Orders"), before);
  EXPECT_EQ(OpenCount("Forms"), 0);
  windows.UnhookWindowsHookEx(hook);
}

TEST_F(DesignForm, AQuestionNobodyAnswersCancelsTheCloseAndKeepsTheForm) {
  Start({{"Orders", OrdersForm()}});
  const std::string before = Stored(msaccess::acForm, "Orders");
  auto form = OpenForm("Orders");
  form->Let("Caption", com::Variant("Client orders"));
  const std::size_t windows = TopLevelWindowCount();
  const auto error = ErrorOf([&] { Close(msaccess::acForm, "Orders", kSavePrompt); });
  EXPECT_EQ(error.Number(), 2501);
  EXPECT_EQ(error.Description(), "The Close action was canceled.");
  EXPECT_EQ(Stored(msaccess::acForm, "Orders"), before);
  EXPECT_EQ(OpenCount("Forms"), 1);
  EXPECT_EQ(com::CStr(form->Get("Caption")), "Client orders");
  EXPECT_EQ(TopLevelWindowCount(), windows);  // no dialog left behind
}

TEST_F(DesignForm, AChangedFormTheUserClosesWithoutAnAnswerStaysOpen) {
  Start({{"Orders", OrdersForm()}});
  auto form = OpenForm("Orders");
  const HWND window = Child(Child(access->Main().Handle(), "MDIClient"), "OForm");
  machine.windows().PostMessage(window, platform::Windows::WM_CLOSE, 0, 0);
  EXPECT_EQ(OpenCount("Forms"), 0);  // unchanged: closed without a question

  form = OpenForm("Orders");
  form->Let("Caption", com::Variant("Client orders"));
  machine.windows().PostMessage(Child(Child(access->Main().Handle(), "MDIClient"), "OForm"),
                                platform::Windows::WM_CLOSE, 0, 0);
  EXPECT_EQ(OpenCount("Forms"), 1);
  EXPECT_EQ(com::CStr(form->Get("Caption")), "Client orders");
}

TEST_F(DesignForm, ClosingTheDatabaseDropsAChangedDesignUnsaved) {
  Start({{"Orders", OrdersForm()}});
  const std::string before = Stored(msaccess::acForm, "Orders");
  auto form = OpenForm("Orders");
  auto combo = Control(*form, "cboShipper");
  form->Let("Caption", com::Variant("Client orders"));
  access->CloseCurrentDatabase();
  EXPECT_EQ(Stored(msaccess::acForm, "Orders"), before);
  EXPECT_EQ(ErrorOf([&] { combo->Get("Name"); }).Number(), 2467);
}

TEST_F(DesignForm, FormsGivesTheLiveFormInEveryView) {
  Start({{"Orders", OrdersForm()}});
  auto form = OpenForm("Orders");
  EXPECT_EQ(com::CLng(form->Get("CurrentView")), 0);
  EXPECT_FALSE(com::CBool(form->Get("Visible")));
  auto forms = com::CObj(access->Get("Forms"));
  EXPECT_EQ(com::CObj(forms->Call("Item", {com::Variant(0)})), form);
  EXPECT_EQ(Children(Child(access->Main().Handle(), "MDIClient")),
            (std::vector<std::pair<std::string, std::string>>{{"ODb", "Sales : Database"},
                                                              {"OForm", "Orders : Form"}}));
  Close(msaccess::acForm, "Orders", kSaveNo);
  EXPECT_EQ(ErrorOf([&] { form->Get("Caption"); }).Number(), 2467);

  DoCmd(*access)->Call("OpenForm", {com::Variant("Orders")});
  form = com::CObj(forms->Call("Item", {com::Variant("ORDERS")}));
  EXPECT_EQ(com::CLng(form->Get("CurrentView")), 1);
  EXPECT_EQ(com::CStr(form->Get("RecordSource")), "Orders");
  EXPECT_TRUE(com::CBool(form->Get("Visible")));
}

TEST_F(DesignForm, OmittedPropertiesAnswerAccesssDefaultsInTheirTypes) {
  Start({{"Orders", OrdersForm()}});
  auto form = OpenForm("Orders");
  struct Case {
    std::string control;
    std::string property;
    com::Variant value;
  };
  const std::vector<Case> cases = {
      {"", "AllowEdits", com::Variant(true)},
      {"", "RecordSelectors", com::Variant(false)},
      {"", "GridX", com::Variant(std::int16_t{24})},
      {"", "Width", com::Variant(std::int16_t{9000})},
      {"", "BorderStyle", com::Variant(std::uint8_t{2})},
      {"", "DatasheetGridlinesColor", com::Variant(12632256)},
      {"", "TimerInterval", com::Variant(0)},
      {"", "Picture", com::Variant("(none)")},
      {"", "OnClose", com::Variant("")},
      {"cboShipper", "ListRows", com::Variant(std::int16_t{8})},
      {"cboShipper", "RowSourceType", com::Variant("Table/Query")},
      {"cboShipper", "DecimalPlaces", com::Variant(std::uint8_t{255})},
      {"cboShipper", "SpecialEffect", com::Variant(std::uint8_t{2})},
      {"lblTitle", "FontName", com::Variant("Tahoma")},
      // The form's default text box sets the font of its text boxes.
      {"txtNotes", "FontName", com::Variant("Arial")},
      {"txtNotes", "Visible", com::Variant(false)},
      {"lblCustomerID", "BackStyle", com::Variant(std::uint8_t{0})},
      {"cmdClose", "Cancel", com::Variant(false)},
      {"optOpen", "OptionValue", com::Variant(1)},
      {"ocxCalendar", "OLEClass", com::Variant("Calendar Control 9.0")},
  };
  for (const auto& c : cases) {
    auto target = c.control.empty() ? form : Control(*form, c.control);
    const com::Variant value = target->Get(c.property);
    EXPECT_EQ(value.Type(), c.value.Type()) << c.control << "." << c.property;
    EXPECT_EQ(com::CStr(value), com::CStr(c.value)) << c.control << "." << c.property;
  }
}

// A number written otherwise than as a whole number that fits the property's
// type reads as Visual Basic converts it: rounded half to even, or refused
// with 6 when it does not fit.
TEST_F(DesignForm, NumbersOfTheTextReadAsVisualBasicConvertsThem) {
  Start({{"Numbers",
          {"Version =20", "VersionRequired =20", "Begin Form", "    GridX =24.5", "    GridY =25.5",
           "    Width =40000", "    RowHeight =-32768", "    TimerInterval =-7",
           "    BorderStyle =256", "    Cycle =002", "End"}}});
  auto form = OpenForm("Numbers");
  const std::vector<std::pair<std::string, com::Variant>> reads = {
      {"GridX", com::Variant(std::int16_t{24})},
      {"GridY", com::Variant(std::int16_t{26})},
      {"RowHeight", com::Variant(std::int16_t{-32768})},
      {"TimerInterval", com::Variant(-7)},
      {"Cycle", com::Variant(std::uint8_t{2})},
  };
  for (const auto& [property, expected] : reads) {
    const com::Variant value = form->Get(property);
    EXPECT_EQ(value.Type(), expected.Type()) << property;
    EXPECT_EQ(com::CStr(value), com::CStr(expected)) << property;
  }
  for (const char* property : {"Width", "BorderStyle"})
    EXPECT_EQ(ErrorOf([&] { form->Get(property); }).Number(), 6) << property;
}

TEST_F(DesignForm, PropertiesAKindDoesNotHaveAreRefused) {
  Start({{"Orders", OrdersForm()}}, {{"rptCustomerOrders", SampleLines("reports/rptCustomerOrders.bas")}});
  auto form = OpenForm("Orders");
  auto detail = com::CObj(form->Call("Section", {com::Variant(0)}));
  auto report = OpenReport("rptCustomerOrders");
  struct Case {
    com::ObjectRef object;
    std::string property;
    std::int32_t error;
  };
  const std::vector<Case> cases = {
      {Control(*form, "txtNotes"), "Caption", 438},
      {Control(*form, "lblTitle"), "ControlSource", 438},
      {form, "OnNoData", 438},
      {report, "AllowEdits", 438},
      {detail, "OnFormat", 2455},
      {detail, "RepeatSection", 2455},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ErrorOf([&] { c.object->Get(c.property); }).Number(), c.error) << c.property;
    EXPECT_EQ(ErrorOf([&] { c.object->Let(c.property, com::Variant("x")); }).Number(), c.error)
        << c.property;
  }
  EXPECT_EQ(ErrorOf([&] { detail->Get("OnFormat"); }).Description(),
            "You entered an expression that has an invalid reference to the property OnFormat.");
  auto group_header = com::CObj(report->Call("Section", {com::Variant("GroupHeader0")}));
  group_header->Let("OnFormat", com::Variant("=Shade()"));
  EXPECT_EQ(com::CStr(group_header->Get("OnFormat")), "=Shade()");
  form->Let("Picture", com::Variant(""));
  EXPECT_EQ(com::CStr(form->Get("Picture")), "(none)");
  EXPECT_EQ(ErrorOf([&] { form->Let("FrozenColumns", com::Variant(2)); }).Number(), 2135);
  EXPECT_EQ(ErrorOf([&] { form->Let("PictureSizeMode", com::Variant(2)); }).Number(), 2101);
  EXPECT_EQ(ErrorOf([&] { form->Let("GridX", com::Variant(70000)); }).Number(), 6);
  Close(msaccess::acForm, "Orders", kSaveNo);
}

TEST_F(DesignForm, SectionsAreThoseTheTextHas) {
  // Sections the text gives no name have those Access gives new ones.
  const std::vector<std::string> unnamed_report = {
      "Version =20",     "Begin Report",           "    Begin",
      "        Begin FormHeader", "            Height =400", "        End",
      "        Begin PageHeader", "        End",     "        Begin Section",
      "        End",      "        Begin BreakFooter", "            BreakLevel =1",
      "        End",      "    End",               "End"};
  Start({{"Orders", OrdersForm()}, {"frmCustomers", SampleLines("forms/frmCustomers.bas")}},
        {{"rptCustomerOrders", SampleLines("reports/rptCustomerOrders.bas")},
         {"rptUnnamed", unnamed_report}});
  auto orders = OpenForm("Orders");
  EXPECT_EQ(com::CStr(com::CObj(orders->Call("Section", {com::Variant(0)}))->Get("Name")), "Detail");
  EXPECT_EQ(com::CStr(com::CObj(orders->Call("Section", {com::Variant(1)}))->Get("Name")),
            "FormHeader");
  for (const std::int32_t missing : {2, 3, 4, 5, -1}) {
    const auto error = ErrorOf([&] { orders->Call("Section", {com::Variant(missing)}); });
    EXPECT_EQ(error.Number(), 2462) << missing;
    EXPECT_EQ(error.Description(), "The section number you entered is invalid.");
  }
  auto customers = OpenForm("frmCustomers");
  EXPECT_EQ(ErrorOf([&] { customers->Call("Section", {com::Variant(1)}); }).Number(), 2462);
  auto report = OpenReport("rptCustomerOrders");
  EXPECT_TRUE(com::CBool(report->Get("Visible")));
  report->Let("Visible", com::Variant(false));
  EXPECT_FALSE(com::CBool(report->Get("Visible")));
  auto header = com::CObj(report->Call("Section", {com::Variant(5)}));  // group level 0
  EXPECT_EQ(com::CStr(header->Get("Name")), "GroupHeader0");
  EXPECT_EQ(com::CStr(com::CObj(report->Call("Section", {com::Variant(6)}))->Get("Name")),
            "GroupFooter1");
  EXPECT_EQ(com::CLng(header->Get("Height")), 360);
  EXPECT_EQ(com::CLng(com::CObj(header->Get("Controls"))->Get("Count")), 1);
  EXPECT_EQ(com::CLng(com::CObj(report->Call("Section", {com::Variant(0)}))->Get("BackColor")),
            16777215);
  EXPECT_EQ(com::CLng(com::CObj(orders->Call("Section", {com::Variant(0)}))->Get("BackColor")),
            -2147483633);

  auto unnamed = OpenReport("rptUnnamed");
  const std::vector<std::pair<std::int32_t, std::string>> names = {
      {0, "Detail"}, {1, "ReportHeader"}, {3, "PageHeaderSection"}, {8, "GroupFooter3"}};
  for (const auto& [number, name] : names)
    EXPECT_EQ(com::CStr(com::CObj(unnamed->Call("Section", {com::Variant(number)}))->Get("Name")),
              name);

  auto detail = com::CObj(orders->Call("Section", {com::Variant(0)}));
  for (const std::string taken : {"FormHeader", "formheader", "cboShipper", "txtCustomer_ID"})
    EXPECT_EQ(ErrorOf([&] { detail->Let("Name", com::Variant(taken)); }).Number(), 2104) << taken;
  detail->Let("Name", com::Variant("Body"));
  EXPECT_EQ(com::CStr(com::CObj(orders->Call("Section", {com::Variant("body")}))->Get("Name")),
            "Body");
}

}  // namespace
}  // namespace access_test
