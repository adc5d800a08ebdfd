#pragma once
// One computer, as the driver sees it: every port in one place. The program
// runs on exactly one system at a time; the command line and each test
// install the system they built (a simulated machine) with SystemScope.

#include <memory>

#include "platform/libraries.h"
#include "platform/printers.h"
#include "platform/text_files.h"
#include "platform/win32.h"

namespace dao {
class DBEngine;
}
namespace ado {
class Connection;
}

namespace platform {

class System {
 public:
  virtual ~System() = default;
  virtual Clock& clock() = 0;
  virtual Registry& registry() = 0;
  virtual FileSystem& files() = 0;
  virtual Installer& installer() = 0;
  virtual FileVersions& file_versions() = 0;
  virtual RunningObjectTable& running_objects() = 0;
  virtual ClassRegistry& classes() = 0;
  virtual Processes& processes() = 0;
  virtual Memory& memory() = 0;
  virtual Shell& shell() = 0;
  virtual Screen& screen() = 0;
  virtual Windows& windows() = 0;
  virtual Libraries& libraries() = 0;
  virtual TextFiles& text_files() = 0;
  virtual Printers& printers() = 0;
  // A new private DAO engine ("DAO.DBEngine.36"); raises 429 when DAO is not installed.
  virtual std::shared_ptr<dao::DBEngine> NewDBEngine() = 0;
  // A new ADO connection ("ADODB.Connection").
  virtual std::shared_ptr<ado::Connection> NewAdoConnection() = 0;

  // The installed system; raises 91 when none is installed.
  static System& Current();
};

// Installs a system for the lifetime of the scope and puts back the one
// installed before.
class SystemScope {
 public:
  explicit SystemScope(System& system);
  ~SystemScope();
  SystemScope(const SystemScope&) = delete;
  SystemScope& operator=(const SystemScope&) = delete;

 private:
  System* previous_;
};

}  // namespace platform
