#pragma once
// A field of a table definition, read from and written to the file on every
// call. The fields of a linked table belong to its source: their design
// cannot change here (3027), though properties can be set on them.

#include <functional>

#include "sim/jet/field_base.h"
#include "sim/jet/field_store.h"

namespace sim::jet {

class TableField : public FieldBase {
 public:
  TableField(std::shared_ptr<Catalog> catalog, std::int64_t id)
      : FieldBase(std::move(catalog)), id_(id) {}

  std::string Name() override { return Row().spec.name; }
  // Renaming carries the new name into the indexes and relations that use
  // the field; 3191 when the table has a field of that name.
  void SetName(const std::string& name) override;
  std::int16_t Type() override { return Row().spec.type; }
  std::int32_t Attributes() override { return Row().spec.attributes; }
  std::int32_t Size() override { return Row().spec.size; }
  bool AllowZeroLength() override { return Row().spec.allow_zero_length; }
  void SetAllowZeroLength(bool value) override;
  bool Required() override { return Row().spec.required; }
  void SetRequired(bool value) override;
  com::Variant DefaultValue() override { return Row().spec.default_value; }
  void SetDefaultValue(const com::Variant& value) override;
  std::string ValidationRule() override { return Row().spec.validation_rule; }
  void SetValidationRule(const std::string& value) override;
  std::string ValidationText() override { return Row().spec.validation_text; }
  void SetValidationText(const std::string& value) override;

  std::vector<BuiltInSpec> BuiltIns() override;
  std::optional<PropertyKey> StoredKey() override;

 private:
  const FieldRow& Row();
  void Change(const std::function<void(FieldSpec&)>& change);

  std::int64_t id_;
};

}  // namespace sim::jet
