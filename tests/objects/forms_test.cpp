// Forms, their sections and controls: the form list, the mode switch over
// Access's design view with its refusals and roll-back, control and section
// properties and renames, and a form's code.

#include <gtest/gtest.h>

#include "com/text.h"
#include "driver/project.h"
#include "objects/code/procedures.h"
#include "objects/documents/control.h"
#include "objects/documents/control_types.h"
#include "objects/documents/controls.h"
#include "objects/documents/form.h"
#include "objects/documents/section.h"
#include "objects/documents/sections.h"
#include "platform/access.h"
#include "sim/access/application.h"
#include "sim/access/document_windows.h"
#include "sim/machine.h"
#include "support/access_documents_test.h"
#include "support/error_matchers.h"
#include "support/object_lists.h"

namespace {

using testing_support::ErrorOf;
using testing_support::Message;

const std::vector<std::string> kOrdersForm = {
    "Version =20",
    "VersionRequired =20",
    "Begin Form",
    "    DefaultView =0",
    "    Width =7200",
    "    RecordSource =\"Orders\"",
    "    Caption =\"Orders by CustomerID\"",
    "    OnOpen =\"[Event Procedure]\"",
    "    RecSrcDt = Begin",
    "        0x10330ea8d101e440",
    "    End",
    "    Begin",
    "        Begin Label",
    "            BackStyle =0",
    "        End",
    "        Begin FormHeader",
    "            Height =480",
    "            Name =\"FormHeader\"",
    "        End",
    "        Begin Section",
    "            Height =2400",
    "            Name =\"Detail\"",
    "            Begin",
    "                Begin TextBox",
    "                    Left =1800",
    "                    Width =1440",
    "                    Height =255",
    "                    Name =\"txtCustomerID\"",
    "                    ControlSource =\"CustomerID\"",
    "                    Begin",
    "                        Begin Label",
    "                            Left =240",
    "                            Width =1440",
    "                            Height =255",
    "                            Name =\"lblCustomerID\"",
    "                            Caption =\"CustomerID:\"",
    "                        End",
    "                    End",
    "                End",
    "                Begin CommandButton",
    "                    Cancel = NotDefault",
    "                    Left =3600",
    "                    Width =1440",
    "                    Height =360",
    "                    Name =\"cmdFindCustomerID\"",
    "                    Caption =\"Find\"",
    "                    OnClick =\"[Event Procedure]\"",
    "                End",
    "                Begin CommandButton",
    "                    Left =5400",
    "                    Width =1440",
    "                    Height =360",
    "                    Name =\"My Control\"",
    "                    EventProcPrefix =\"My_Control\"",
    "                    Caption =\"Other\"",
    "                End",
    "            End",
    "        End",
    "        Begin FormFooter",
    "            Height =480",
    "            Name =\"FormFooter\"",
    "        End",
    "    End",
    "End",
    "CodeBehindForm",
    "Option Compare Database",
    "",
    "Private Sub Form_Open(Cancel As Integer)",
    "    Me.Caption = \"Orders\"",
    "End Sub",
    "",
    "Private Sub cmdFindCustomerID_Click()",
    "    Me.Filter = \"CustomerID = '\" & Me!txtCustomerID & \"'\"",
    "End Sub"};

const std::vector<std::string> kPlainForm = {
    "Version =20",        "VersionRequired =20",  "Begin Form",
    "    Width =2880",    "    Begin",            "        Begin Section",
    "            Height =1200", "            Name =\"Detail\"", "        End",
    "    End",            "End"};

class FormsTest : public testing_support::AccessDocumentsTest {
 protected:
  FormsTest() {
    Store(msaccess::acForm, "frmOrders", kOrdersForm);
    Store(msaccess::acForm, "frmPlain", kPlainForm);
    OpenProject();
  }

  std::shared_ptr<objects::Form> Form(const std::string& name = "frmOrders") {
    return Object<objects::Form>("Forms", name);
  }
  std::string Stored(const std::string& name = "frmOrders") {
    return AccessDocumentsTest::Stored(msaccess::acForm, name);
  }
  static std::shared_ptr<objects::Control> Control(objects::Form& form, const std::string& name) {
    return form.GetControls()->Item(com::Variant(name));
  }
  static std::vector<std::string> Names(objects::Controls& controls) {
    std::vector<std::string> names;
    for (std::int32_t i = 0; i < controls.Count(); ++i)
      names.push_back(controls.Item(com::Variant(i))->Name());
    return names;
  }
  void UserOpens(const std::string& form, std::int32_t view) {
    DoCmd(*Access())->Call("OpenForm", {com::Variant(form), com::Variant(view)});
  }
  std::vector<std::string> OpenForms() { return Access()->Documents()->OpenNames(msaccess::acForm); }
  std::size_t Hooks() { return machine.windows().HookCount(); }
};

TEST_F(FormsTest, ListsTheFormsWithTheirDesignCommand) {
  auto forms = project_->IProject_GetCollection("Forms");
  const auto list = testing_support::ParseObjectList(forms->ICollection_EnumObjects());
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(list.at("frmOrders"),
            (std::vector<std::string>{"frmOrders", "2", "", "1", "1", "1", "0"}));
  EXPECT_EQ(forms->ICollection_EnumObjectCommands("frmOrders"),
            "&Design\t26\tFalse\tOpen the form in design view.");
  forms->ICollection_ExecuteObjectCommand("frmOrders", 0);
  EXPECT_EQ(OpenForms(), std::vector<std::string>{"frmOrders"});
}

TEST_F(FormsTest, AScanReadsTheFormItsSectionsControlsAndCodeAndLeavesNothingOpen) {
  const std::string before = Stored();
  auto form = Form();
  form->SetMode(driver::kModeScan);
  EXPECT_EQ(com::CStr(form->Get("Caption")), "Orders by CustomerID");
  EXPECT_EQ(com::CStr(form->Get("RecordSource")), "Orders");
  EXPECT_EQ(com::CLng(form->Get("DefaultView")), 0);
  EXPECT_EQ(ErrorOf([&] { form->Get("ServerFilter"); }).Number(), -32749);

  auto sections = form->GetSections();
  ASSERT_EQ(sections->Count(), 3);
  EXPECT_EQ(sections->Item(com::Variant(0))->Name(), "Detail");
  EXPECT_EQ(ErrorOf([&] { sections->Item(com::Variant(0))->Get("OnFormat"); }).Number(), -32749);

  auto controls = form->GetControls();
  EXPECT_EQ(Names(*controls), (std::vector<std::string>{"txtCustomerID", "lblCustomerID",
                                                        "cmdFindCustomerID", "My Control"}));
  auto text_box = Control(*form, "txtCustomerID");
  EXPECT_EQ(text_box->ControlType(), objects::acTextBox);
  EXPECT_EQ(com::CStr(text_box->Get("ControlSource")), "CustomerID");
  EXPECT_EQ(Message(ErrorOf([&] { text_box->Get("Caption"); })), "Undefined property.");

  EXPECT_EQ(form->GetProcedures()->Count(), 3);
  EXPECT_EQ(Hooks(), 1u);
  form->SetMode(driver::kModeClosed);
  EXPECT_TRUE(OpenForms().empty());
  EXPECT_TRUE(Access()->Documents()->OpenNames(msaccess::acModule).empty());
  EXPECT_EQ(Hooks(), 0u);
  EXPECT_EQ(Stored(), before);
}

TEST_F(FormsTest, AnUpdateWithoutChangesKeepsTheTextByteForByte) {
  const std::string before = Stored();
  auto form = Form();
  form->SetMode(driver::kModeUpdate);
  form->GetControls();
  form->GetProcedures();
  form->SetMode(driver::kModeClosed);
  EXPECT_EQ(Stored(), before);
}

TEST_F(FormsTest, AFormWithoutHeaderOrModuleHasItsDetailSectionAndNoProcedures) {
  auto form = Form("frmPlain");
  form->SetMode(driver::kModeScan);
  ASSERT_EQ(form->GetSections()->Count(), 1);
  EXPECT_EQ(form->GetSections()->Item(com::Variant("Detail"))->Name(), "Detail");
  EXPECT_EQ(form->GetProcedures()->Count(), 0);
  EXPECT_EQ(form->GetControls()->Count(), 0);
  form->SetMode(driver::kModeClosed);
}

TEST_F(FormsTest, AnUpdateChangesAControlItsNameAndItsEventProcedureTogether) {
  auto form = Form();
  form->SetMode(driver::kModeUpdate);
  auto button = Control(*form, "cmdFindCustomerID");
  Control(*form, "txtCustomerID")->Let("ControlSource", com::Variant("ClientID"));
  auto click = form->GetProcedures()->Item(com::Variant("cmdFindCustomerID_Click"));
  click->SetText(com::Join({"Private Sub cmdFindClientID_Click()",
                            "    Me.Filter = \"ClientID = '\" & Me!txtCustomerID & \"'\"",
                            "End Sub"},
                           com::kCrLf));
  button->SetName("cmdFindClientID");
  EXPECT_EQ(form->GetControls()->Item(com::Variant("cmdFindClientID")), button);
  form->SetMode(driver::kModeClosed);

  const std::string text = Stored();
  EXPECT_NE(text.find("ControlSource =\"ClientID\""), std::string::npos);
  EXPECT_NE(text.find("Name =\"cmdFindClientID\""), std::string::npos);
  EXPECT_NE(text.find("Private Sub cmdFindClientID_Click()"), std::string::npos);
  EXPECT_EQ(text.find("cmdFindCustomerID"), std::string::npos);
  EXPECT_NE(text.find("OnClick =\"[Event Procedure]\""), std::string::npos);
}

TEST_F(FormsTest, ControlRenamesFollowVisualBasicsUnderscoreRule) {
  auto form = Form();
  form->SetMode(driver::kModeUpdate);
  auto other = Control(*form, "My Control");
  other->SetName("My_Control");
  EXPECT_EQ(other->Name(), "My_Control");
  other->SetName("My_Control");
  EXPECT_EQ(form->GetControls()->Item(com::Variant("My_Control")), other);
  const auto refused = ErrorOf([&] { Control(*form, "txtCustomerID")->SetName("my#control"); });
  EXPECT_EQ(Message(refused),
            "The control name 'my#control' is already in use. Note: Visual Basic maps spaces and "
            "punctuation characters in control names to underscores, so 'My Control', "
            "'My_Control', and 'My#Control' are treated as duplicate names.");
  EXPECT_EQ(Control(*form, "txtCustomerID")->Name(), "txtCustomerID");
  form->SetMode(driver::kModeClosed);
  EXPECT_NE(Stored().find("Name =\"My_Control\""), std::string::npos);
}

TEST_F(FormsTest, LetsWithRules) {
  auto form = Form();
  form->SetMode(driver::kModeUpdate);
  auto find = Control(*form, "cmdFindCustomerID");
  auto other = Control(*form, "My Control");
  const auto refused = ErrorOf([&] { other->Let("Cancel", com::Variant(true)); });
  EXPECT_EQ(Message(refused),
            "Can't make this control the cancel button because control 'cmdFindCustomerID' is "
            "already the cancel button.");
  other->Let("Cancel", com::Variant(false));
  find->Let("Cancel", com::Variant(true));
  other->Let("Default", com::Variant(true));
  EXPECT_TRUE(com::CBool(other->Get("Default")));

  auto label = Control(*form, "lblCustomerID");
  EXPECT_THROW(label->Let("BackStyle", com::Variant(2)), com::Error);
  label->Let("BackStyle", com::Variant(1));
  EXPECT_EQ(com::CLng(label->Get("BackStyle")), 1);

  find->Let("Picture", com::Variant("C:\\find.bmp"));
  find->Let("Picture", com::Variant("(NONE)"));
  EXPECT_EQ(com::CStr(find->Get("Picture")), "(none)");
  form->Let("Picture", com::Variant("(none)"));
  EXPECT_EQ(com::CStr(form->Get("Picture")), "(none)");
  form->SetMode(driver::kModeClosed);
}

TEST_F(FormsTest, SectionNamesStayUnique) {
  auto form = Form();
  form->SetMode(driver::kModeUpdate);
  auto header = form->GetSections()->Item(com::Variant("FormHeader"));
  const auto refused = ErrorOf([&] { header->SetName("Detail"); });
  EXPECT_EQ(Message(refused), "Section name 'Detail' is already in use.");
  header->SetName("OrdersHeader");
  EXPECT_EQ(form->GetSections()->Item(com::Variant("OrdersHeader")), header);
  form->SetMode(driver::kModeClosed);
  EXPECT_NE(Stored().find("Name =\"OrdersHeader\""), std::string::npos);
}

TEST_F(FormsTest, AFormTheUserHasOpenIsScannedInDesignViewAndNeverChanged) {
  UserOpens("frmOrders", msaccess::acViewDesign);
  auto form = Form();
  form->SetMode(driver::kModeScan);
  EXPECT_EQ(form->GetControls()->Count(), 4);
  form->SetMode(driver::kModeClosed);
  EXPECT_EQ(OpenForms(), std::vector<std::string>{"frmOrders"});

  const auto refused = ErrorOf([&] { form->SetMode(driver::kModeUpdate); });
  EXPECT_EQ(Message(refused), "Couldn't save changes safely because the form was already open.");
  EXPECT_EQ(form->Mode(), driver::kModeClosed);
  EXPECT_EQ(OpenForms(), std::vector<std::string>{"frmOrders"});
  EXPECT_EQ(Hooks(), 0u);
}

TEST_F(FormsTest, AFormOpenInFormViewIsNotScanned) {
  UserOpens("frmOrders", 0);
  const auto refused = ErrorOf([&] { Form()->SetMode(driver::kModeScan); });
  EXPECT_EQ(Message(refused),
            "Couldn't open the form in design view because it was already open in another view.");
  EXPECT_EQ(OpenForms(), std::vector<std::string>{"frmOrders"});
}

TEST_F(FormsTest, AnOpenModuleStopsAnUpdateAndStaysOpen) {
  DoCmd(*Access())->Call("OpenModule", {com::Variant("Form_frmOrders")});
  auto form = Form();
  const auto refused = ErrorOf([&] { form->SetMode(driver::kModeUpdate); });
  EXPECT_EQ(Message(refused),
            "Couldn't save changes safely because the form's module was already open.");
  EXPECT_TRUE(OpenForms().empty());
  EXPECT_EQ(Access()->Documents()->OpenNames(msaccess::acModule),
            std::vector<std::string>{"Form_frmOrders"});
  form->SetMode(driver::kModeScan);
  EXPECT_EQ(form->GetProcedures()->Count(), 3);
  form->SetMode(driver::kModeClosed);
  EXPECT_EQ(Access()->Documents()->OpenNames(msaccess::acModule),
            std::vector<std::string>{"Form_frmOrders"});
}

TEST_F(FormsTest, UnderSourceControlEveryFormMayBeOpenedOnlyWhileTheDriverOpensOne) {
  project_->IProject_Deactivate();
  BuildSales([](sim::jet::DatabaseBuilder& db) {
    db.DatabaseProperty({"SccPath", dao::dbText, com::Variant("$/Sales")});
    for (const char* name : {"frmOrders", "frmPlain"})
      db.Document({.container = "Forms",
                   .name = name,
                   .properties = {{"SccStatus", dao::dbLong, com::Variant(1)}}});
  });
  Store(msaccess::acForm, "frmOrders", kOrdersForm);
  Store(msaccess::acForm, "frmPlain", kPlainForm);
  OpenProject();
  const auto list = testing_support::ParseObjectList(
      project_->IProject_GetCollection("Forms")->ICollection_EnumObjects());
  EXPECT_EQ(list.at("frmOrders").at(4), "0");
  auto status = [&](const char* name) {
    return com::CLng(project_->CurrentDB()
                         ->GetContainers()
                         ->Item("Forms")
                         ->GetDocuments()
                         ->Item(name)
                         ->GetProperties()
                         ->Item("SccStatus")
                         ->Value());
  };
  auto form = Form();
  form->SetMode(driver::kModeScan);
  EXPECT_EQ(status("frmOrders"), 1);
  EXPECT_EQ(status("frmPlain"), 1);
  form->SetMode(driver::kModeClosed);
  EXPECT_THROW(Form("frmMissing")->SetMode(driver::kModeScan), com::Error);
  EXPECT_EQ(status("frmOrders"), 1);
  EXPECT_EQ(status("frmPlain"), 1);
}

TEST_F(FormsTest, RenamingSavesTheFormTakesItsModuleAlongAndReopensIt) {
  auto form = Form();
  form->SetMode(driver::kModeUpdate);
  Control(*form, "txtCustomerID")->Let("ControlSource", com::Variant("ClientID"));
  form->SetName("frmClientOrders");
  EXPECT_EQ(form->Mode(), driver::kModeUpdate);
  EXPECT_EQ(form->GetProcedures()->Count(), 3);
  form->SetMode(driver::kModeClosed);
  const std::string text = Stored("frmClientOrders");
  EXPECT_NE(text.find("ControlSource =\"ClientID\""), std::string::npos);
  EXPECT_NE(text.find("Private Sub cmdFindCustomerID_Click()"), std::string::npos);

  form->SetDescription("Orders of one client");
  EXPECT_EQ(Form("frmClientOrders")->Description(), "Orders of one client");

  Access()->Documents()->OpenRelationships();
  const auto refused = ErrorOf([&] { form->SetName("frmOther"); });
  EXPECT_NE(Message(refused).find("Can't rename this object while the Relationships window is open."),
            std::string::npos);
  EXPECT_EQ(form->Name(), "frmClientOrders");
  EXPECT_EQ(Hooks(), 0u);
}

}  // namespace
