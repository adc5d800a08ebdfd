#pragma once
// Calendar arithmetic for COM dates (days since 30 December 1899).

#include <string>

#include "com/variant.h"

namespace com {

struct DateParts {
  int year = 1899, month = 12, day = 30, hour = 0, minute = 0, second = 0;
};

Date MakeDate(const DateParts& parts);
// Raises error 5 for a date Access cannot hold (IsValidDate).
DateParts SplitDate(Date date);

// Access's dates run from 1 January 100 to 31 December 9999; infinities and
// NaN, which a damaged file can hold, are no dates at all.
bool IsValidDate(Date date);

// "yyyymmddhhnnss": the form of the change stamps. Both formats raise as
// SplitDate does.
std::string FormatStamp(Date date);

// VB's CStr of a date with the U.S. English short formats: "12/9/2026",
// "3:04:05 PM", or both separated by a blank.
std::string FormatVbDate(Date date);

// Parses the forms FormatVbDate writes and ISO "yyyy-mm-dd[ hh:nn:ss]".
bool ParseVbDate(const std::string& text, Date& out);

}  // namespace com
