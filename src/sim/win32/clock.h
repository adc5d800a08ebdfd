#pragma once
// The machine's clock. The virtual clock moves only when the program sleeps
// or yields to the message loop (each yield takes 10 ms), so tests run timed
// loops in no real time; its date and time start at 1 January 2026, 09:00,
// and move with its ticks. The real clock is the system's.

#include <cstdint>
#include <functional>

#include "platform/win32.h"

namespace sim {

class VirtualClock : public platform::Clock {
 public:
  static constexpr std::uint32_t kYieldMilliseconds = 10;
  static constexpr std::uint32_t kStartTicks = 5'000'000;

  std::uint32_t GetTickCount() override { return ticks_; }
  void Sleep(std::uint32_t milliseconds) override;
  void DoEvents() override;
  // 2026-01-01 09:00:00 plus the milliseconds elapsed since the machine started.
  com::Date Now() override;

  void Advance(std::uint32_t milliseconds) { ticks_ += milliseconds; }
  // Work the machine does while the program waits (another session letting
  // go of a file, say): called with the new tick count after every move.
  void SetOnTick(std::function<void(std::uint32_t)> on_tick) { on_tick_ = std::move(on_tick); }

 private:
  std::uint32_t ticks_ = kStartTicks;
  std::function<void(std::uint32_t)> on_tick_;
};

class RealClock : public platform::Clock {
 public:
  std::uint32_t GetTickCount() override;
  void Sleep(std::uint32_t milliseconds) override;
  void DoEvents() override;
  // The local date and time.
  com::Date Now() override;
};

}  // namespace sim
