#pragma once
// The driver's object inside the Access process. The add-in's Connection
// creates it when Access loads the add-in and publishes it under "tovrin"
// followed by the Access window handle; a Project finds it there and asks it
// for document objects, for the backend databases opened with Access's own
// engine, and to move the code editor out of sight while a document changes.

#include <cstdint>
#include <memory>
#include <string>

#include "com/dispatch.h"
#include "host/problem_log.h"
#include "platform/win32.h"
#include "shared/backend_databases.h"

namespace driver {
class Project;
}

namespace ui {

class Dispatcher : public com::Dispatch {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "Dispatcher";

 public:
  const com::TypeInfo& Members() const override;

  void Initialize(com::ObjectRef access_app);
  void Initialize2(std::shared_ptr<host::ProblemLog> problem_log);
  void HideVBEWindow();
  void RestoreVBEWindow();
  void Disconnect();
  void Disconnect2();
  com::ObjectRef AccessApp() const { return access_app_; }

  com::ObjectRef GetCommandBar(std::shared_ptr<driver::Project> project, const std::string& name);
  com::ObjectRef GetDataAccessPage(std::shared_ptr<driver::Project> project,
                                   std::int32_t project_type, const std::string& name);
  com::ObjectRef GetForm(std::shared_ptr<driver::Project> project, std::int32_t project_type,
                         const std::string& name);
  com::ObjectRef GetMacro(std::shared_ptr<driver::Project> project, std::int32_t project_type,
                          const std::string& name);
  com::ObjectRef GetModule(std::shared_ptr<driver::Project> project, std::int32_t project_type,
                           const std::string& name);
  com::ObjectRef GetReport(std::shared_ptr<driver::Project> project, std::int32_t project_type,
                           const std::string& name);

  void OpenBackendDatabases();
  void CloseBackendDatabases();

  const shared::BackendDatabases& Backends() const { return backends_; }
  bool EditorHidden() const { return editor_hidden_; }

 private:
  platform::Windows::HWND EditorWindow() const;

  com::ObjectRef access_app_;
  std::shared_ptr<host::ProblemLog> problem_log_;
  platform::Windows::Rect editor_rect_;
  bool editor_hidden_ = false;
  shared::BackendDatabases backends_;
};

}  // namespace ui
