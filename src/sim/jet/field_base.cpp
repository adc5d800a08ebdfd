#include "sim/jet/field_base.h"

#include "sim/jet/dao_errors.h"
#include "sim/jet/dao_value.h"
#include "sim/jet/properties.h"
#include "sim/jet/stored_property.h"

namespace sim::jet {
namespace {

// Jet's general sort order, 1033; a decimal field answers its precision.
std::int32_t CollatingOrder(std::int16_t type) {
  constexpr std::int32_t kSortGeneral = 1033;
  constexpr std::int32_t kDecimalPrecision = 18;
  return type == dao::dbDecimal ? kDecimalPrecision : kSortGeneral;
}

}  // namespace

void FieldBase::SetName(const std::string&) { RaiseDao(kDaoReadOnly); }
std::int32_t FieldBase::Size() { return DefaultSize(Type()); }
void FieldBase::SetAllowZeroLength(bool) { RaiseDao(kDaoReadOnly); }
void FieldBase::SetRequired(bool) { RaiseDao(kDaoReadOnly); }
void FieldBase::SetDefaultValue(const com::Variant&) { RaiseDao(kDaoReadOnly); }
void FieldBase::SetValidationRule(const std::string&) { RaiseDao(kDaoReadOnly); }
void FieldBase::SetValidationText(const std::string&) { RaiseDao(kDaoReadOnly); }
com::Variant FieldBase::Value() { RaiseDao(kDaoInvalidOperation); }
void FieldBase::SetValue(const com::Variant&) { RaiseDao(kDaoInvalidOperation); }

std::shared_ptr<dao::Properties> FieldBase::GetProperties() {
  return std::make_shared<Properties>(catalog_, shared_from_this());
}

std::shared_ptr<dao::Property> FieldBase::CreateProperty(const std::string& name, std::int16_t type,
                                                         const com::Variant& value) {
  return std::make_shared<StoredProperty>(name, type, value);
}

std::vector<BuiltInSpec> FieldBase::BuiltIns() { return CommonBuiltIns(); }

std::vector<BuiltInSpec> FieldBase::CommonBuiltIns() {
  auto self = shared_from_this();
  return {
      {"Name", dao::dbText, [self] { return com::Variant(self->Name()); },
       [self](const com::Variant& v) { self->SetName(com::CStr(v)); }},
      {"Type", dao::dbInteger, [self] { return com::Variant(self->Type()); }, nullptr},
      {"Size", dao::dbLong, [self] { return com::Variant(self->Size()); }, nullptr},
      {"Attributes", dao::dbLong, [self] { return com::Variant(self->Attributes()); }, nullptr},
  };
}

std::vector<BuiltInSpec> FieldBase::DesignBuiltIns(std::function<std::string()> source_table,
                                                   std::function<std::string()> source_field,
                                                   std::function<std::int16_t()> position) {
  auto self = shared_from_this();
  auto specs = CommonBuiltIns();
  std::vector<BuiltInSpec> design = {
      {"CollatingOrder", dao::dbLong, [self] { return com::Variant(CollatingOrder(self->Type())); },
       nullptr},
      {"OrdinalPosition", dao::dbInteger, [position] { return com::Variant(position()); }, nullptr},
      {"SourceField", dao::dbText, [source_field] { return com::Variant(source_field()); },
       nullptr},
      {"SourceTable", dao::dbText, [source_table] { return com::Variant(source_table()); },
       nullptr},
      {"DefaultValue", dao::dbText, [self] { return self->DefaultValue(); },
       [self](const com::Variant& v) { self->SetDefaultValue(v); }},
      {"ValidationRule", dao::dbText, [self] { return com::Variant(self->ValidationRule()); },
       [self](const com::Variant& v) { self->SetValidationRule(com::CStr(v)); }},
      {"ValidationText", dao::dbText, [self] { return com::Variant(self->ValidationText()); },
       [self](const com::Variant& v) { self->SetValidationText(com::CStr(v)); }},
      {"Required", dao::dbBoolean, [self] { return com::Variant(self->Required()); },
       [self](const com::Variant& v) { self->SetRequired(com::CBool(v)); }},
      {"AllowZeroLength", dao::dbBoolean, [self] { return com::Variant(self->AllowZeroLength()); },
       [self](const com::Variant& v) { self->SetAllowZeroLength(com::CBool(v)); }},
  };
  specs.insert(specs.end(), design.begin(), design.end());
  return specs;
}

}  // namespace sim::jet
