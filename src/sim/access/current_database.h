#pragma once
// What CurrentDb gives: a new Database object over Access's own connection
// to its database. The connection is Access's: closing this object leaves it
// open, as Access ignores Close on CurrentDb. Once Access closes its
// database, using the object raises 3420 as any closed DAO object does.

#include "sim/jet/database.h"

namespace sim::access {

class CurrentDatabase : public jet::Database {
 public:
  using jet::Database::Database;

  void Close() override {}
};

}  // namespace sim::access
