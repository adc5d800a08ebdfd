#include "objects/code/macros.h"

#include "driver/project.h"
#include "platform/access.h"
#include "shared/vxhandler.h"

namespace objects {

const com::TypeInfo& Macros::Members() const {
  static const com::TypeInfo info = com::TypeBuilder<Macros>(kClass).Build();
  return info;
}

std::string Macros::ICollection_EnumObjects() {
  return vxhandler::Guard(kClass, "ICollection_EnumObjects", [&] {
    return DocumentObjectList({.container = "Scripts", .all_member = "AllMacros", .type_code = 4,
                               .read_mask = 10, .write_mask = 65542});
  });
}

std::shared_ptr<driver::IObject> Macros::ICollection_GetObject(const std::string& object_name) {
  return vxhandler::Guard(kClass, "ICollection_GetObject", [&] {
    return std::dynamic_pointer_cast<driver::IObject>(Parent()->GetMacro(object_name));
  });
}

}  // namespace objects
