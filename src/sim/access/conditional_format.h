#pragma once
// The conditional formats of a text box or combo box as Access keeps them in
// the form's text: the binary property `ConditionalFormat` (Access 2000's
// layout) and, written by Access 2010 and later beside it,
// `ConditionalFormat14`. Both hold the same conditions.
//
// ConditionalFormat, little-endian: u32 1, u32 size of the whole blob in
// bytes, u32 number of conditions (at most 3), three 28-byte records (unused
// ones zero) of u32 type, u32 operator, u32 offset of expression 1, u32
// offset of expression 2 (offsets in UTF-16 units into the string area),
// four flag bytes (enabled, bold, italic, underline), u32 fore colour, u32
// back colour; at byte 96 the string area: each condition's two expressions
// as NUL-terminated UTF-16LE, in order. Some blobs end with one more NUL
// unit that the size counts.
//
// ConditionalFormat14: u16 1, u32 number of conditions, then each condition:
// u32 type, u32 operator, the four flag bytes, u32 fore colour, u32 back
// colour, u32 length of expression 1 in UTF-16 units and its text without a
// NUL, the same for expression 2, and 17 bytes of settings later versions
// added (kept as they are).
//
// Both layouts were measured on real exports; a blob that does not follow
// them is not decoded.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sim::access {

struct FormatRule {
  std::int32_t type = 0;      // AcFormatConditionType
  std::int32_t op = 0;        // AcFormatConditionOperator
  std::string expression1;    // UTF-8
  std::string expression2;
  bool enabled = true;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  std::int32_t fore_color = 0;
  std::int32_t back_color = 0xFFFFFF;
  // ConditionalFormat14's trailing settings of the condition.
  std::string later_settings = std::string(17, '\0');
};

inline constexpr std::size_t kMaxFormatRules = 3;

std::optional<std::vector<FormatRule>> DecodeConditionalFormat(const std::string& blob);
std::string EncodeConditionalFormat(const std::vector<FormatRule>& rules);

std::optional<std::vector<FormatRule>> DecodeConditionalFormat14(const std::string& blob);
std::string EncodeConditionalFormat14(const std::vector<FormatRule>& rules);

}  // namespace sim::access
