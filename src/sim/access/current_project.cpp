#include "sim/access/current_project.h"

#include "platform/access.h"
#include "sim/access/access_errors.h"
#include "sim/access/all_objects.h"
#include "sim/access/application.h"
#include "sim/access/project_connection.h"

namespace sim::access {

const com::TypeInfo& CurrentProject::Members() const {
  static const com::TypeInfo info =
      com::TypeBuilder<CurrentProject>("CurrentProject")
          .Get("FullName", &CurrentProject::FullName)
          .Get("Name", &CurrentProject::Name)
          .Get("Path", &CurrentProject::Path)
          .Get("Connection", &CurrentProject::Connection)
          .Get("AllForms", &CurrentProject::AllForms)
          .Get("AllReports", &CurrentProject::AllReports)
          .Get("AllMacros", &CurrentProject::AllMacros)
          .Get("AllModules", &CurrentProject::AllModules)
          .Get("AllDataAccessPages", &CurrentProject::AllDataAccessPages)
          .Build();
  return info;
}

std::string CurrentProject::FullName() {
  auto file = File();
  return file ? file->FullName() : "";
}

std::string CurrentProject::Name() {
  auto file = File();
  return file ? file->Name() : "";
}

std::string CurrentProject::Path() {
  auto file = File();
  return file ? file->Path() : "";
}

com::ObjectRef CurrentProject::Connection() {
  return std::make_shared<ProjectConnection>(RequireFile());
}

com::ObjectRef CurrentProject::AllForms() { return All(msaccess::acForm); }
com::ObjectRef CurrentProject::AllReports() { return All(msaccess::acReport); }
com::ObjectRef CurrentProject::AllMacros() { return All(msaccess::acMacro); }
com::ObjectRef CurrentProject::AllModules() { return All(msaccess::acModule); }
com::ObjectRef CurrentProject::AllDataAccessPages() { return All(msaccess::acDataAccessPage); }

std::shared_ptr<CurrentFile> CurrentProject::File() const {
  auto* documents = Application::Served(application_)->Documents();
  return documents ? documents->File() : nullptr;
}

std::shared_ptr<CurrentFile> CurrentProject::RequireFile() const {
  auto file = File();
  if (!file) RaiseAccess(kObjectClosedOrMissing);
  return file;
}

com::ObjectRef CurrentProject::All(std::int32_t object_type) {
  return std::make_shared<AllObjects>(application_, RequireFile(), object_type);
}

}  // namespace sim::access
