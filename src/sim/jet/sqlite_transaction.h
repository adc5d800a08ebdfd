#pragma once
// One write, as a savepoint: inside the transaction its connection holds, or
// a transaction of its own when none is held. It is kept when told to;
// leaving the scope without that (an error on the way) undoes everything it
// wrote, so the file is as it was before it.

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
