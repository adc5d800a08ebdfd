#include "driver/driver.h"

#include "host/parameter_set.h"
#include "host/registry_key.h"
#include "host/tracer.h"
#include "host/utility.h"
#include "platform/system.h"
#include "shared/utility.h"
#include "shared/vxhandler.h"
#include "ui/project_parameters_dialog.h"

namespace driver {
namespace {
constexpr std::int32_t kLoadAtStartup = 3;
}  // namespace

const com::TypeInfo& Driver::Members() const {
  static const com::TypeInfo info = com::TypeBuilder<Driver>("Driver").Build();
  return info;
}

void Driver::IDriver_Initialize(std::int32_t host_thread_id,
                                std::shared_ptr<host::ProblemLog> problem_log) {
  auto& processes = platform::System::Current().processes();
  processes.AttachThreadInput(processes.GetCurrentThreadId(),
                              static_cast<std::uint32_t>(host_thread_id), true);
  vxhandler::SetProblemLog(std::move(problem_log));
  host::RegistryKey reader;
  reader.OpenPath(kAddInKey);
  reader.SetAccess(host::RegistryKey::kRead);
  const std::int32_t load_behavior = com::CLng(reader.ReadValue("LoadBehavior", com::Variant(0)));
  reader.SetAccess(host::RegistryKey::kClosed);
  if (load_behavior == kLoadAtStartup) return;
  host::RegistryKey writer;
  writer.OpenPath(kAddInKey);
  writer.SetAccess(host::RegistryKey::kWrite);
  writer.WriteValue("LoadBehavior", com::Variant(kLoadAtStartup), 0);
  writer.SetAccess(host::RegistryKey::kClosed);
}

void Driver::IDriver_ShutDown() {
  host::Tracer::Instance().Flush();
  vxhandler::SetProblemLog(std::make_shared<host::ProblemLog>());
}

bool Driver::IDriver_GetProjectParameters(std::string& parameters, std::string& database_path,
                                          std::string& project_name) {
  return vxhandler::Guard(kClass, "IDriver_GetProjectParameters", [&] {
    if (!Utility::VerifySystemRequirements()) return false;
    std::string edited = parameters;
    if (!ui::ProjectParametersDialog::Instance().Interact(edited)) return false;
    parameters = edited;
    host::ParameterSet set;
    set.SetText(parameters);
    const std::string path = set.GetValue("Database", "");
    std::string folder, file;
    host::Utility().SplitPath(path, folder, file);
    database_path = path;
    project_name = file.substr(0, file.rfind('.'));
    return true;
  });
}

std::shared_ptr<IProject> Driver::IDriver_GetProject(const std::string& project_name,
                                                     const std::string& parameters) {
  return vxhandler::Guard(kClass, "IDriver_GetProject", [&]() -> std::shared_ptr<IProject> {
    if (!Utility::VerifySystemRequirements()) return nullptr;
    if (auto index = project_registry_.IndexOf(com::Variant(project_name)); index != 0)
      return project_registry_.Item(index);
    auto project = std::make_shared<Project>();
    project->Initialize(project_name, parameters);
    project_registry_.Add(project, project_name);
    return project;
  });
}

}  // namespace driver
