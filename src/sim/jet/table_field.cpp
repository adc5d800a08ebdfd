#include "sim/jet/table_field.h"

#include "sim/jet/dao_errors.h"
#include "sim/jet/table_store.h"

namespace sim::jet {

const FieldRow& TableField::Row() { return FieldStore(*catalog_).Get(id_); }

void TableField::Change(const std::function<void(FieldSpec&)>& change) {
  catalog_->Write([&] {
    FieldRow row = Row();
    if (!TableStore(*catalog_).Get(row.table_id).connect.empty()) RaiseDao(kDaoReadOnly);
    change(row.spec);
    FieldStore(*catalog_).Update(row);
  });
}

void TableField::SetName(const std::string& name) {
  CheckName(name);
  Change([&](FieldSpec& spec) { spec.name = name; });
}

void TableField::SetAllowZeroLength(bool value) {
  Change([&](FieldSpec& spec) { spec.allow_zero_length = value; });
}

void TableField::SetRequired(bool value) {
  Change([&](FieldSpec& spec) { spec.required = value; });
}

void TableField::SetDefaultValue(const com::Variant& value) {
  Change([&](FieldSpec& spec) { spec.default_value = value; });
}

void TableField::SetValidationRule(const std::string& value) {
  Change([&](FieldSpec& spec) { spec.validation_rule = value; });
}

void TableField::SetValidationText(const std::string& value) {
  Change([&](FieldSpec& spec) { spec.validation_text = value; });
}

std::vector<BuiltInSpec> TableField::BuiltIns() {
  auto self = std::static_pointer_cast<TableField>(shared_from_this());
  return DesignBuiltIns(
      [self] { return TableStore(*self->catalog_).Get(self->Row().table_id).object.name; },
      [self] { return self->Row().spec.name; },
      [self] { return static_cast<std::int16_t>(self->Row().position); });
}

std::optional<PropertyKey> TableField::StoredKey() {
  return PropertyKey{PropertyKey::kField, id_, ""};
}

}  // namespace sim::jet
