#include "ui/frm_project_parameters.h"

#include "com/text.h"
#include "host/file_dialog.h"
#include "host/parameter_set.h"
#include "host/registry_key.h"
#include "platform/system.h"
#include "shared/validation.h"
#include "shared/vxhandler.h"
#include "ui/mouse_ptr.h"
#include "ui/parameters_validation.h"
#include "ui/user_guide.h"

namespace ui {
namespace {

using Win = platform::Windows;

constexpr const char* kForm = "frmProjectParameters";
constexpr const char* kMessageTitle = "Quillnet";

enum FormControl : std::int32_t {
  cmdOK = Win::IDOK,
  cmdCancel = Win::IDCANCEL,
  cboDatabaseType = 101,
  txtDatabase,
  cmdDatabasePath,
  txtDatabasePassword,
  cboWorkgroup,
  cmdWorkgroupPath,
  txtUsername,
  txtPassword,
  chkExcludeQueryFields,
  chkExcludeLinkedTableFields,
};

// The text and combo boxes that the project type enables and disables.
constexpr FormControl kDatabaseOnly[] = {txtDatabasePassword, cboWorkgroup, cmdWorkgroupPath,
                                     txtUsername,         txtPassword,  chkExcludeQueryFields,
                                     chkExcludeLinkedTableFields};
constexpr FormControl kTextBoxes[] = {txtDatabase, txtDatabasePassword, cboWorkgroup, txtUsername,
                              txtPassword};

constexpr std::int32_t kColorWindow = 5;
constexpr std::int32_t kColorButtonFace = 15;
constexpr std::int32_t kTopicMain = tovrinTopicMain;
constexpr std::uint32_t kPathAndFileMustExist =
    platform::Shell::OFN_PATHMUSTEXIST | platform::Shell::OFN_FILEMUSTEXIST;  // 6144
constexpr std::uint32_t kPerformanceStyle = platform::Shell::MB_YESNO |
                                            platform::Shell::MB_ICONEXCLAMATION |
                                            platform::Shell::MB_HELP;  // 16436

constexpr std::int32_t kLabelStyle = 0;
constexpr std::int32_t kTabStop = Win::WS_TABSTOP;

// One window of the form, in tab order; labels come right before the control
// they name, as the dialog manager looks for them.
struct ControlLayout {
  const char* class_name;
  const char* text;
  std::int32_t style;
  Win::Rect rect;
  std::int32_t id;
};

// Twenty pixels a row, eight a character: the terminal draws the same grid.
const ControlLayout kFormLayout[] = {
    {"Button", "Database", Win::BS_GROUPBOX, {8, 0, 432, 80}, 0},
    {"Static", "&Type:", kLabelStyle, {16, 20, 96, 40}, 0},
    {"ComboBox", "", kTabStop | Win::CBS_DROPDOWNLIST, {104, 20, 424, 40}, cboDatabaseType},
    {"Static", "&Filename:", kLabelStyle, {16, 40, 96, 60}, 0},
    {"Edit", "", kTabStop, {104, 40, 392, 60}, txtDatabase},
    {"Button", "...", kTabStop, {400, 40, 424, 60}, cmdDatabasePath},
    {"Static", "&Password:", kLabelStyle, {16, 60, 96, 80}, 0},
    {"Edit", "", kTabStop | Win::ES_PASSWORD, {104, 60, 264, 80}, txtDatabasePassword},
    {"Static", "(optional)", kLabelStyle, {272, 60, 360, 80}, 0},
    {"Button", "Workgroup", Win::BS_GROUPBOX, {8, 100, 432, 180}, 0},
    {"Static", "File&name:", kLabelStyle, {16, 120, 96, 140}, 0},
    {"ComboBox", "", kTabStop | Win::CBS_DROPDOWN, {104, 120, 392, 140}, cboWorkgroup},
    {"Button", "...", kTabStop, {400, 120, 424, 140}, cmdWorkgroupPath},
    {"Static", "&Username:", kLabelStyle, {16, 140, 96, 160}, 0},
    {"Edit", "", kTabStop, {104, 140, 264, 160}, txtUsername},
    {"Static", "(optional)", kLabelStyle, {272, 140, 360, 160}, 0},
    {"Static", "Pass&word:", kLabelStyle, {16, 160, 96, 180}, 0},
    {"Edit", "", kTabStop | Win::ES_PASSWORD, {104, 160, 264, 180}, txtPassword},
    {"Static", "(optional)", kLabelStyle, {272, 160, 360, 180}, 0},
    {"Button", "Performance", Win::BS_GROUPBOX, {8, 200, 432, 260}, 0},
    {"Button", "Exclude &Query Fields  (recommended)", kTabStop | Win::BS_AUTOCHECKBOX,
     {16, 220, 424, 240}, chkExcludeQueryFields},
    {"Button", "Exclude &Linked Table Fields  (recommended)", kTabStop | Win::BS_AUTOCHECKBOX,
     {16, 240, 424, 260}, chkExcludeLinkedTableFields},
    {"Button", "OK", kTabStop | Win::BS_DEFPUSHBUTTON, {264, 276, 344, 296}, cmdOK},
    {"Button", "Cancel", kTabStop, {352, 276, 432, 296}, cmdCancel},
};
constexpr std::int32_t kFormWidth = 440;
constexpr std::int32_t kFormHeight = 300;

const char* const kProjectTypes[] = {"Microsoft Access Database (MDB)", "Microsoft Access Project (ADP)"};

Win& Dialogs() { return platform::System::Current().windows(); }

std::string DefaultWorkgroupFile() {
  host::RegistryKey key;
  key.OpenPath(frmProjectParameters::kEnginesKey);
  key.SetAccess(host::RegistryKey::kRead);
  const std::string workgroup = com::CStr(key.ReadValue("SystemDB", com::Variant("")));
  key.SetAccess(host::RegistryKey::kClosed);
  return workgroup;
}

std::int32_t ProjectTypeIndex(const std::string& project_type) {
  if (com::EqualsNoCase(project_type, "database")) return 0;
  if (com::EqualsNoCase(project_type, "project")) return 1;
  validation::RaiseInvalidCaseSelector(com::Variant(project_type));
}

// An event procedure: its errors go to the problem log under its own error
// context, and the dialog stays usable.
template <class F>
void EventProcedure(const char* procedure, F&& work) {
  const auto context = vxhandler::CreateContext("tovrin", kForm, procedure, true, true);
  vxhandler::Guard(kForm, procedure, std::forward<F>(work));
}

const std::string kPerformanceWarning =
    "You have chosen not to exclude Query Fields or Linked Table Fields when searching this "
    "project. This may dramatically increase the time required to execute a search.\r\n\r\n"
    "TIP: You probably don't need to inspect these field properties. To learn more, click "
    "Help.\r\n\r\nWould you like to go back and change your selection?";

}  // namespace

bool frmProjectParameters::Interact(std::string& parameters) {
  return vxhandler::Guard(kForm, "Interact", [&] {
    Load();
    try {
      Fill(parameters);
    } catch (...) {
      Unload();
      throw;
    }
    MousePtr pointer;
    pointer.SetPointer(0);
    Dialogs().RunModal(form_);
    form_ = 0;
    parameters = Parameters;
    return Confirmed;
  });
}

void frmProjectParameters::Load() {
  auto& screen = platform::System::Current().screen();
  const std::int32_t left = (screen.Width() - kFormWidth) / 2;
  const std::int32_t top = (screen.Height() - kFormHeight) / 2;
  form_ = Dialogs().CreateWindowEx(
      "#32770", kCaption, Win::WS_POPUP, {left, top, left + kFormWidth, top + kFormHeight}, 0, 0,
      [this](HWND, std::uint32_t message, std::intptr_t wparam, std::intptr_t lparam) {
        OnMessage(message, wparam, lparam);
      });
  for (const ControlLayout& c : kFormLayout)
    Dialogs().CreateWindowEx(c.class_name, c.text, c.style, c.rect, form_, c.id, nullptr);
}

void frmProjectParameters::Fill(const std::string& parameters) {
  const std::string workgroup = DefaultWorkgroupFile();
  const HWND workgroups = Dialogs().GetDlgItem(form_, cboWorkgroup);
  if (!workgroup.empty())
    Dialogs().SendMessage(workgroups, Win::CB_ADDSTRING, 0,
                          reinterpret_cast<std::intptr_t>(workgroup.c_str()));
  const HWND types = Dialogs().GetDlgItem(form_, cboDatabaseType);
  for (const char* type : kProjectTypes)
    Dialogs().SendMessage(types, Win::CB_ADDSTRING, 0, reinterpret_cast<std::intptr_t>(type));
  Parameters = parameters;

  host::ParameterSet set;
  set.SetText(parameters);
  Dialogs().SendMessage(types, Win::CB_SETCURSEL, ProjectTypeIndex(set.GetValue("ProjectType", "Database")),
                        0);
  Dialogs().SetWindowText(Dialogs().GetDlgItem(form_, txtDatabase), set.GetValue("Database", ""));
  Dialogs().SetWindowText(Dialogs().GetDlgItem(form_, txtDatabasePassword),
                          set.GetValue("DatabasePassword", ""));
  Dialogs().SetWindowText(workgroups, set.GetValue("Workgroup", workgroup));
  Dialogs().SetWindowText(Dialogs().GetDlgItem(form_, txtUsername), set.GetValue("Username", ""));
  Dialogs().SetWindowText(Dialogs().GetDlgItem(form_, txtPassword), set.GetValue("Password", ""));
  Dialogs().SendMessage(Dialogs().GetDlgItem(form_, chkExcludeQueryFields), Win::BM_SETCHECK,
                        set.GetValue("ExcludeQueryFields", "1") == "1", 0);
  Dialogs().SendMessage(Dialogs().GetDlgItem(form_, chkExcludeLinkedTableFields),
                        Win::BM_SETCHECK, set.GetValue("ExcludeLinkedTableFields", "1") == "1", 0);
  Confirmed = false;
  UpdateForm();
}

void frmProjectParameters::OnMessage(std::uint32_t message, std::intptr_t wparam,
                                     std::intptr_t lparam) {
  if (message == Win::WM_KEYDOWN)
    Form_KeyDown(static_cast<std::int32_t>(wparam), static_cast<std::int32_t>(lparam));
  if (message == Win::WM_COMMAND)
    OnCommand(static_cast<std::int32_t>(wparam & 0xFFFF),
              static_cast<std::int32_t>((wparam >> 16) & 0xFFFF));
}

void frmProjectParameters::OnCommand(std::int32_t id, std::int32_t code) {
  switch (id) {
    case cmdOK: return cmdOK_Click();
    case cmdCancel: return cmdCancel_Click();
    case cmdDatabasePath: return cmdDatabasePath_Click();
    case cmdWorkgroupPath: return cmdWorkgroupPath_Click();
    case cboDatabaseType:
      if (code == Win::CBN_SELCHANGE) cboDatabaseType_Click();
      return;
    case cboWorkgroup:
      if (code == Win::CBN_EDITCHANGE) cboWorkgroup_Change();
      if (code == Win::CBN_SELCHANGE) cboWorkgroup_Click();
      return;
    case txtDatabase: return txtDatabase_Change();
    case txtDatabasePassword: return txtDatabasePassword_Change();
    case txtUsername: return txtUsername_Change();
    case txtPassword: return txtPassword_Change();
    default: return;
  }
}

void frmProjectParameters::UpdateForm() {
  vxhandler::Guard(kForm, "UpdateForm", [&] {
    const bool project = ProjectChosen();
    for (FormControl c : kDatabaseOnly) Dialogs().EnableWindow(Dialogs().GetDlgItem(form_, c), !project);
    auto& screen = platform::System::Current().screen();
    for (FormControl c : kTextBoxes) {
      const HWND box = Dialogs().GetDlgItem(form_, c);
      Dialogs().SetBackColor(box, screen.GetSysColor(Dialogs().IsWindowEnabled(box)
                                                         ? kColorWindow
                                                         : kColorButtonFace));
    }
    Dialogs().EnableWindow(Dialogs().GetDlgItem(form_, cmdOK),
                           !Text(txtDatabase).empty() && (!Text(cboWorkgroup).empty() || project));
  });
}

void frmProjectParameters::cmdOK_Click() {
  EventProcedure("cmdOK_Click", [&] {
    if (!Accept()) return;
    host::ParameterSet set;
    set.PutValue("ProjectType", ProjectChosen() ? "Project" : "Database", false);
    set.PutValue("Database", com::Trim(Text(txtDatabase)), false);
    set.PutValue("DatabasePassword", com::Trim(Text(txtDatabasePassword)), true);
    set.PutValue("Workgroup", com::Trim(Text(cboWorkgroup)), false);
    set.PutValue("Username", com::Trim(Text(txtUsername)), false);
    set.PutValue("Password", com::Trim(Text(txtPassword)), true);
    set.PutValue("ExcludeQueryFields", Ticked(chkExcludeQueryFields) ? "1" : "0", false);
    set.PutValue("ExcludeLinkedTableFields", Ticked(chkExcludeLinkedTableFields) ? "1" : "0",
                 false);
    Parameters = set.Text();
    Confirmed = true;
    Unload();
  });
}

// The checks of the OK button; a refusal is a message and the dialog stays.
bool frmProjectParameters::Accept() {
  const bool project = ProjectChosen();
  const std::string message = ValidateProjectParameters(
      {project, com::Trim(Text(txtDatabase)), com::Trim(Text(txtDatabasePassword)),
       com::Trim(Text(cboWorkgroup)), com::Trim(Text(txtUsername)),
       com::Trim(Text(txtPassword))});
  if (!message.empty()) {
    Warn(message);
    return false;
  }
  if (project || (Ticked(chkExcludeQueryFields) && Ticked(chkExcludeLinkedTableFields)))
    return true;
  const std::int32_t answer = platform::System::Current().shell().MessageBox(
      kPerformanceWarning, "Performance Issue", kPerformanceStyle, UserGuide().Path(), kTopicMain);
  return answer != platform::Shell::IDYES;
}

void frmProjectParameters::cmdCancel_Click() {
  EventProcedure("cmdCancel_Click", [&] { Unload(); });
}

void frmProjectParameters::cmdDatabasePath_Click() {
  EventProcedure("cmdDatabasePath_Click", [&] {
    const bool project = ProjectChosen();
    const std::string file = ChooseFile(
        "Select Database...", project ? ".adp" : ".mdb",
        project ? "Microsoft Access Projects (*.adp)|*.adp|ADE Files (*.ade)|*.ade|"
                  "All Files (*.*)|*.*|"
                : "Microsoft Access Databases (*.mdb)|*.mdb|Add-ins (*.mda)|*.mda|"
                  "Workgroup Files (*.mdw)|*.mdw|MDE Files (*.mde)|*.mde|All Files (*.*)|*.*|",
        Text(txtDatabase));
    if (!file.empty()) Dialogs().SetWindowText(Dialogs().GetDlgItem(form_, txtDatabase), file);
  });
}

void frmProjectParameters::cmdWorkgroupPath_Click() {
  EventProcedure("cmdWorkgroupPath_Click", [&] {
    const std::string file =
        ChooseFile("Select Workgroup...", ".txt",
                   "Microsoft Access Workgroups (*.mdw)|*.mdw|All Files (*.*)|*.*|",
                   Text(cboWorkgroup));
    if (file.empty()) return;
    Dialogs().SetWindowText(Dialogs().GetDlgItem(form_, cboWorkgroup), file);
    UpdateForm();
  });
}

void frmProjectParameters::cboDatabaseType_Click() {
  EventProcedure("cboDatabaseType_Click", [&] { UpdateForm(); });
}

void frmProjectParameters::cboWorkgroup_Change() {
  EventProcedure("cboWorkgroup_Change", [&] { UpdateForm(); });
}

void frmProjectParameters::cboWorkgroup_Click() {
  EventProcedure("cboWorkgroup_Click", [&] { UpdateForm(); });
}

void frmProjectParameters::txtDatabase_Change() {
  EventProcedure("txtDatabase_Change", [&] { UpdateForm(); });
}

void frmProjectParameters::txtDatabasePassword_Change() {
  EventProcedure("txtDatabasePassword_Change", [&] { UpdateForm(); });
}

void frmProjectParameters::txtUsername_Change() {
  EventProcedure("txtUsername_Change", [&] { UpdateForm(); });
}

void frmProjectParameters::txtPassword_Change() {
  EventProcedure("txtPassword_Change", [&] { UpdateForm(); });
}

void frmProjectParameters::Form_KeyDown(std::int32_t key_code, std::int32_t shift) {
  EventProcedure("Form_KeyDown", [&] {
    if (key_code != Win::VK_F1) return;
    if (!(shift & Win::kShiftMask)) return ShowHelp("", kTopicMain);
    const auto log = vxhandler::ProblemLog();
    if (log->Count() > 0) log->Show();
  });
}

bool frmProjectParameters::ProjectChosen() {
  return Dialogs().SendMessage(Dialogs().GetDlgItem(form_, cboDatabaseType), Win::CB_GETCURSEL, 0,
                               0) == 1;
}

std::string frmProjectParameters::Text(std::int32_t control) {
  return Dialogs().GetWindowText(Dialogs().GetDlgItem(form_, control));
}

bool frmProjectParameters::Ticked(std::int32_t control) {
  return Dialogs().SendMessage(Dialogs().GetDlgItem(form_, control), Win::BM_GETCHECK, 0, 0) != 0;
}

// The chosen path, or the empty string when the user cancelled.
std::string frmProjectParameters::ChooseFile(const std::string& title,
                                             const std::string& default_extension,
                                             const std::string& filter, const std::string& file) {
  host::FileDialog dialog;
  dialog.Title = title;
  dialog.DefaultExt = default_extension;
  dialog.Filter = filter;
  dialog.FilterIndex = 1;
  dialog.Flags = kPathAndFileMustExist;
  dialog.Owner = form_;
  dialog.FileName = file;
  return dialog.Show() ? dialog.FileName : std::string();
}

void frmProjectParameters::Warn(const std::string& text) {
  platform::System::Current().shell().MessageBox(text, kMessageTitle,
                                                 platform::Shell::MB_ICONEXCLAMATION);
}

void frmProjectParameters::Unload() {
  Dialogs().DestroyWindow(form_);
}

}  // namespace ui
