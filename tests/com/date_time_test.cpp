#include "com/date_time.h"

#include <gtest/gtest.h>

#include <limits>

#include "support/error_matchers.h"

using com::Date;

TEST(DateTime, AccessesFirstAndLastDaysFormat) {
  const Date first = com::MakeDate({100, 1, 1, 0, 0, 0});
  const Date last = com::MakeDate({9999, 12, 31, 23, 59, 59});
  EXPECT_TRUE(com::IsValidDate(first));
  EXPECT_TRUE(com::IsValidDate(last));
  EXPECT_EQ(com::FormatStamp(first), "01000101000000");
  EXPECT_EQ(com::FormatStamp(last), "99991231235959");
  EXPECT_EQ(com::FormatVbDate(com::MakeDate({100, 1, 1, 12, 0, 0})), "1/1/100 12:00:00 PM");
}

// A damaged file can hold any double as a date: those outside Access's range
// are refused before any calendar arithmetic (which the sanitizer build checks).
TEST(DateTime, DatesOutsideAccesssRangeAreInvalid) {
  const double infinity = std::numeric_limits<double>::infinity();
  const double first = com::MakeDate({100, 1, 1, 0, 0, 0}).serial;
  const double last = com::MakeDate({9999, 12, 31, 0, 0, 0}).serial;
  for (const double serial : {1e20, -1e20, infinity, -infinity,
                              std::numeric_limits<double>::quiet_NaN(), first - 1, last + 1,
                              1e308, -4e18}) {
    const Date date{serial};
    EXPECT_FALSE(com::IsValidDate(date)) << serial;
    for (auto format : {com::FormatStamp, com::FormatVbDate}) {
      const com::Error e = testing_support::ErrorOf([&] { format(date); });
      EXPECT_EQ(e.Number(), 5) << serial;
      EXPECT_NE(e.Description().find("outside the dates Access can hold"), std::string::npos)
          << e.Description();
    }
  }
}
