#pragma once
// The saved queries (documents of the container "Tables" with MSysObjects
// type 5): their SQL text, connection string and the settings DAO and Access
// keep with them.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sim/jet/catalog.h"
#include "sim/jet/database_builder.h"
#include "sim/jet/object_store.h"

namespace sim::jet {

struct QueryRow {
  ObjectRow object;
  std::string sql;
  std::string connect;
  std::int32_t max_records = 0;
  std::int16_t odbc_timeout = 60;
  bool returns_records = true;
  bool log_messages = false;
  bool fail_on_error = false;
  std::uint8_t record_locks = 0;
};

class QueryStore {
 public:
  explicit QueryStore(Catalog& catalog) : catalog_(catalog) {}

  std::vector<QueryRow> All();
  std::optional<QueryRow> Find(const std::string& name);
  // Raises 3420 when the query no longer exists. The row stays as read
  // until the next write through this connection.
  const QueryRow& Get(std::int64_t id);
  // The query's type, as its SQL, connection string and ReturnsRecords give it.
  std::int16_t Type(std::int64_t id);
  // 3012 when the name is taken by a table or a query. Properties named as
  // one of the query's own settings set it.
  std::int64_t Insert(const QuerySpec& spec, const std::string& owner);
  // Creates the query, or gives the one of that name the SQL, connection
  // string, MaxRecords and settings given, and adds or replaces its other
  // properties; properties of the query that are not given stay.
  std::int64_t Put(const QuerySpec& spec, const std::string& owner);
  // Writes the row back; a design change.
  void Update(const QueryRow& row);

 private:
  // A row of the query columns.
  QueryRow Read(const SqliteStatement& row);

  Catalog& catalog_;
};

}  // namespace sim::jet
