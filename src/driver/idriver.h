#pragma once
// IDriver: the entry interface the host engine drives first.

#include <cstdint>
#include <memory>
#include <string>

namespace host {
class ProblemLog;
}

namespace driver {

class IProject;

class IDriver {
 public:
  virtual ~IDriver() = default;
  virtual void IDriver_Initialize(std::int32_t host_thread_id,
                                  std::shared_ptr<host::ProblemLog> problem_log) = 0;
  virtual void IDriver_ShutDown() = 0;
  // Asks the user for the project parameters; true when confirmed.
  virtual bool IDriver_GetProjectParameters(std::string& parameters, std::string& database_path,
                                            std::string& project_name) = 0;
  // The project of that name, or nothing.
  virtual std::shared_ptr<IProject> IDriver_GetProject(const std::string& project_name,
                                                       const std::string& parameters) = 0;
};

}  // namespace driver
