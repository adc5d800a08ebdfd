#include "sim/win32/clock.h"

#include <chrono>
#include <thread>

namespace sim {

void VirtualClock::Sleep(std::uint32_t milliseconds) {
  ticks_ += milliseconds;
  if (on_tick_) on_tick_(ticks_);
}

void VirtualClock::DoEvents() { Sleep(kYieldMilliseconds); }

std::uint32_t RealClock::GetTickCount() {
  using namespace std::chrono;
  return static_cast<std::uint32_t>(
      duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void RealClock::Sleep(std::uint32_t milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void RealClock::DoEvents() { std::this_thread::sleep_for(std::chrono::milliseconds(1)); }

}  // namespace sim
