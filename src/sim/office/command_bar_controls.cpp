#include "sim/office/command_bar_controls.h"

#include "com/error.h"
#include "sim/office/command_bar_control.h"

namespace sim::office {
const com::TypeInfo& CommandBarControls::Members() const {
  static const com::TypeInfo info = com::TypeBuilder<CommandBarControls>("CommandBarControls")
                                        .Get("Count", &CommandBarControls::Count)
                                        .Method("Item", &CommandBarControls::Item)
                                        .Build();
  return info;
}

std::int32_t CommandBarControls::Count() {
  return static_cast<std::int32_t>(bar_.Read().value("Controls", nlohmann::json::array()).size());
}

com::ObjectRef CommandBarControls::Item(const com::Variant& index) {
  const std::int32_t position = com::CLng(index);
  if (position < 1 || position > Count()) com::RaiseVb(kInvalidArgument);
  return std::make_shared<CommandBarControl>(bar_, static_cast<std::size_t>(position - 1));
}

}  // namespace sim::office
