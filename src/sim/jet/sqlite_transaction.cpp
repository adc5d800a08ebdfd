#include "sim/jet/sqlite_transaction.h"

#include "com/error.h"

namespace sim::jet {

SqliteTransaction::SqliteTransaction(SqliteConnection& connection) : connection_(connection) {
  connection_.Execute("BEGIN IMMEDIATE");
}

SqliteTransaction::~SqliteTransaction() {
  if (!done_) com::IgnoreErrors([this] { connection_.Execute("ROLLBACK"); });
}

void SqliteTransaction::Commit() {
  connection_.Execute("COMMIT");
  done_ = true;
}

}  // namespace sim::jet
