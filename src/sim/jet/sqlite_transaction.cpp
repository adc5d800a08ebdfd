#include "sim/jet/sqlite_transaction.h"

#include "com/error.h"

namespace sim::jet {

SqliteTransaction::SqliteTransaction(SqliteConnection& connection) : connection_(connection) {
  connection_.Control("SAVEPOINT jet_write");
}

SqliteTransaction::~SqliteTransaction() {
  if (!done_)
    com::IgnoreErrors([this] {
      connection_.Execute("ROLLBACK TO jet_write");
      connection_.Execute("RELEASE jet_write");
    });
}

void SqliteTransaction::Commit() {
  connection_.Control("RELEASE jet_write");
  done_ = true;
}

}  // namespace sim::jet
