#include "sim/win32/clock.h"

#include <gtest/gtest.h>

#include "com/date_time.h"

namespace {

TEST(Clock, VirtualNowStartsOnNewYearsDay2026AtNineAndMovesWithTheTicks) {
  sim::VirtualClock clock;
  EXPECT_EQ(com::FormatStamp(clock.Now()), "20260101090000");
  clock.Sleep(1500);
  clock.Advance(3'600'000);
  EXPECT_EQ(com::FormatStamp(clock.Now()), "20260101100001");
}

}  // namespace
