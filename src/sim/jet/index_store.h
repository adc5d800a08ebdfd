#pragma once
// The indexes of the tables, with their fields in key order.

#include <cstdint>
#include <vector>

#include "sim/jet/catalog.h"
#include "sim/jet/database_builder.h"

namespace sim::jet {

struct IndexRow {
  std::int64_t id = 0;
  std::int64_t table_id = 0;
  IndexSpec spec;  // its fields by their current names
};

class IndexStore {
 public:
  explicit IndexStore(Catalog& catalog) : catalog_(catalog) {}

  std::vector<IndexRow> OfTable(std::int64_t table_id);
  // Raises 3420 when the index no longer exists.
  IndexRow Get(std::int64_t id);
  // 3284 when the name is taken, 3264 without fields, 3265 for a field the
  // table does not have.
  std::int64_t Insert(std::int64_t table_id, const IndexSpec& spec);
  void Rename(std::int64_t id, const std::string& name);
  void DeleteOfTable(std::int64_t table_id);

 private:
  IndexRow ReadIndex(const SqliteStatement& row);
  bool NameTaken(std::int64_t table_id, const std::string& name, std::int64_t except_id);

  Catalog& catalog_;
};

}  // namespace sim::jet
