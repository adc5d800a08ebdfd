#include "ui/project_parameters_dialog.h"

#include "ui/frm_project_parameters.h"

namespace ui {
namespace {
std::unique_ptr<ProjectParametersDialog>& Installed() {
  static std::unique_ptr<ProjectParametersDialog> dialog;
  return dialog;
}
}  // namespace

ProjectParametersDialog& ProjectParametersDialog::Instance() {
  if (!Installed()) Installed() = std::make_unique<frmProjectParameters>();
  return *Installed();
}

ProjectParametersDialog::Scope::Scope(std::unique_ptr<ProjectParametersDialog> dialog)
    : previous_(std::move(Installed())) {
  Installed() = std::move(dialog);
}

ProjectParametersDialog::Scope::~Scope() { Installed() = std::move(previous_); }

}  // namespace ui
