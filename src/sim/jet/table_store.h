#pragma once
// The table definitions: local tables and links (documents of the container
// "Tables" with MSysObjects type 1, 4 or 6), with their fields, indexes and
// properties. A table whose rows the engine keeps in SQLite under the table's
// own name (the system tables the driver reads with SQL) has a storage kind,
// "table" or "view".

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sim/jet/catalog.h"
#include "sim/jet/database_builder.h"
#include "sim/jet/object_store.h"

namespace sim::jet {

struct TableRow {
  ObjectRow object;
  std::int32_t attributes = 0;
  std::string connect;
  std::string source_table;
  std::string validation_rule;
  std::string validation_text;
  std::string storage;
};

class TableStore {
 public:
  explicit TableStore(Catalog& catalog) : catalog_(catalog) {}

  std::vector<TableRow> All();
  std::optional<TableRow> Find(const std::string& name);
  // Raises 3420 when the table no longer exists. The row stays as read until
  // the next write through this connection.
  const TableRow& Get(std::int64_t id);

  // A new table with its fields, indexes and properties as the TableSpec gives
  // them (the link bits of its attributes follow its connection string);
  // 3010 when the name is taken.
  std::int64_t Insert(const TableSpec& spec, const std::string& owner,
                      const std::string& storage = "");
  // Writes attributes, link and validation back; a design change.
  void Update(const TableRow& row);
  // Renames the table (3012 when the name is taken), and its SQLite storage.
  void Rename(std::int64_t id, const std::string& name);
  void Delete(std::int64_t id);

  // The whole definition, as a link to the table copies it.
  TableSpec Definition(std::int64_t id);
  // Takes fields, indexes, validation and inherited properties from the
  // definition of a link's source table; fields keep their identity by name.
  void Refresh(std::int64_t id, const TableSpec& source);

 private:
  void RefreshFields(std::int64_t id, const TableSpec& source);

  Catalog& catalog_;
};

}  // namespace sim::jet
