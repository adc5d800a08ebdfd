#include "sim/jet/query_field.h"

#include "sim/jet/dao_value.h"

namespace sim::jet {

std::int32_t QueryField::Size() {
  return column_.spec.size ? column_.spec.size : DefaultSize(column_.spec.type);
}

std::vector<BuiltInSpec> QueryField::BuiltIns() {
  return DesignBuiltIns([table = column_.source_table] { return table; },
                        [field = column_.source_field] { return field; },
                        [position = position_] { return position; });
}

std::optional<PropertyKey> QueryField::StoredKey() {
  return PropertyKey{PropertyKey::kQueryField, query_id_, column_.spec.name};
}

}  // namespace sim::jet
