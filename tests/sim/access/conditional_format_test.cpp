// The two binary layouts Access keeps conditional formats in, read from and
// written to blobs laid out as real exports have them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "sim/access/conditional_format.h"
#include "sim/access/document_text.h"
#include "sim/access/format_conditions.h"

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

namespace {

using sim::access::DocumentText;
using sim::access::FormatConditions;
using sim::access::TextNode;

// A text box whose two conditions Access 2010 kept in both blobs.
std::string TextBoxWith(const std::string& blob2000, const std::string& blob14) {
  auto hex = [](const std::string& bytes) {
    std::string lines;
    for (std::size_t at = 0; at < bytes.size(); at += 32) {
      lines += "                0x";
      for (std::size_t i = at; i < std::min(bytes.size(), at + 32); ++i) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02x", static_cast<unsigned char>(bytes[i]));
        lines += digits;
      }
      lines += at + 32 < bytes.size() ? " ,\n" : "\n";
    }
    return lines;
  };
  return "Begin Form\n    Begin\n        Begin TextBox\n            Name =\"txtBalance\"\n"
         "            ConditionalFormat = Begin\n" + hex(blob2000) +
         "            End\n            ConditionalFormat14 = Begin\n" + hex(blob14) +
         "            End\n        End\n    End\nEnd";
}

class FormatConditionsTest : public ::testing::Test {
 protected:
  std::shared_ptr<FormatConditions> Conditions(DocumentText& document) {
    const auto block = [&document]() -> TextNode& {
      return document.Root()->children[0].children[0];
    };
    return std::make_shared<FormatConditions>("txtBalance", block, block);
  }
};

TEST_F(FormatConditionsTest, ModifyRewritesBothBlobsAndNothingElse) {
  const std::string text = TextBoxWith(kTwoRules2000, kTwoRules14);
  DocumentText document = DocumentText::Parse(text);
  auto conditions = Conditions(document);
  ASSERT_EQ(conditions->Count(), 2);
  EXPECT_EQ(document.Render(), text);
  auto second = com::CObj(conditions->Call("Item", {com::Variant(1)}));
  second->Call("Modify", {com::Variant(1), com::Variant(0), com::Variant("[Balance]>[Limit]")});
  DocumentText reread = DocumentText::Parse(document.Render());
  auto again = Conditions(reread);
  auto rule = com::CObj(again->Call("Item", {com::Variant(1)}));
  EXPECT_EQ(com::CStr(rule->Get("Expression1")), "[Balance]>[Limit]");
  EXPECT_EQ(com::CLng(rule->Get("Type")), 1);
  EXPECT_EQ(com::CLng(com::CObj(again->Call("Item", {com::Variant(0)}))->Get("Operator")), 5);
  const auto& block = reread.Root()->children[0].children[0];
  EXPECT_EQ(sim::access::DecodeConditionalFormat14(block.FindProperty("ConditionalFormat14")->value)
                ->at(1)
                .expression1,
            "[Balance]>[Limit]");
  again->Call("Add", {com::Variant(1), com::Variant(0), com::Variant("True")});
  EXPECT_EQ(again->Count(), 3);
  EXPECT_THROW(again->Call("Add", {com::Variant(1), com::Variant(0), com::Variant("False")}),
               com::Error);
}

TEST_F(FormatConditionsTest, ConditionsThatDoNotDecodeAreNeverRewritten) {
  std::string broken = kTwoRules2000;
  broken[8] = 7;
  const std::string text = TextBoxWith(broken, kTwoRules14);
  DocumentText document = DocumentText::Parse(text);
  auto conditions = Conditions(document);
  EXPECT_THROW(conditions->Count(), com::Error);
  EXPECT_THROW(conditions->Call("Add", {com::Variant(1), com::Variant(0), com::Variant("x")}),
               com::Error);
  EXPECT_THROW(conditions->Call("Delete"), com::Error);
  EXPECT_EQ(document.Render(), text);
}

}  // namespace
