#pragma once
// The object the host engine creates first: it joins the host's thread
// input, installs the host's problem log, makes sure the Access add-in loads,
// asks the user for project parameters, and hands out one Project per name.

#include <memory>
#include <string>

#include "com/dispatch.h"
#include "driver/idriver.h"
#include "driver/project.h"
#include "host/keyed_collection.h"

namespace driver {

class Driver : public com::Dispatch, public IDriver {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "Driver";

 public:
  static constexpr const char* kAddInKey =
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Office\\Access\\Addins\\tovrin.Connection";

  const com::TypeInfo& Members() const override;

  void IDriver_Initialize(std::int32_t host_thread_id,
                          std::shared_ptr<host::ProblemLog> problem_log) override;
  void IDriver_ShutDown() override;
  bool IDriver_GetProjectParameters(std::string& parameters, std::string& database_path,
                                    std::string& project_name) override;
  std::shared_ptr<IProject> IDriver_GetProject(const std::string& project_name,
                                               const std::string& parameters) override;

 private:
  host::KeyedCollection<Project> project_registry_;
};

}  // namespace driver
