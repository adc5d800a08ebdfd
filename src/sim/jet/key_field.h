#pragma once
// A field of an index or of a relation: the name of a table's field, with
// dbDescending in its attributes for a descending key, and the name of the
// matching field of the foreign table in a relation.

#include "sim/jet/field_base.h"

namespace sim::jet {

class KeyField : public FieldBase {
 public:
  KeyField(std::shared_ptr<Catalog> catalog, std::string name, std::int16_t type,
           std::int32_t attributes, std::string foreign_name)
      : FieldBase(std::move(catalog)),
        name_(std::move(name)),
        type_(type),
        attributes_(attributes),
        foreign_name_(std::move(foreign_name)) {}

  std::string Name() override { return name_; }
  std::int16_t Type() override { return type_; }
  std::int32_t Attributes() override { return attributes_; }
  std::string ForeignName() override { return foreign_name_; }

  std::vector<BuiltInSpec> BuiltIns() override;

 private:
  std::string name_;
  std::int16_t type_;
  std::int32_t attributes_;
  std::string foreign_name_;
};

}  // namespace sim::jet
