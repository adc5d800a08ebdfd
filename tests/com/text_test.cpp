#include "com/text.h"

#include <gtest/gtest.h>

TEST(Text, CaseMappingCoversTheWesternLetters) {
  EXPECT_EQ(com::UCase("straße éàü œ ÿ"), "STRAßE ÉÀÜ Œ Ÿ");
  EXPECT_EQ(com::LCase("ÉÀÜ Š"), "éàü š");
  EXPECT_TRUE(com::EqualsNoCase("Müller", "MÜLLER"));
  EXPECT_FALSE(com::EqualsNoCase("Muller", "Müller"));
  EXPECT_TRUE(com::StartsWithNoCase("msysObjects", "MSys"));
  EXPECT_FALSE(com::StartsWithNoCase("MS", "MSys"));
}

TEST(Text, SplitJoinAndCharacters) {
  EXPECT_EQ(com::Split("a;;b", ";"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(com::Join({"a", "b"}, "\t"), "a\tb");
  EXPECT_EQ(com::Left("éa", 1), "é");
  EXPECT_EQ(com::CharacterCount("éa"), 2u);
  EXPECT_EQ(com::Trim("  a b "), "a b");
}
