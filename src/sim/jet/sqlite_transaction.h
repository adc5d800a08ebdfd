#pragma once
// One write transaction. It commits when told to; leaving the scope without
// a commit (an error on the way) rolls everything back, so the file stays as
// it was.

#include "sim/jet/sqlite_connection.h"

namespace sim::jet {

class SqliteTransaction {
 public:
  explicit SqliteTransaction(SqliteConnection& connection);
  ~SqliteTransaction();
  SqliteTransaction(const SqliteTransaction&) = delete;
  SqliteTransaction& operator=(const SqliteTransaction&) = delete;

  void Commit();

 private:
  SqliteConnection& connection_;
  bool done_ = false;
};

}  // namespace sim::jet
