#pragma once
// A workspace: a session of one account of a workgroup, which opens
// databases. Closing it closes the databases it opened.

#include <memory>
#include <string>
#include <vector>

#include "platform/dao.h"
#include "sim/jet/catalog.h"
#include "sim/jet/engine.h"
#include "sim/jet/workgroup.h"

namespace sim::jet {

class Workspace : public dao::Workspace {
 public:
  Workspace(EngineEnvironment environment, std::string name, std::string user,
            std::shared_ptr<const Workgroup> workgroup)
      : environment_(std::move(environment)),
        name_(std::move(name)),
        user_(std::move(user)),
        workgroup_(std::move(workgroup)) {}

  const com::TypeInfo& Members() const override;

  std::string Name() override { return name_; }
  std::string UserName() override { return user_; }
  // Opens the file read-only when asked to or when it cannot be written; the
  // connect string's "pwd=" gives the database password.
  std::shared_ptr<dao::Database> OpenDatabase(const std::string& path, bool exclusive,
                                              bool read_only, const std::string& connect) override;
  // 3420 when already closed.
  void Close() override;
  std::shared_ptr<dao::Users> GetUsers() override;
  std::shared_ptr<dao::Groups> GetGroups() override;

 private:
  void CheckOpen() const;

  EngineEnvironment environment_;
  std::string name_;
  std::string user_;
  std::shared_ptr<const Workgroup> workgroup_;
  std::vector<std::weak_ptr<Catalog>> databases_;
  bool closed_ = false;
};

}  // namespace sim::jet
