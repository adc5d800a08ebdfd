#include "sim/win32/clock.h"

#include <chrono>
#include <ctime>
#include <thread>

#include "com/date_time.h"

namespace sim {

void VirtualClock::Sleep(std::uint32_t milliseconds) {
  ticks_ += milliseconds;
  if (on_tick_) on_tick_(ticks_);
}

void VirtualClock::DoEvents() { Sleep(kYieldMilliseconds); }

com::Date VirtualClock::Now() {
  constexpr double kMillisecondsPerDay = 86'400'000.0;
  const com::Date start = com::MakeDate({2026, 1, 1, 9, 0, 0});
  return com::Date{start.serial + (ticks_ - kStartTicks) / kMillisecondsPerDay};
}

std::uint32_t RealClock::GetTickCount() {
  using namespace std::chrono;
  return static_cast<std::uint32_t>(
      duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void RealClock::Sleep(std::uint32_t milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

// Windows' DoEvents hands the thread to the messages waiting for it and
// returns at once; this machine has no other thread to wait for.
void RealClock::DoEvents() { std::this_thread::yield(); }

com::Date RealClock::Now() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return com::MakeDate({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                        local.tm_min, local.tm_sec});
}

}  // namespace sim
