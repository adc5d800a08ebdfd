#include "sim/access/conditional_format.h"

#include "com/text.h"

namespace sim::access {
namespace {

constexpr std::size_t kHeader = 12;
constexpr std::size_t kRecord = 28;
constexpr std::size_t kStrings = kHeader + kMaxFormatRules * kRecord;  // 96
constexpr std::size_t kLaterSettings = 17;

// Reads little-endian values from a blob, failing softly past its end.
class Reader {
 public:
  explicit Reader(const std::string& bytes, std::size_t at = 0) : bytes_(bytes), at_(at) {}

  bool Fits(std::size_t count) const { return at_ + count <= bytes_.size(); }
  std::optional<std::uint32_t> U32() { return Number(4); }
  std::optional<std::uint32_t> U16() { return Number(2); }
  std::optional<std::string> Bytes(std::size_t count) {
    if (!Fits(count)) return std::nullopt;
    std::string out = bytes_.substr(at_, count);
    at_ += count;
    return out;
  }
  std::size_t At() const { return at_; }

 private:
  std::optional<std::uint32_t> Number(std::size_t width) {
    if (!Fits(width)) return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i)
      value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes_[at_ + i])) << (8 * i);
    at_ += width;
    return value;
  }

  const std::string& bytes_;
  std::size_t at_;
};

void PutNumber(std::string& out, std::uint32_t value, std::size_t width) {
  for (std::size_t i = 0; i < width; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}
void PutU32(std::string& out, std::uint32_t value) { PutNumber(out, value, 4); }

// UTF-8 text as UTF-16LE units.
std::u16string Units(const std::string& text) {
  std::u16string units;
  for (std::size_t i = 0; i < text.size();) {
    char32_t code = com::NextCodePoint(text, i);
    if (code >= 0x10000) {
      code -= 0x10000;
      units += static_cast<char16_t>(0xD800 + (code >> 10));
      units += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    } else {
      units += static_cast<char16_t>(code);
    }
  }
  return units;
}

std::string Text(const std::u16string& units) {
  std::string text;
  for (std::size_t i = 0; i < units.size(); ++i) {
    char32_t code = units[i];
    if (code >= 0xD800 && code < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
        units[i + 1] < 0xE000)
      code = 0x10000 + ((code - 0xD800) << 10) + (units[++i] - 0xDC00);
    com::AppendCodePoint(code, text);
  }
  return text;
}

void PutUnits(std::string& out, const std::u16string& units) {
  for (char16_t unit : units) PutNumber(out, unit, 2);
}

std::optional<std::u16string> ReadUnits(Reader& reader, std::size_t count) {
  std::u16string units;
  for (std::size_t i = 0; i < count; ++i) {
    const auto unit = reader.U16();
    if (!unit) return std::nullopt;
    units += static_cast<char16_t>(*unit);
  }
  return units;
}

// A NUL-terminated string of the string area, at an offset in units.
std::optional<std::string> AreaString(const std::string& blob, std::size_t end, std::uint32_t offset) {
  std::u16string units;
  for (std::size_t at = kStrings + 2 * static_cast<std::size_t>(offset);; at += 2) {
    if (at + 2 > end) return std::nullopt;
    const char16_t unit = static_cast<char16_t>(static_cast<unsigned char>(blob[at]) |
                                                static_cast<unsigned char>(blob[at + 1]) << 8);
    if (unit == 0) return Text(units);
    units += unit;
  }
}

void PutFlags(std::string& out, const FormatRule& rule) {
  for (bool flag : {rule.enabled, rule.bold, rule.italic, rule.underline})
    out += static_cast<char>(flag ? 1 : 0);
}

bool ReadFlags(Reader& reader, FormatRule& rule) {
  const auto flags = reader.Bytes(4);
  if (!flags) return false;
  rule.enabled = (*flags)[0] != 0;
  rule.bold = (*flags)[1] != 0;
  rule.italic = (*flags)[2] != 0;
  rule.underline = (*flags)[3] != 0;
  return true;
}

bool ReadColors(Reader& reader, FormatRule& rule) {
  const auto fore = reader.U32();
  const auto back = reader.U32();
  if (!fore || !back) return false;
  rule.fore_color = static_cast<std::int32_t>(*fore);
  rule.back_color = static_cast<std::int32_t>(*back);
  return true;
}

}  // namespace

std::optional<std::vector<FormatRule>> DecodeConditionalFormat(const std::string& blob) {
  Reader reader(blob);
  const auto version = reader.U32();
  const auto size = reader.U32();
  const auto count = reader.U32();
  if (!version || *version != 1 || !size || *size != blob.size() || *size < kStrings || !count ||
      *count > kMaxFormatRules)
    return std::nullopt;
  std::vector<FormatRule> rules;
  for (std::uint32_t i = 0; i < *count; ++i) {
    FormatRule rule;
    const auto type = reader.U32();
    const auto op = reader.U32();
    const auto offset1 = reader.U32();
    const auto offset2 = reader.U32();
    if (!type || !op || !offset1 || !offset2 || !ReadFlags(reader, rule) || !ReadColors(reader, rule))
      return std::nullopt;
    rule.type = static_cast<std::int32_t>(*type);
    rule.op = static_cast<std::int32_t>(*op);
    auto expression1 = AreaString(blob, *size, *offset1);
    auto expression2 = AreaString(blob, *size, *offset2);
    if (!expression1 || !expression2) return std::nullopt;
    rule.expression1 = std::move(*expression1);
    rule.expression2 = std::move(*expression2);
    rules.push_back(std::move(rule));
  }
  return rules;
}

std::string EncodeConditionalFormat(const std::vector<FormatRule>& rules) {
  std::string records;
  std::string area;
  for (const FormatRule& rule : rules) {
    const std::u16string expression1 = Units(rule.expression1);
    const std::u16string expression2 = Units(rule.expression2);
    const std::uint32_t offset1 = static_cast<std::uint32_t>(area.size() / 2);
    const std::uint32_t offset2 = offset1 + static_cast<std::uint32_t>(expression1.size()) + 1;
    PutU32(records, static_cast<std::uint32_t>(rule.type));
    PutU32(records, static_cast<std::uint32_t>(rule.op));
    PutU32(records, offset1);
    PutU32(records, offset2);
    PutFlags(records, rule);
    PutU32(records, static_cast<std::uint32_t>(rule.fore_color));
    PutU32(records, static_cast<std::uint32_t>(rule.back_color));
    PutUnits(area, expression1 + u'\0');
    PutUnits(area, expression2 + u'\0');
  }
  records.resize(kMaxFormatRules * kRecord, '\0');
  std::string blob;
  PutU32(blob, 1);
  PutU32(blob, static_cast<std::uint32_t>(kStrings + area.size()));
  PutU32(blob, static_cast<std::uint32_t>(rules.size()));
  return blob + records + area;
}

std::optional<std::vector<FormatRule>> DecodeConditionalFormat14(const std::string& blob) {
  Reader reader(blob);
  const auto version = reader.U16();
  const auto count = reader.U32();
  if (!version || *version != 1 || !count || *count > kMaxFormatRules) return std::nullopt;
  std::vector<FormatRule> rules;
  for (std::uint32_t i = 0; i < *count; ++i) {
    FormatRule rule;
    const auto type = reader.U32();
    const auto op = reader.U32();
    if (!type || !op || !ReadFlags(reader, rule) || !ReadColors(reader, rule)) return std::nullopt;
    rule.type = static_cast<std::int32_t>(*type);
    rule.op = static_cast<std::int32_t>(*op);
    for (std::string* expression : {&rule.expression1, &rule.expression2}) {
      const auto length = reader.U32();
      if (!length) return std::nullopt;
      const auto units = ReadUnits(reader, *length);
      if (!units) return std::nullopt;
      *expression = Text(*units);
    }
    auto later = reader.Bytes(kLaterSettings);
    if (!later) return std::nullopt;
    rule.later_settings = std::move(*later);
    rules.push_back(std::move(rule));
  }
  if (reader.At() != blob.size()) return std::nullopt;
  return rules;
}

std::string EncodeConditionalFormat14(const std::vector<FormatRule>& rules) {
  std::string blob;
  PutNumber(blob, 1, 2);
  PutU32(blob, static_cast<std::uint32_t>(rules.size()));
  for (const FormatRule& rule : rules) {
    PutU32(blob, static_cast<std::uint32_t>(rule.type));
    PutU32(blob, static_cast<std::uint32_t>(rule.op));
    PutFlags(blob, rule);
    PutU32(blob, static_cast<std::uint32_t>(rule.fore_color));
    PutU32(blob, static_cast<std::uint32_t>(rule.back_color));
    for (const std::string* expression : {&rule.expression1, &rule.expression2}) {
      const std::u16string units = Units(*expression);
      PutU32(blob, static_cast<std::uint32_t>(units.size()));
      PutUnits(blob, units);
    }
    std::string later = rule.later_settings;
    later.resize(kLaterSettings, '\0');
    blob += later;
  }
  return blob;
}

}  // namespace sim::access
