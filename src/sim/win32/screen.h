#pragma once
// The simulated screen: the mouse pointer, the system colours and a
// 1024 x 768 display.

#include "platform/win32.h"

namespace sim {

class Screen : public platform::Screen {
 public:
  std::int16_t MousePointer() override { return pointer_; }
  void SetMousePointer(std::int16_t pointer) override { pointer_ = pointer; }
  // COLOR_WINDOW (5) is white, COLOR_BTNFACE (15) grey, the rest black.
  std::uint32_t GetSysColor(std::int32_t index) override;
  std::int32_t Width() override { return 1024; }
  std::int32_t Height() override { return 768; }

 private:
  std::int16_t pointer_ = 0;
};

}  // namespace sim
