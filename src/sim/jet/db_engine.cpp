#include "sim/jet/db_engine.h"

#include "sim/jet/list_collection.h"
#include "sim/jet/workgroup.h"
#include "sim/jet/workspace.h"

namespace sim::jet {

const com::TypeInfo& DbEngine::Members() const {
  static const com::TypeInfo info =
      com::TypeBuilder<DbEngine>("DBEngine")
          .Property("SystemDB", &DbEngine::SystemDB, &DbEngine::SetSystemDB)
          .Build();
  return info;
}

std::shared_ptr<dao::Workspace> DbEngine::CreateWorkspace(const std::string& name,
                                                          const std::string& user,
                                                          const std::string& password) {
  const std::string& file = system_db_.empty() ? environment_.default_workgroup : system_db_;
  auto workgroup = file.empty() ? Workgroup::BuiltIn() : Workgroup::Load(file);
  workgroup->Logon(user, password);
  return std::make_shared<Workspace>(environment_, name, user, workgroup);
}

std::shared_ptr<dao::Workspaces> DbEngine::GetWorkspaces() {
  if (!default_workspace_) default_workspace_ = CreateWorkspace("#Default Workspace#", "admin", "");
  auto workspace = default_workspace_;
  return std::make_shared<ListCollection<dao::Workspaces, dao::Workspace>>(
      [workspace] { return std::vector<std::shared_ptr<dao::Workspace>>{workspace}; });
}

}  // namespace sim::jet
