#pragma once
// Text as Access writes forms, reports and macros: UTF-16LE with its mark.

#include <string>

namespace testing_support {

// ASCII text in UTF-16LE, after the byte-order mark.
inline std::string Utf16(const std::string& ascii) {
  std::string bytes = "\xFF\xFE";
  for (const char c : ascii) {
    bytes += c;
    bytes += '\0';
  }
  return bytes;
}

}  // namespace testing_support
