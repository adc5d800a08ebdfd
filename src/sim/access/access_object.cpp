#include "sim/access/access_object.h"

#include "platform/access.h"
#include "sim/access/application.h"
#include "sim/access/page_links.h"

namespace sim::access {

const com::TypeInfo& AccessObject::Members() const {
  static const com::TypeInfo info = com::TypeBuilder<AccessObject>("AccessObject")
                                        .Get("Name", &AccessObject::Name)
                                        .Get("Type", &AccessObject::Type)
                                        .Get("IsLoaded", &AccessObject::IsLoaded)
                                        .Get("FullName", &AccessObject::FullName)
                                        .Build();
  return info;
}

bool AccessObject::IsLoaded() {
  auto* documents = Application::Served(application_)->Documents();
  return documents && documents->IsOpen(type_, name_);
}

std::string AccessObject::FullName() {
  auto* documents = Application::Served(application_)->Documents();
  if (type_ != msaccess::acDataAccessPage || !documents) return "";
  return PageLinks(documents->File()->Catalog()).Path(name_).value_or("");
}

}  // namespace sim::access
