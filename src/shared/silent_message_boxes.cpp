#include "shared/silent_message_boxes.h"

#include "com/error.h"
#include "shared/utility.h"

namespace shared {

SilentMessageBoxes::SilentMessageBoxes() : saved_(Utility::SetMsgBoxSound({})) {}

SilentMessageBoxes::~SilentMessageBoxes() {
  com::IgnoreErrors([&] { Utility::SetMsgBoxSound(saved_); });
}

}  // namespace shared
