#include "sim/jet/stored_property.h"

#include "sim/jet/dao_errors.h"
#include "sim/jet/dao_value.h"

namespace sim::jet {

StoredProperty::StoredProperty(std::string name, std::int16_t type, com::Variant value)
    : name_(std::move(name)), type_(type ? type : DaoTypeOf(value)), value_(std::move(value)) {}

StoredProperty::StoredProperty(std::shared_ptr<Catalog> catalog, PropertyKey key, std::string name)
    : name_(std::move(name)), catalog_(std::move(catalog)), key_(std::move(key)) {}

const PropertySpec& StoredProperty::Stored() {
  const PropertySpec* found = PropertyStore(*catalog_).Find(key_, name_);
  if (!found) RaiseDao(kDaoObjectInvalid);
  return *found;
}

std::int16_t StoredProperty::Type() { return appended() ? Stored().type : type_; }

com::Variant StoredProperty::Value() { return appended() ? Stored().value : value_; }

void StoredProperty::SetValue(const com::Variant& value) {
  if (!appended()) {
    value_ = type_ ? ToDaoType(type_, value) : value;
    return;
  }
  catalog_->Write([&] { PropertyStore(*catalog_).SetValue(key_, name_, value); });
}

bool StoredProperty::Inherited() { return appended() && Stored().inherited; }

void StoredProperty::Attach(std::shared_ptr<Catalog> catalog, PropertyKey key) {
  catalog_ = std::move(catalog);
  key_ = std::move(key);
}

}  // namespace sim::jet
