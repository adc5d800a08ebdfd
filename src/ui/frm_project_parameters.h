#pragma once
// frmProjectParameters: the modal dialog in which the user picks the Access
// database or project to search, its passwords, the workgroup and the
// performance options. It is a window of the system's dialog manager with
// child controls; its window procedure turns their notifications into the
// event procedures below, which report their errors to the problem log and
// leave the dialog usable. Before it accepts, it tries the file and the
// credentials (ValidateProjectParameters).

#include <cstdint>
#include <string>

#include "platform/win32.h"
#include "ui/project_parameters_dialog.h"

namespace ui {

class frmProjectParameters : public ProjectParametersDialog {
 public:
  static constexpr const char* kCaption = "Access 2000 Project Parameters";
  static constexpr const char* kEnginesKey =
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Office\\9.0\\Access\\Jet\\4.0\\Engines";

  // Shows the dialog on the parameter string; on OK the string is replaced by
  // the new one and the result is true. Cancel leaves it as it was.
  bool Interact(std::string& parameters) override;

 private:
  using HWND = platform::Windows::HWND;

  void Load();
  void Fill(const std::string& parameters);
  void OnMessage(std::uint32_t message, std::intptr_t wparam, std::intptr_t lparam);
  void OnCommand(std::int32_t id, std::int32_t code);

  void UpdateForm();
  void cmdOK_Click();
  void cmdCancel_Click();
  void cmdDatabasePath_Click();
  void cmdWorkgroupPath_Click();
  void cboDatabaseType_Click();
  void cboWorkgroup_Change();
  void cboWorkgroup_Click();
  void txtDatabase_Change();
  void txtDatabasePassword_Change();
  void txtUsername_Change();
  void txtPassword_Change();
  void Form_KeyDown(std::int32_t key_code, std::int32_t shift);

  // What the OK button accepts, or the message that refuses it.
  bool Accept();
  bool ProjectChosen();
  std::string Text(std::int32_t control);
  bool Ticked(std::int32_t control);
  std::string ChooseFile(const std::string& title, const std::string& default_extension,
                         const std::string& filter, const std::string& file);
  void Warn(const std::string& text);
  void Unload();

  std::string Parameters;
  bool Confirmed = false;
  HWND form_ = 0;
};

}  // namespace ui
