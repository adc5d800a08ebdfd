#include "sim/access/access_object.h"

#include "sim/access/application.h"

namespace sim::access {

const com::TypeInfo& AccessObject::Members() const {
  static const com::TypeInfo info = com::TypeBuilder<AccessObject>("AccessObject")
                                        .Get("Name", &AccessObject::Name)
                                        .Get("Type", &AccessObject::Type)
                                        .Get("IsLoaded", &AccessObject::IsLoaded)
                                        .Build();
  return info;
}

bool AccessObject::IsLoaded() {
  auto* documents = Application::Served(application_)->Documents();
  return documents && documents->IsOpen(type_, name_);
}

}  // namespace sim::access
