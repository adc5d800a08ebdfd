#include "sim/jet/query_field.h"

#include "sim/jet/dao_value.h"

namespace sim::jet {

std::int32_t QueryField::Size() {
  return column_.spec.size ? column_.spec.size : DefaultSize(column_.spec.type);
}

std::vector<BuiltInSpec> QueryField::BuiltIns() {
  return DesignBuiltIns(column_.source_table, column_.source_field, position_);
}

std::optional<PropertyKey> QueryField::StoredKey() {
  return PropertyKey{PropertyKey::kQueryField, query_id_, column_.spec.name};
}

}  // namespace sim::jet
