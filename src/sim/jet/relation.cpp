#include "sim/jet/relation.h"

#include "sim/jet/field_store.h"
#include "sim/jet/key_field.h"
#include "sim/jet/list_collection.h"

namespace sim::jet {

std::shared_ptr<dao::Fields> Relation::GetFields() {
  auto catalog = catalog_;
  const RelationRow row = Row();
  return std::make_shared<ListCollection<dao::Fields, dao::Field>>([catalog, row] {
    std::vector<std::shared_ptr<dao::Field>> fields;
    for (const auto& [name, foreign_name] : row.fields) {
      const auto field = FieldStore(*catalog).Find(row.table_id, name);
      fields.push_back(
          std::make_shared<KeyField>(catalog, name, field ? field->spec.type : 0, 0, foreign_name));
    }
    return fields;
  });
}

}  // namespace sim::jet
