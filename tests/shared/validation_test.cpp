#include "shared/validation.h"

#include <gtest/gtest.h>

#include "support/error_matchers.h"

using testing_support::ErrorOf;

TEST(Validation, EveryRaiseHasItsNumberAndText) {
  struct Case {
    std::function<void()> raise;
    std::int32_t number;
    std::string text;
  } cases[] = {
      {[] { validation::RaiseInvalidCaseSelector(com::Variant("ADP")); }, -32753,
       "Invalid case selector (\"ADP\")."},
      {[] { validation::RaiseInvalidCaseSelector(com::Variant(3)); }, -32753,
       "Invalid case selector (3)."},
      {[] { validation::RaiseInvalidArgument("Docking", com::Variant("top")); }, -32751,
       "Invalid argument (Docking = \"top\")."},
      {[] { validation::RaiseInvalidArgument("Parent", com::Variant::Nothing()); }, -32751,
       "Invalid argument (Parent = Nothing)."},
      {[] { validation::RaiseInvalidArgument("Width", com::Variant(std::int16_t{-1})); }, -32751,
       "Invalid argument (Width = -1)."},
      {[] { validation::RaiseInvalidArgument("Name", com::Variant::Null()); }, -32751,
       "Invalid argument (Name = Null)."},
      {[] { validation::RaiseInvalidCaseSelector(com::Variant::Null()); }, -32753,
       "Invalid case selector (Null)."},
      {[] { validation::RaiseObjectNotInProperState(); }, -32750, "Object not in proper state."},
      {[] { validation::RaiseUndefinedProperty(); }, -32749, "Undefined property."},
      {[] { validation::RaiseInvalidLength("FieldSeparator", 1, 1); }, -32748,
       "FieldSeparator must be exactly 1 characters in length."},
      {[] { validation::RaiseInvalidLength("Name", 1, 64); }, -32748,
       "Name must be no less than 1 and no more than 64 characters in length."},
      {[] { validation::RaiseInvalidLength("Name", 2, 0); }, -32748,
       "Name must be no less than 2 characters in length."},
      {[] { validation::RaiseInvalidLength("Name", 0, 64); }, -32748,
       "Name must be no more than 64 characters in length."},
      {[] { validation::RaiseMessage("Refused."); }, -32767, "Refused."},
  };
  for (const Case& c : cases) {
    const com::Error e = ErrorOf(c.raise);
    EXPECT_EQ(e.Number(), c.number) << c.text;
    EXPECT_EQ(e.Description(), c.text);
    EXPECT_EQ(e.Source(), "");
    EXPECT_EQ(e.HelpFile(), "");
  }
}

TEST(Validation, CharacterTests) {
  EXPECT_TRUE(validation::IsDigit("7"));
  EXPECT_FALSE(validation::IsDigit("a"));
  EXPECT_TRUE(validation::IsDigit(""));  // the empty text occurs in every text
  EXPECT_TRUE(validation::IsLetter("é"));
  EXPECT_TRUE(validation::IsLetter("É"));
  EXPECT_TRUE(validation::IsLetter("ß"));
  EXPECT_TRUE(validation::IsLetter("ÿ"));
  EXPECT_TRUE(validation::IsLetter("q"));
  EXPECT_FALSE(validation::IsLetter("1"));
  EXPECT_FALSE(validation::IsLetter("_"));
  EXPECT_FALSE(validation::IsLetter("×"));
}

TEST(Validation, BracedGuids) {
  EXPECT_TRUE(validation::IsBracedGuid("{cc29e967-7bc2-11d1-a921-00a0c91e2aa2}"));
  EXPECT_TRUE(validation::IsBracedGuid("{CC29E967-7BC2-11D1-A921-00A0C91E2AA2}"));
  EXPECT_FALSE(validation::IsBracedGuid("CC29E967-7BC2-11D1-A921-00A0C91E2AA2"));
  EXPECT_FALSE(validation::IsBracedGuid("{CC29E967-7BC2-11D1-A921-00A0C91E2AA2A}"));
  EXPECT_FALSE(validation::IsBracedGuid("{GC29E967-7BC2-11D1-A921-00A0C91E2AA2}"));
}
