#include "com/variant.h"

#include <gtest/gtest.h>

#include "com/date_time.h"
#include "com/error.h"
#include "support/error_matchers.h"

using com::Variant;
using testing_support::ErrorOf;

TEST(Variant, KeepsTheVbTypesApart) {
  EXPECT_EQ(Variant(std::int16_t{0}).Type(), com::VarType::Integer);
  EXPECT_EQ(Variant(0).Type(), com::VarType::Long);
  EXPECT_EQ(Variant(std::uint8_t{0}).Type(), com::VarType::Byte);
  EXPECT_EQ(Variant(0.0f).Type(), com::VarType::Single);
  EXPECT_EQ(Variant(0.0).Type(), com::VarType::Double);
  EXPECT_EQ(Variant(com::Currency{0}).Type(), com::VarType::Currency);
  EXPECT_EQ(Variant(com::Date{0}).Type(), com::VarType::Date);
  EXPECT_EQ(Variant("").Type(), com::VarType::String);
  EXPECT_EQ(Variant(false).Type(), com::VarType::Boolean);
  EXPECT_EQ(Variant().Type(), com::VarType::Empty);
  EXPECT_EQ(Variant::Null().Type(), com::VarType::Null);
  EXPECT_EQ(Variant::Nothing().Type(), com::VarType::Object);
}

TEST(Variant, CStrFollowsVb) {
  struct Case {
    Variant value;
    const char* text;
  } cases[] = {
      {Variant(true), "True"},
      {Variant(false), "False"},
      {Variant(std::int16_t{-12}), "-12"},
      {Variant(123456), "123456"},
      {Variant(1.5), "1.5"},
      {Variant(0.1), "0.1"},
      {Variant(1e20), "1E+20"},
      {Variant(123456789012345.0), "123456789012345"},
      {Variant(1.5f), "1.5"},
      {Variant(com::Currency{12345}), "1.2345"},
      {Variant(com::Currency{-50000}), "-5"},
      {Variant(), ""},
      {Variant(com::MakeDate({2026, 12, 9, 0, 0, 0})), "12/9/2026"},
      {Variant(com::MakeDate({2026, 12, 9, 15, 4, 5})), "12/9/2026 3:04:05 PM"},
  };
  for (const Case& c : cases) EXPECT_EQ(com::CStr(c.value), c.text) << c.text;
  EXPECT_EQ(ErrorOf([] { com::CStr(Variant::Null()); }).Number(), 94);
}

TEST(Variant, IntegerConversionsRoundHalfToEvenAndCheckRange) {
  EXPECT_EQ(com::CLng(Variant(2.5)), 2);
  EXPECT_EQ(com::CLng(Variant(3.5)), 4);
  EXPECT_EQ(com::CLng(Variant(" 42 ")), 42);
  EXPECT_EQ(com::CLng(Variant("&H10")), 16);
  EXPECT_EQ(com::CLng(Variant(true)), -1);
  EXPECT_EQ(com::CInt(Variant(-32768)), -32768);
  EXPECT_EQ(ErrorOf([] { com::CInt(Variant(32768)); }).Number(), 6);
  EXPECT_EQ(ErrorOf([] { com::CByte(Variant(-1)); }).Number(), 6);
  EXPECT_EQ(ErrorOf([] { com::CLng(Variant("abc")); }).Number(), 13);
}

TEST(Variant, CBoolAndIsNumeric) {
  EXPECT_TRUE(com::CBool(Variant("true")));
  EXPECT_FALSE(com::CBool(Variant("False")));
  EXPECT_TRUE(com::CBool(Variant("-1")));
  EXPECT_FALSE(com::CBool(Variant(0)));
  EXPECT_EQ(ErrorOf([] { com::CBool(Variant("maybe")); }).Number(), 13);

  EXPECT_TRUE(com::IsNumeric(Variant("1.5e3")));
  EXPECT_TRUE(com::IsNumeric(Variant()));
  EXPECT_FALSE(com::IsNumeric(Variant("12a")));
  EXPECT_FALSE(com::IsNumeric(Variant::Null()));
  EXPECT_FALSE(com::IsNumeric(Variant("")));
}

TEST(Variant, VbEqualsComparesAcrossNumberTypesButNotWithText) {
  EXPECT_TRUE(com::VbEquals(Variant(std::int16_t{0}), Variant(0)));
  EXPECT_TRUE(com::VbEquals(Variant(1.0), Variant(std::uint8_t{1})));
  EXPECT_TRUE(com::VbEquals(Variant(), Variant("")));
  EXPECT_TRUE(com::VbEquals(Variant(), Variant(0)));
  EXPECT_FALSE(com::VbEquals(Variant("a"), Variant("A")));
  EXPECT_FALSE(com::VbEquals(Variant(1), Variant("1")));
  EXPECT_FALSE(com::VbEquals(Variant::Null(), Variant::Null()));
}

TEST(Variant, TypeNames) {
  EXPECT_EQ(com::TypeName(Variant(std::int16_t{1})), "Integer");
  EXPECT_EQ(com::TypeName(Variant(1)), "Long");
  EXPECT_EQ(com::TypeName(Variant("x")), "String");
  EXPECT_EQ(com::TypeName(Variant::Nothing()), "Nothing");
}

TEST(DateTime, RoundTripsAndFormatsStamps) {
  const com::Date d = com::MakeDate({2001, 2, 28, 23, 59, 58});
  EXPECT_EQ(com::FormatStamp(d), "20010228235958");
  EXPECT_EQ(com::FormatStamp(com::Date{0}), "18991230000000");
  com::Date parsed;
  ASSERT_TRUE(com::ParseVbDate("2/28/2001 11:59:58 PM", parsed));
  EXPECT_EQ(com::FormatStamp(parsed), "20010228235958");
  ASSERT_TRUE(com::ParseVbDate("2001-02-28 23:59:58", parsed));
  EXPECT_EQ(com::FormatStamp(parsed), "20010228235958");
  EXPECT_FALSE(com::ParseVbDate("13/1/2001", parsed));
}
