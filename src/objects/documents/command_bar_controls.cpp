#include "objects/documents/command_bar_controls.h"

namespace objects {

const com::TypeInfo& CommandBarControls::Members() const {
  static const com::TypeInfo info = Builder<CommandBarControls>("CommandBarControls").Build();
  return info;
}

void CommandBarControls::Initialize(com::ObjectRef office_controls) {
  vxhandler::Guard("CommandBarControls", "Initialize", [&] {
    auto self = std::static_pointer_cast<CommandBarControls>(shared_from_this());
    const std::int32_t count = com::CLng(office_controls->Get("Count"));
    for (std::int32_t position = 1; position <= count; ++position) {
      auto control = std::make_shared<CommandBarControl>();
      control->Initialize(self, com::CObj(office_controls->Call("Item", {com::Variant(position)})));
      list_.Add(control, std::to_string(position));
    }
  });
}

}  // namespace objects
