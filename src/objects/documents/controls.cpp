#include "objects/documents/controls.h"

#include "shared/vxhandler.h"

namespace objects {

const com::TypeInfo& Controls::Members() const {
  static const com::TypeInfo info = Builder<Controls>(kClass).Build();
  return info;
}

void Controls::Initialize(com::ObjectRef controls, std::int32_t object_type) {
  vxhandler::Guard(kClass, "Initialize", [&] {
    auto self = std::static_pointer_cast<Controls>(shared_from_this());
    const std::int32_t count = com::CLng(controls->Get("Count"));
    for (std::int32_t position = 0; position < count; ++position) {
      auto control = std::make_shared<Control>();
      control->Initialize(self, com::CObj(controls->Call("Item", {com::Variant(position)})),
                          object_type);
      list_.Add(control, control->Name());
    }
  });
}

}  // namespace objects
