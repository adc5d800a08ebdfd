#pragma once
// The modal dialog in which the user chooses the database or project to
// search and its credentials. It edits the parameter string in place and
// tells whether the user confirmed. One dialog serves the whole process:
// frmProjectParameters, made on first use, unless a program installs its own.

#include <memory>
#include <string>

namespace ui {

class ProjectParametersDialog {
 public:
  virtual ~ProjectParametersDialog() = default;
  virtual bool Interact(std::string& parameters) = 0;

  // The installed dialog, or frmProjectParameters.
  static ProjectParametersDialog& Instance();
  // Installs the dialog for the lifetime of the scope.
  class Scope {
   public:
    explicit Scope(std::unique_ptr<ProjectParametersDialog> dialog);
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    std::unique_ptr<ProjectParametersDialog> previous_;
  };
};

}  // namespace ui
