#pragma once
// The DAO engine. CreateWorkspace logs on to the workgroup SystemDB names,
// or with SystemDB empty to the machine's default workgroup, or to Jet's
// built-in one (user "admin" without a password) when there is none.

#include <memory>
#include <string>

#include "platform/dao.h"
#include "sim/jet/engine.h"

namespace sim::jet {

class DbEngine : public dao::DBEngine {
 public:
  explicit DbEngine(EngineEnvironment environment) : environment_(std::move(environment)) {}

  const com::TypeInfo& Members() const override;

  std::string SystemDB() override { return system_db_; }
  void SetSystemDB(const std::string& path) override { system_db_ = path; }
  std::shared_ptr<dao::Workspace> CreateWorkspace(const std::string& name, const std::string& user,
                                                  const std::string& password) override;
  // The default workspace, of user "admin" without a password, made on first use.
  std::shared_ptr<dao::Workspaces> GetWorkspaces() override;

 private:
  EngineEnvironment environment_;
  std::string system_db_;
  std::shared_ptr<dao::Workspace> default_workspace_;
};

}  // namespace sim::jet
