#include "host/parameter_set.h"

#include <cstdint>

#include "com/error.h"
#include "com/text.h"

namespace host {
namespace {

const char kHex[] = "0123456789ABCDEF";

std::string Escape(const std::string& s) {
  std::string out;
  for (unsigned char c : s) {
    if (c == ';' || c == '=' || c == '%' || c == '*' || c < 0x20 || c == 0x7F) {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  com::RaiseVb(5);
}

std::string Unescape(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '%') {
      out += s[i];
      continue;
    }
    if (i + 2 >= s.size()) com::RaiseVb(5);
    out += static_cast<char>(HexDigit(s[i + 1]) * 16 + HexDigit(s[i + 2]));
    i += 2;
  }
  return out;
}

// Scrambling of secret values: each byte is combined with a keystream that
// depends on its position, then written in hexadecimal. It keeps passwords out
// of sight in files and traces; it is not encryption.
std::uint8_t KeyByte(std::size_t position) {
  std::uint32_t x = static_cast<std::uint32_t>(position) * 2654435761u + 0x9E3779B9u;
  x ^= x >> 15;
  x *= 2246822519u;
  x ^= x >> 13;
  return static_cast<std::uint8_t>(x);
}

std::string Scramble(const std::string& value) {
  std::string out;
  for (std::size_t i = 0; i < value.size(); ++i) {
    const auto b = static_cast<std::uint8_t>(static_cast<std::uint8_t>(value[i]) ^ KeyByte(i));
    out += kHex[b >> 4];
    out += kHex[b & 15];
  }
  return out;
}

std::string Unscramble(const std::string& hex) {
  if (hex.size() % 2) com::RaiseVb(5);
  std::string out;
  for (std::size_t i = 0; i < hex.size(); i += 2)
    out += static_cast<char>((HexDigit(hex[i]) * 16 + HexDigit(hex[i + 1])) ^ KeyByte(i / 2));
  return out;
}

}  // namespace

void ParameterSet::SetText(const std::string& text) {
  std::vector<Entry> parsed;
  for (const std::string& item : com::Split(text, ";")) {
    if (item.empty()) continue;
    const auto eq = item.find('=');
    if (eq == std::string::npos || eq == 0) com::RaiseVb(5);
    Entry e{Unescape(item.substr(0, eq)), item.substr(eq + 1), false};
    if (!e.value.empty() && e.value[0] == '*') {
      e.secret = true;
      e.value = Unscramble(e.value.substr(1));
    } else {
      e.value = Unescape(e.value);
    }
    parsed.push_back(std::move(e));
  }
  entries_ = std::move(parsed);
}

std::string ParameterSet::Text() const {
  std::string out;
  for (const Entry& e : entries_) {
    if (!out.empty()) out += ';';
    out.append(Escape(e.key)).append("=");
    if (e.secret) out.append("*").append(Scramble(e.value));
    else out.append(Escape(e.value));
  }
  return out;
}

std::string ParameterSet::GetValue(const std::string& key, const std::string& default_value) const {
  const Entry* e = Find(key);
  return e ? e->value : default_value;
}

void ParameterSet::PutValue(const std::string& key, const std::string& value, bool secret) {
  if (Entry* e = Find(key)) {
    e->value = value;
    e->secret = secret;
  } else {
    entries_.push_back({key, value, secret});
  }
}

ParameterSet::Entry* ParameterSet::Find(const std::string& key) {
  for (Entry& e : entries_)
    if (com::EqualsNoCase(e.key, key)) return &e;
  return nullptr;
}

const ParameterSet::Entry* ParameterSet::Find(const std::string& key) const {
  return const_cast<ParameterSet*>(this)->Find(key);
}

}  // namespace host
