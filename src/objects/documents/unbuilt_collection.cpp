#include "objects/documents/unbuilt_collection.h"

#include "shared/validation.h"
#include "shared/vxhandler.h"

namespace objects {

const com::TypeInfo& UnbuiltCollection::Members() const {
  static const com::TypeInfo info = com::TypeBuilder<UnbuiltCollection>("UnbuiltCollection").Build();
  return info;
}

void UnbuiltCollection::RaiseNotBuilt() const {
  validation::RaiseMessage("The " + kind_ + " collection is not built in this driver yet.");
}

std::string UnbuiltCollection::ICollection_EnumObjects() {
  return vxhandler::Guard(kind_, "ICollection_EnumObjects",
                          [&]() -> std::string { RaiseNotBuilt(); });
}

std::shared_ptr<driver::IObject> UnbuiltCollection::ICollection_GetObject(const std::string&) {
  return vxhandler::Guard(kind_, "ICollection_GetObject",
                          [&]() -> std::shared_ptr<driver::IObject> { RaiseNotBuilt(); });
}

}  // namespace objects
