#pragma once
// The relations between tables (documents of the container "Relationships"),
// with their field pairs. Jet keeps an enforced relation with a foreign index
// of the relation's name on the foreign table.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "sim/jet/catalog.h"
#include "sim/jet/database_builder.h"
#include "sim/jet/object_store.h"

namespace sim::jet {

struct RelationRow {
  ObjectRow object;
  std::int64_t table_id = 0;
  std::int64_t foreign_table_id = 0;
  std::string table;
  std::string foreign_table;
  std::int32_t attributes = 0;
  std::vector<std::pair<std::string, std::string>> fields;  // field, foreign field
};

class RelationStore {
 public:
  explicit RelationStore(Catalog& catalog) : catalog_(catalog) {}

  std::vector<RelationRow> All();
  std::optional<RelationRow> Find(const std::string& name);
  // Raises 3420 when the relation no longer exists.
  RelationRow Get(std::int64_t id);
  // The relations a table takes part in, on either side.
  std::vector<RelationRow> OfTable(std::int64_t table_id);
  // 3012 when the name is taken, 3265 for a table or field that does not exist.
  std::int64_t Insert(const RelationSpec& spec, const std::string& owner);
  void Delete(std::int64_t id);

 private:
  std::vector<RelationRow> Select(const std::string& where, std::int64_t argument);

  Catalog& catalog_;
};

}  // namespace sim::jet
