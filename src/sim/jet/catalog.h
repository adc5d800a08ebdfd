#pragma once
// One open connection to a database file, shared by the Database object and
// every object reached from it: the SQLite connection, the account it was
// opened under, the clock that stamps designs and the entry in the machine's
// Sessions. After Close every use raises 3420, as DAO's objects do once their
// database is closed.

#include <functional>
#include <memory>
#include <string>

#include "com/variant.h"
#include "platform/win32.h"
#include "sim/jet/session_lease.h"
#include "sim/jet/sqlite_connection.h"
#include "sim/jet/workgroup.h"

namespace sim::jet {

struct DefinitionCache;

class Catalog {
 public:
  struct Account {
    std::string user = "admin";
    std::shared_ptr<const Workgroup> workgroup = Workgroup::BuiltIn();
  };

  Catalog(std::unique_ptr<SqliteConnection> connection, platform::Clock& clock, Account account,
          std::unique_ptr<SessionLease> lease = nullptr);
  ~Catalog();

  SqliteConnection& db();
  com::Date Now() { return clock_.Now(); }
  platform::Clock& clock() { return clock_; }
  const Account& account() const { return account_; }
  bool read_only();
  // The definitions this connection has read, kept until the file changes.
  DefinitionCache& definitions() { return *definitions_; }

  // Runs the work as one write inside the transaction the connection holds
  // (see SqliteConnection::Hold), undone whole when it fails; raises 3027 on
  // a database opened read-only.
  void Write(const std::function<void()>& work);

  // Commits the connection's writes and closes it; raises when the commit
  // fails (the writes are then lost), after closing all the same.
  void Close();

  // Raises the failure a test queued for the operation in the machine's Sessions.
  void CheckFault(const std::string& operation);

 private:
  std::unique_ptr<SqliteConnection> connection_;
  platform::Clock& clock_;
  Account account_;
  std::unique_ptr<SessionLease> lease_;
  int write_depth_ = 0;
  std::unique_ptr<DefinitionCache> definitions_;
};

}  // namespace sim::jet
