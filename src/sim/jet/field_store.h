#pragma once
// The fields of the tables, in their ordinal positions.

#include <cstdint>
#include <optional>
#include <vector>

#include "sim/jet/catalog.h"
#include "sim/jet/database_builder.h"

namespace sim::jet {

struct FieldRow {
  std::int64_t id = 0;
  std::int64_t table_id = 0;
  std::int32_t position = 0;
  FieldSpec spec;  // without its properties
};

class FieldStore {
 public:
  explicit FieldStore(Catalog& catalog) : catalog_(catalog) {}

  // After a few tables asked for since the file last changed, every table's
  // fields are read at once (see DefinitionCache::reads).
  std::vector<FieldRow> OfTable(std::int64_t table_id);
  // The ids of the table's fields in their order, until the next write.
  const std::vector<std::int64_t>& IdsOf(std::int64_t table_id);
  // Raises 3420 when the field no longer exists. The row stays as read until
  // the next write through this connection.
  const FieldRow& Get(std::int64_t id);
  std::optional<FieldRow> Find(std::int64_t table_id, const std::string& name);
  // Appends the field and its properties; 3191 when the name is taken.
  std::int64_t Insert(std::int64_t table_id, const FieldSpec& spec);
  // Writes every member of the row back, its position included; 3191 when
  // the new name is taken.
  void Update(const FieldRow& row);
  void Delete(std::int64_t id);

 private:
  // The ids of the table's fields, their rows and properties remembered.
  std::vector<std::int64_t> ReadOfTable(std::int64_t table_id);
  void ReadAll();

  Catalog& catalog_;
};

}  // namespace sim::jet
