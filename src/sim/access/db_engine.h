#pragma once
// Access's DBEngine: the Jet engine of an Access session. Its workspace 0 is
// the session the user logged on with when Access started, in which Access
// opened its database; new workspaces come from Jet's engine as usual.

#include <memory>

#include "platform/dao.h"

namespace sim::access {

class DbEngine : public dao::DBEngine {
 public:
  DbEngine(std::shared_ptr<dao::DBEngine> engine, std::shared_ptr<dao::Workspace> session)
      : engine_(std::move(engine)), session_(std::move(session)) {}

  const com::TypeInfo& Members() const override;

  std::string SystemDB() override { return engine_->SystemDB(); }
  void SetSystemDB(const std::string& path) override { engine_->SetSystemDB(path); }
  std::shared_ptr<dao::Workspace> CreateWorkspace(const std::string& name,
                                                  const std::string& user,
                                                  const std::string& password) override {
    return engine_->CreateWorkspace(name, user, password);
  }
  std::shared_ptr<dao::Workspaces> GetWorkspaces() override;

 private:
  std::shared_ptr<dao::DBEngine> engine_;
  std::shared_ptr<dao::Workspace> session_;
};

}  // namespace sim::access
