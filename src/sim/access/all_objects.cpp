#include "sim/access/all_objects.h"

#include "sim/access/access_errors.h"
#include "sim/access/access_object.h"
#include "sim/access/application.h"
#include "sim/access/document_kind.h"
#include "sim/access/item_lookup.h"

namespace sim::access {

const com::TypeInfo& AllObjects::Members() const {
  static const com::TypeInfo info = com::TypeBuilder<AllObjects>("AllObjects")
                                        .Get("Count", &AllObjects::Count)
                                        .Method("Item", &AllObjects::Item)
                                        .Build();
  return info;
}

std::int32_t AllObjects::Count() { return static_cast<std::int32_t>(Names().size()); }

com::ObjectRef AllObjects::Item(const com::Variant& index) {
  const auto name = ItemName(Names(), index, 0);
  if (!name) RaiseAccess(kObjectClosedOrMissing);
  return std::make_shared<AccessObject>(application_, type_, *name);
}

std::vector<std::string> AllObjects::Names() const {
  Application::Served(application_);
  auto file = file_.lock();
  if (!file || !file->IsOpen()) RaiseAccess(kObjectClosedOrMissing);
  return file->DocumentNames(KindOf(type_).container);
}

}  // namespace sim::access
