#include "sim/access/connection_properties.h"

#include "sim/access/access_errors.h"
#include "sim/access/connection_property.h"

namespace sim::access {

const com::TypeInfo& ConnectionProperties::Members() const {
  static const com::TypeInfo info = com::TypeBuilder<ConnectionProperties>("Properties")
                                        .Get("Count", &ConnectionProperties::Count)
                                        .Method("Item", &ConnectionProperties::Item)
                                        .Build();
  return info;
}

std::int32_t ConnectionProperties::Count() {
  return static_cast<std::int32_t>(ConnectionProperty::Count());
}

com::ObjectRef ConnectionProperties::Item(const com::Variant& index) {
  const auto position = index.IsString() ? ConnectionProperty::Find(index.AsString())
                                         : std::optional<std::size_t>(static_cast<std::size_t>(com::CLng(index)));
  if (!position || *position >= ConnectionProperty::Count()) RaiseAccess(kAdoItemNotFound);
  return std::make_shared<ConnectionProperty>(file_, *position);
}

}  // namespace sim::access
