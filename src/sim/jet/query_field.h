#pragma once
// An output field of a saved query: its design comes from the field it
// selects and cannot be changed here (3027); properties set on it are kept
// with the query.

#include "sim/jet/field_base.h"
#include "sim/jet/query_columns.h"

namespace sim::jet {

class QueryField : public FieldBase {
 public:
  QueryField(std::shared_ptr<Catalog> catalog, std::int64_t query_id, QueryColumn column,
             std::int16_t position)
      : FieldBase(std::move(catalog)),
        query_id_(query_id),
        column_(std::move(column)),
        position_(position) {}

  std::string Name() override { return column_.spec.name; }
  std::int16_t Type() override { return column_.spec.type; }
  std::int32_t Attributes() override { return column_.spec.attributes; }
  std::int32_t Size() override;
  bool AllowZeroLength() override { return column_.spec.allow_zero_length; }
  bool Required() override { return column_.spec.required; }
  com::Variant DefaultValue() override { return column_.spec.default_value; }
  std::string ValidationRule() override { return column_.spec.validation_rule; }
  std::string ValidationText() override { return column_.spec.validation_text; }

  std::vector<BuiltInSpec> BuiltIns() override;
  std::optional<PropertyKey> StoredKey() override;

 private:
  std::int64_t query_id_;
  QueryColumn column_;
  std::int16_t position_;
};

}  // namespace sim::jet
