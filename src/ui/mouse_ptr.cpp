#include "ui/mouse_ptr.h"

#include "com/error.h"
#include "platform/system.h"

namespace ui {

MousePtr::MousePtr() : saved_(platform::System::Current().screen().MousePointer()) {}

MousePtr::~MousePtr() {
  com::IgnoreErrors([&] { platform::System::Current().screen().SetMousePointer(saved_); });
}

void MousePtr::SetPointer(std::int16_t pointer) {
  platform::System::Current().screen().SetMousePointer(pointer);
}

}  // namespace ui
