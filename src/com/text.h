#pragma once
// Text helpers with VB's semantics on UTF-8 strings. "Without regard to case"
// means VB's text comparison: ASCII letters and the accented Latin letters of
// the Western code page compare equal in upper and lower case.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace com {

std::string UCase(std::string_view s);
std::string LCase(std::string_view s);
bool EqualsNoCase(std::string_view a, std::string_view b);
// Orders as UCase(a).compare(UCase(b)) would, without building either.
int CompareNoCase(std::string_view a, std::string_view b);
// Hashing and equality without regard to case, for unordered containers of
// names that are looked up by any string.
struct NoCaseHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const;
};
struct NoCaseEqual {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const { return EqualsNoCase(a, b); }
};
bool StartsWithNoCase(std::string_view s, std::string_view prefix);
bool ContainsNoCase(std::string_view haystack, std::string_view needle);
std::string Trim(std::string_view s);
std::vector<std::string> Split(std::string_view s, std::string_view separator);
std::string Join(const std::vector<std::string>& parts, std::string_view separator);
// VB's Left and Mid count characters; these count UTF-8 code points.
std::string Left(std::string_view s, std::size_t characters);
std::size_t CharacterCount(std::string_view s);
// The code point of UTF-8 text at s[i], moving i past it; malformed bytes
// are taken one at a time.
char32_t NextCodePoint(std::string_view s, std::size_t& i);
void AppendCodePoint(char32_t code, std::string& out);
// Splits UTF-8 text into its characters (each one code point, as a string).
std::vector<std::string> Characters(std::string_view s);

inline constexpr std::string_view kCrLf = "\r\n";

}  // namespace com
