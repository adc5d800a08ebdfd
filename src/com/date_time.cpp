#include "com/date_time.h"

#include <cmath>
#include <cstdio>
#include <cctype>

#include "com/error.h"

namespace com {
namespace {

// Days from 1970-01-01 to a civil date (Howard Hinnant's algorithm).
constexpr long DaysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const long yoe = y - era * 400;
  const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(long z, int& y, int& m, int& d) {
  z += 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const long doe = z - era * 146097;
  const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

constexpr long kEpochOffset = DaysFromCivil(1899, 12, 30);
constexpr double kFirstDay = DaysFromCivil(100, 1, 1) - kEpochOffset;
constexpr double kLastDay = DaysFromCivil(9999, 12, 31) - kEpochOffset;

}  // namespace

bool IsValidDate(Date date) {
  // A day before 1899-12-30 is negative with its time as a fraction after it.
  return date.serial > kFirstDay - 1 && date.serial < kLastDay + 1;
}

Date MakeDate(const DateParts& p) {
  const double days = static_cast<double>(DaysFromCivil(p.year, p.month, p.day) - kEpochOffset);
  const double time = (p.hour * 3600.0 + p.minute * 60.0 + p.second) / 86400.0;
  // COM dates before 1899-12-30 keep the time as a positive fraction after a negative day.
  return Date{days < 0 ? days - time : days + time};
}

DateParts SplitDate(Date date) {
  if (!IsValidDate(date)) {
    char serial[32];
    std::snprintf(serial, sizeof serial, "%g", date.serial);
    Raise(5, std::string("Invalid date: ") + serial +
                 " is outside the dates Access can hold (100-01-01 to 9999-12-31).");
  }
  const double day_part = std::trunc(date.serial);
  long seconds = std::lround(std::fabs(date.serial - day_part) * 86400.0);
  long days = static_cast<long>(day_part);
  if (seconds >= 86400) {
    seconds -= 86400;
    days += date.serial < 0 ? -1 : 1;
  }
  DateParts p;
  CivilFromDays(days + kEpochOffset, p.year, p.month, p.day);
  p.hour = static_cast<int>(seconds / 3600);
  p.minute = static_cast<int>(seconds / 60 % 60);
  p.second = static_cast<int>(seconds % 60);
  return p;
}

std::string FormatStamp(Date date) {
  const DateParts p = SplitDate(date);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d%02d%02d%02d%02d%02d", p.year, p.month, p.day, p.hour,
                p.minute, p.second);
  return buf;
}

std::string FormatVbDate(Date date) {
  const DateParts p = SplitDate(date);
  const bool has_date = std::trunc(date.serial) != 0;
  const bool has_time = p.hour != 0 || p.minute != 0 || p.second != 0;
  std::string out;
  char buf[32];
  if (has_date || !has_time) {
    std::snprintf(buf, sizeof buf, "%d/%d/%d", p.month, p.day, p.year);
    out = buf;
  }
  if (has_time) {
    const int hour12 = p.hour % 12 == 0 ? 12 : p.hour % 12;
    std::snprintf(buf, sizeof buf, "%d:%02d:%02d %s", hour12, p.minute, p.second,
                  p.hour < 12 ? "AM" : "PM");
    if (!out.empty()) out += ' ';
    out += buf;
  }
  return out;
}

namespace {

// Reads a run of digits (at most `most` of them) at `at`; -1 when there is none.
int Number(const std::string& text, std::size_t& at, std::size_t most) {
  std::size_t start = at;
  int value = 0;
  while (at < text.size() && at - start < most && std::isdigit(static_cast<unsigned char>(text[at])))
    value = value * 10 + (text[at++] - '0');
  return at == start ? -1 : value;
}

bool Skip(const std::string& text, std::size_t& at, char c) {
  if (at >= text.size() || text[at] != c) return false;
  ++at;
  return true;
}

void SkipBlanks(const std::string& text, std::size_t& at) {
  while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
}

// "h:nn[:ss][ AM|PM]" (the suffix only for U.S. times).
bool ParseTime(const std::string& text, std::size_t& at, bool twelve_hour, DateParts& p) {
  p.hour = Number(text, at, 2);
  if (p.hour < 0 || !Skip(text, at, ':')) return false;
  p.minute = Number(text, at, 2);
  if (p.minute < 0) return false;
  p.second = Skip(text, at, ':') ? Number(text, at, 2) : 0;
  if (p.second < 0) return false;
  SkipBlanks(text, at);
  if (!twelve_hour || at + 2 > text.size()) return true;
  const char first = static_cast<char>(std::toupper(static_cast<unsigned char>(text[at])));
  const char second = static_cast<char>(std::toupper(static_cast<unsigned char>(text[at + 1])));
  if ((first != 'A' && first != 'P') || second != 'M') return true;
  at += 2;
  if (p.hour == 12) p.hour = 0;
  if (first == 'P') p.hour += 12;
  return true;
}

}  // namespace

bool ParseVbDate(const std::string& text, Date& out) {
  std::size_t at = 0;
  SkipBlanks(text, at);
  DateParts p;
  const int first = Number(text, at, 4);
  bool us = false;
  if (first < 0) return false;
  if (Skip(text, at, '/')) {  // m/d/yyyy
    us = true;
    p.month = first;
    p.day = Number(text, at, 2);
    if (p.day < 0 || !Skip(text, at, '/')) return false;
    p.year = Number(text, at, 4);
  } else if (Skip(text, at, '-')) {  // yyyy-mm-dd
    p.year = first;
    p.month = Number(text, at, 2);
    if (p.month < 0 || !Skip(text, at, '-')) return false;
    p.day = Number(text, at, 2);
  } else {
    return false;
  }
  if (p.year < 1000 || p.day < 0) return false;
  p.hour = p.minute = p.second = 0;
  if (at < text.size() && (text[at] == ' ' || text[at] == 'T')) {
    ++at;
    SkipBlanks(text, at);
    if (at < text.size() && !ParseTime(text, at, us, p)) return false;
  }
  SkipBlanks(text, at);
  if (at != text.size()) return false;
  if (p.month < 1 || p.month > 12 || p.day < 1 || p.day > 31 || p.hour > 23 || p.minute > 59 ||
      p.second > 59)
    return false;
  out = MakeDate(p);
  return true;
}

}  // namespace com
