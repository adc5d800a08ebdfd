#include "com/text.h"

#include <cctype>
#include <cstdint>
#include <cstring>

namespace com {

char32_t NextCodePoint(std::string_view s, std::size_t& i) {
  const auto b = static_cast<unsigned char>(s[i]);
  int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
  if (extra && i + extra >= s.size()) extra = 0;
  char32_t cp = extra == 0 ? b : b & (0x3F >> extra);
  for (int k = 1; k <= extra; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
  i += 1 + extra;
  return cp;
}

void AppendCodePoint(char32_t cp, std::string& out) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

namespace {

// Case mapping of the Western code page (Windows-1252): ASCII, Latin-1 letters
// and the four letters of 0x80-0x9F (Š, Œ, Ž, Ÿ).
char32_t Upper(char32_t c) {
  if (c >= 'a' && c <= 'z') return c - 32;
  if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 32;
  if (c == 0xFF) return 0x178;                        // ÿ -> Ÿ
  if (c == 0x161 || c == 0x153 || c == 0x17E) return c - 1;  // š œ ž
  return c;
}

// Upper for a byte below 0x80, inline where names are hashed and compared.
char32_t UpperAscii(unsigned char c) { return c >= 'a' && c <= 'z' ? c - 32 : c; }

char32_t Lower(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 32;
  if (c == 0x178) return 0xFF;
  if (c == 0x160 || c == 0x152 || c == 0x17D) return c + 1;
  return c;
}

template <class F>
std::string Map(std::string_view s, F f) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {  // ASCII maps to ASCII: one byte, no decoding
      out += static_cast<char>(f(b));
      ++i;
    } else {
      AppendCodePoint(f(NextCodePoint(s, i)), out);
    }
  }
  return out;
}

}  // namespace

std::string UCase(std::string_view s) { return Map(s, Upper); }
std::string LCase(std::string_view s) { return Map(s, Lower); }

int CompareNoCase(std::string_view a, std::string_view b) {
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    const auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[j]);
    char32_t upper_x, upper_y;
    if (x < 0x80 && y < 0x80) {  // ASCII on both sides: one byte each, no decoding
      upper_x = UpperAscii(x), upper_y = UpperAscii(y);
      ++i, ++j;
    } else {
      upper_x = Upper(NextCodePoint(a, i)), upper_y = Upper(NextCodePoint(b, j));
    }
    if (upper_x != upper_y) return upper_x < upper_y ? -1 : 1;
  }
  return static_cast<int>(i < a.size()) - static_cast<int>(j < b.size());
}

bool EqualsNoCase(std::string_view a, std::string_view b) { return a == b || CompareNoCase(a, b) == 0; }

namespace {

constexpr std::uint64_t kHighBits = 0x8080808080808080ull;

std::uint64_t LoadWord(const char* bytes) {
  std::uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  return word;
}

// The last `count` bytes of the text (fewer than eight) in the low bytes of
// a word: when the text is long enough, its last eight bytes shifted down.
std::uint64_t LoadTail(std::string_view s, std::size_t count) {
  if (s.size() >= 8) return LoadWord(s.data() + s.size() - 8) >> (8 * (8 - count));
  std::uint64_t word = 0;
  std::memcpy(&word, s.data() + s.size() - count, count);
  return word;
}

// The ASCII letters of eight bytes upper-cased at once; other bytes as they are.
std::uint64_t UpperWord(std::uint64_t word) {
  const std::uint64_t low7 = word & ~kHighBits;
  const std::uint64_t from_a = low7 + 0x1F1F1F1F1F1F1F1Full;  // top bit: at least 'a'
  const std::uint64_t past_z = low7 + 0x0505050505050505ull;  // top bit: beyond 'z'
  const std::uint64_t lower = from_a & ~past_z & ~word & kHighBits;
  return word ^ (lower >> 2);
}

std::uint64_t MixWord(std::uint64_t hash, std::uint64_t word) {
  hash = (hash ^ word) * 0x9E3779B97F4A7C15ull;
  return hash ^ (hash >> 32);
}

// The hash of the text with its ASCII letters upper-cased, eight bytes at a
// time; `high` gathers the top bits, so that the caller learns whether the
// text was all ASCII.
std::size_t UpperAsciiHash(std::string_view s, std::uint64_t& high) {
  std::uint64_t hash = 0xCBF29CE484222325ull ^ s.size();
  std::size_t i = 0;
  for (; i + 8 <= s.size(); i += 8) {
    const std::uint64_t word = LoadWord(s.data() + i);
    high |= word;
    hash = MixWord(hash, UpperWord(word));
  }
  if (i < s.size()) {
    const std::uint64_t word = LoadTail(s, s.size() - i);
    high |= word;
    hash = MixWord(hash, UpperWord(word));
  }
  hash = (hash ^ (hash >> 29)) * 0xBF58476D1CE4E5B9ull;
  return static_cast<std::size_t>(hash ^ (hash >> 32));
}

}  // namespace

// Texts equal without regard to case have the same UCase, and the hash is
// that of their UCase: worked out in place for ASCII (names nearly always
// are), through UCase for the rest, overlong and malformed bytes included.
std::size_t NoCaseHash::operator()(std::string_view s) const {
  std::uint64_t high = 0;
  const std::size_t hash = UpperAsciiHash(s, high);
  if ((high & kHighBits) == 0) return hash;
  const std::string upper = UCase(s);
  return UpperAsciiHash(upper, high);
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
  const std::string head = Left(s, CharacterCount(prefix));
  return EqualsNoCase(head, prefix);
}

bool ContainsNoCase(std::string_view haystack, std::string_view needle) {
  return UCase(haystack).find(UCase(needle)) != std::string::npos;
}

std::string Trim(std::string_view s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return "";
  const auto last = s.find_last_not_of(' ');
  return std::string(s.substr(first, last - first + 1));
}

std::vector<std::string> Split(std::string_view s, std::string_view separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t pos; (pos = s.find(separator, start)) != std::string_view::npos;
       start = pos + separator.size())
    parts.emplace_back(s.substr(start, pos - start));
  parts.emplace_back(s.substr(start));
  return parts;
}

std::string Join(const std::vector<std::string>& parts, std::string_view separator) {
  std::string out;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i) out += separator;
    out += parts[i];
  }
  return out;
}

std::string Left(std::string_view s, std::size_t characters) {
  std::size_t i = 0;
  for (std::size_t n = 0; n < characters && i < s.size(); ++n) NextCodePoint(s, i);
  return std::string(s.substr(0, i));
}

std::size_t CharacterCount(std::string_view s) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < s.size(); ++n) NextCodePoint(s, i);
  return n;
}

std::vector<std::string> Characters(std::string_view s) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t start = i;
    NextCodePoint(s, i);
    out.emplace_back(s.substr(start, i - start));
  }
  return out;
}

}  // namespace com
