#include "sim/jet/table_index.h"

#include "sim/jet/dao_errors.h"
#include "sim/jet/field_store.h"
#include "sim/jet/key_field.h"
#include "sim/jet/list_collection.h"
#include "sim/jet/properties.h"
#include "sim/jet/stored_property.h"
#include "sim/jet/table_store.h"

namespace sim::jet {

void TableIndex::SetName(const std::string& name) {
  CheckName(name);
  catalog_->Write([&] {
    if (!TableStore(*catalog_).Get(Row().table_id).connect.empty()) RaiseDao(kDaoReadOnly);
    IndexStore(*catalog_).Rename(id_, name);
  });
}

std::shared_ptr<dao::Fields> TableIndex::GetFields() {
  auto catalog = catalog_;
  const IndexRow index = Row();
  return std::make_shared<ListCollection<dao::Fields, dao::Field>>([catalog, index] {
    std::vector<std::shared_ptr<dao::Field>> fields;
    for (const auto& [name, descending] : index.spec.fields) {
      const auto field = FieldStore(*catalog).Find(index.table_id, name);
      fields.push_back(std::make_shared<KeyField>(catalog, name, field ? field->spec.type : 0,
                                                  descending ? dao::dbDescending : 0, ""));
    }
    return fields;
  });
}

std::shared_ptr<dao::Properties> TableIndex::GetProperties() {
  return std::make_shared<Properties>(catalog_, shared_from_this());
}

std::shared_ptr<dao::Property> TableIndex::CreateProperty(const std::string& name,
                                                          std::int16_t type,
                                                          const com::Variant& value) {
  return std::make_shared<StoredProperty>(name, type, value);
}

std::vector<BuiltInSpec> TableIndex::BuiltIns() {
  auto self = shared_from_this();
  auto flag = [self](const char* name, bool (TableIndex::*get)()) {
    return BuiltInSpec{name, dao::dbBoolean, [self, get] { return com::Variant(((*self).*get)()); },
                       nullptr};
  };
  return {{"Name", dao::dbText, [self] { return com::Variant(self->Name()); },
           [self](const com::Variant& v) { self->SetName(com::CStr(v)); }},
          flag("Primary", &TableIndex::Primary),
          flag("Unique", &TableIndex::Unique),
          flag("Clustered", &TableIndex::Clustered),
          flag("IgnoreNulls", &TableIndex::IgnoreNulls),
          flag("Required", &TableIndex::Required),
          flag("Foreign", &TableIndex::Foreign)};
}

std::optional<PropertyKey> TableIndex::StoredKey() {
  return PropertyKey{PropertyKey::kIndex, id_, ""};
}

}  // namespace sim::jet
