#pragma once
// What every DAO Field answers when it has no member of its own for a
// request: the members a field of its kind does not have are read-only
// (3027), a value exists only in a recordset (3219), and its properties are
// the built-in Name, Type, Size and Attributes.

#include <functional>
#include <memory>

#include "platform/dao.h"
#include "sim/jet/catalog.h"
#include "sim/jet/property_host.h"

namespace sim::jet {

class FieldBase : public dao::Field,
                  public PropertyHost,
                  public std::enable_shared_from_this<FieldBase> {
 public:
  explicit FieldBase(std::shared_ptr<Catalog> catalog) : catalog_(std::move(catalog)) {}

  void SetName(const std::string& name) override;
  std::int32_t Attributes() override { return 0; }
  std::int32_t Size() override;
  bool AllowZeroLength() override { return false; }
  void SetAllowZeroLength(bool value) override;
  bool Required() override { return false; }
  void SetRequired(bool value) override;
  com::Variant DefaultValue() override { return com::Variant(std::string()); }
  void SetDefaultValue(const com::Variant& value) override;
  std::string ValidationRule() override { return ""; }
  void SetValidationRule(const std::string& value) override;
  std::string ValidationText() override { return ""; }
  void SetValidationText(const std::string& value) override;
  std::string ForeignName() override { return ""; }
  com::Variant Value() override;
  void SetValue(const com::Variant& value) override;

  std::shared_ptr<dao::Properties> GetProperties() override;
  std::shared_ptr<dao::Property> CreateProperty(const std::string& name, std::int16_t type,
                                                const com::Variant& value) override;
  std::vector<BuiltInSpec> BuiltIns() override;
  std::optional<PropertyKey> StoredKey() override { return std::nullopt; }

 protected:
  // Name, Type, Size and Attributes, read through this field.
  std::vector<BuiltInSpec> CommonBuiltIns();
  // The design properties of a field of a table or query: validation,
  // default, Required, AllowZeroLength and where the field comes from.
  // The source table, source field and position are read only when asked for.
  std::vector<BuiltInSpec> DesignBuiltIns(std::function<std::string()> source_table,
                                          std::function<std::string()> source_field,
                                          std::function<std::int16_t()> position);

  std::shared_ptr<Catalog> catalog_;
};

}  // namespace sim::jet
