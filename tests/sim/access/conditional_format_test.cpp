// The two binary layouts Access keeps conditional formats in, read from and
// written to blobs laid out as real exports have them.

#include <gtest/gtest.h>

#include "sim/access/conditional_format.h"

namespace {

using sim::access::DecodeConditionalFormat;
using sim::access::DecodeConditionalFormat14;
using sim::access::EncodeConditionalFormat;
using sim::access::EncodeConditionalFormat14;
using sim::access::FormatRule;

std::string Bytes(const std::string& hex) {
  std::string out;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
    out += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  return out;
}

// Two field-value conditions ("less than 0" in red, "greater than 0" in
// green), bold, as Access 2000 and Access 2010 write them.
const std::string kTwoRules2000 = Bytes(
    "010000006c000000020000000000000005000000000000000200000001010000"
    "ed1c2400ffffff00000000000400000003000000050000000101000022b14c00"
    "ffffff0000000000000000000000000000000000000000000000000000000000"
    "300000000000300000000000");
const std::string kTwoRules14 = Bytes(
    "010002000000000000000500000001010000ed1c2400ffffff00010000003000"
    "0000000000000000000000000000000000000000000000000004000000010100"
    "0022b14c00ffffff000100000030000000000000000000000000000000000000"
    "00000000");

TEST(ConditionalFormatTest, ReadsBothLayoutsAlike) {
  for (const auto& rules : {DecodeConditionalFormat(kTwoRules2000), DecodeConditionalFormat14(kTwoRules14)}) {
    ASSERT_TRUE(rules.has_value());
    ASSERT_EQ(rules->size(), 2u);
    EXPECT_EQ((*rules)[0].type, 0);
    EXPECT_EQ((*rules)[0].op, 5);
    EXPECT_EQ((*rules)[0].expression1, "0");
    EXPECT_EQ((*rules)[0].expression2, "");
    EXPECT_TRUE((*rules)[0].enabled && (*rules)[0].bold && !(*rules)[0].italic);
    EXPECT_EQ((*rules)[0].fore_color, 0x241ced);
    EXPECT_EQ((*rules)[1].op, 4);
    EXPECT_EQ((*rules)[1].back_color, 0xffffff);
  }
}

TEST(ConditionalFormatTest, WritesWhatItReadsByteForByte) {
  EXPECT_EQ(EncodeConditionalFormat(*DecodeConditionalFormat(kTwoRules2000)), kTwoRules2000);
  EXPECT_EQ(EncodeConditionalFormat14(*DecodeConditionalFormat14(kTwoRules14)), kTwoRules14);
}

TEST(ConditionalFormatTest, AChangedExpressionMovesTheOthersAndTheSize) {
  auto rules = *DecodeConditionalFormat(kTwoRules2000);
  rules[0].expression1 = "[Kundennummer]=\"ÄÖ\"";
  rules[1].expression2 = "\xF0\x9F\x98\x80";  // outside the basic plane: two units
  for (const auto& decoded : {DecodeConditionalFormat(EncodeConditionalFormat(rules)),
                              DecodeConditionalFormat14(EncodeConditionalFormat14(rules))}) {
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ((*decoded)[0].expression1, rules[0].expression1);
    EXPECT_EQ((*decoded)[1].expression1, "0");
    EXPECT_EQ((*decoded)[1].expression2, rules[1].expression2);
  }
  const std::string blob = EncodeConditionalFormat(rules);
  EXPECT_EQ(static_cast<unsigned char>(blob[4]), blob.size());
}

TEST(ConditionalFormatTest, ABlobThatDoesNotFollowTheLayoutIsNotRead) {
  std::string wrong_size = kTwoRules2000;
  wrong_size[4] = 0x70;
  std::string four_rules = kTwoRules2000;
  four_rules[8] = 4;
  std::string unterminated = kTwoRules2000.substr(0, kTwoRules2000.size() - 2);
  unterminated[4] = static_cast<char>(unterminated.size());
  for (const std::string& blob : {wrong_size, four_rules, unterminated, std::string(), Bytes("02000000")})
    EXPECT_FALSE(DecodeConditionalFormat(blob).has_value());
  EXPECT_FALSE(DecodeConditionalFormat14(kTwoRules14.substr(0, 40)).has_value());
  EXPECT_FALSE(DecodeConditionalFormat14(kTwoRules14 + "x").has_value());
}

}  // namespace
