#include "sim/jet/sqlite_read_guard.h"

#include <sqlite3.h>

namespace sim::jet {

SqliteReadGuard::SqliteReadGuard(SqliteConnection& connection, Filter may_read)
    : connection_(connection), may_read_(std::move(may_read)) {
  sqlite3_set_authorizer(connection_.handle(), &SqliteReadGuard::Authorize, this);
}

SqliteReadGuard::~SqliteReadGuard() {
  sqlite3_set_authorizer(connection_.handle(), nullptr, nullptr);
}

int SqliteReadGuard::Authorize(void* self, int action, const char* table, const char* column,
                               const char*, const char* view) {
  auto& guard = *static_cast<SqliteReadGuard*>(self);
  switch (action) {
    case SQLITE_SELECT:
    case SQLITE_FUNCTION:
    case SQLITE_RECURSIVE: return SQLITE_OK;
    case SQLITE_READ: return guard.MayRead(table, column, view) ? SQLITE_OK : SQLITE_DENY;
    default: return SQLITE_DENY;
  }
}

bool SqliteReadGuard::MayRead(const std::string& table, const char* column, const char* view) {
  if (view) {
    read_through_views_.insert(table);
    return true;
  }
  const bool probe = column && !*column && read_through_views_.count(table);
  if (probe || may_read_(table)) return true;
  if (refused_.empty()) refused_ = table;
  return false;
}

}  // namespace sim::jet
