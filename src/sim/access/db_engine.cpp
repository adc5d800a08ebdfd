#include "sim/access/db_engine.h"

#include "sim/jet/list_collection.h"

namespace sim::access {

const com::TypeInfo& DbEngine::Members() const {
  static const com::TypeInfo info =
      com::TypeBuilder<DbEngine>("DBEngine")
          .Property("SystemDB", &DbEngine::SystemDB, &DbEngine::SetSystemDB)
          .Build();
  return info;
}

std::shared_ptr<dao::Workspaces> DbEngine::GetWorkspaces() {
  auto session = session_;
  return std::make_shared<jet::ListCollection<dao::Workspaces, dao::Workspace>>(
      [session] { return std::vector<std::shared_ptr<dao::Workspace>>{session}; });
}

}  // namespace sim::access
