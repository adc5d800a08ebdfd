#pragma once
// The backend databases that the linked tables of a front-end database point
// to, opened once each, by path, so that the search can read the linked
// tables' own definitions. A backend that cannot be opened within 5 seconds
// is reported as a problem and kept as an empty entry, so it is not tried
// again until the list is closed.

#include <memory>
#include <string>

#include "host/keyed_collection.h"
#include "platform/dao.h"

namespace shared {

class BackendDatabases {
 public:
  // Opens the backends of the front end's linked tables with the workspace,
  // unless they are open already. `module` names who reports a problem.
  void Open(dao::Workspace* workspace, dao::Database* front_end, const std::string& module);
  // Closes every backend, last first, and forgets them.
  void Close();

  bool Opened() const { return opened_; }
  const host::KeyedCollection<dao::Database>& List() const { return list_; }

 private:
  std::shared_ptr<dao::Database> OpenWithRetry(dao::Workspace& workspace, const std::string& path,
                                               const std::string& module);

  host::KeyedCollection<dao::Database> list_;
  bool opened_ = false;
};

}  // namespace shared
