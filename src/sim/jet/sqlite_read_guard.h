#pragma once
// While it lives, statements prepared on the connection may only read: the
// tables they read directly must pass `may_read` (tables read through a view
// always pass, and so do the probes SQLite makes of them while it plans the
// view, which name no column), and every statement that would write is refused. The first
// table refused is remembered, so the caller can name it.

#include <functional>
#include <set>
#include <string>

#include "sim/jet/sqlite_connection.h"

namespace sim::jet {

class SqliteReadGuard {
 public:
  using Filter = std::function<bool(const std::string& table)>;

  SqliteReadGuard(SqliteConnection& connection, Filter may_read);
  ~SqliteReadGuard();
  SqliteReadGuard(const SqliteReadGuard&) = delete;
  SqliteReadGuard& operator=(const SqliteReadGuard&) = delete;

  const std::string& refused() const { return refused_; }

 private:
  bool MayRead(const std::string& table, const char* column, const char* view);
  static int Authorize(void* self, int action, const char* table, const char* column,
                       const char* database, const char* view);

  SqliteConnection& connection_;
  Filter may_read_;
  std::string refused_;
  std::set<std::string> read_through_views_;
};

}  // namespace sim::jet
