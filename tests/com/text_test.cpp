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

// The file's name indexes are ordered by this comparison: it must agree in
// sign with comparing the upper-cased texts, for every kind of byte.
TEST(Text, CompareNoCaseOrdersAsTheUpperCasedTexts) {
  const std::vector<std::string> texts = {
      "", "a", "A", "ab", "aB", "b", "Z", "_", "é", "É", "e", "ÿ", "Ÿ", "z", "Œ", "œ",
      "ß", "straße", "STRASSE", "\x80", "\xC3", "x\xFFy", "a\xE2\x82\xAC", "€", "\xF0\x9F\x98\x80"};
  auto sign = [](int v) { return (v > 0) - (v < 0); };
  for (const auto& a : texts)
    for (const auto& b : texts)
      EXPECT_EQ(sign(com::CompareNoCase(a, b)), sign(com::UCase(a).compare(com::UCase(b))))
          << "'" << a << "' vs '" << b << "'";
}

TEST(Text, NamesDifferingOnlyInCaseHashAlike) {
  const com::NoCaseHash hash;
  EXPECT_EQ(hash("Müller_id"), hash("MÜLLER_ID"));
  EXPECT_EQ(hash("œuvre"), hash("ŒUVRE"));
  EXPECT_NE(hash("Muller"), hash("Müller"));
  EXPECT_TRUE(com::NoCaseEqual()("ÿ", "Ÿ"));
  // Names are hashed eight bytes at a time: every length around a word, and
  // the characters next to the letters, which must not fold.
  const std::string lower = "abcdefghijklmnopqrstuvwxyz_0123456789";
  for (std::size_t n = 0; n <= lower.size(); ++n) {
    const std::string name = lower.substr(0, n);
    EXPECT_EQ(hash(name), hash(com::UCase(name))) << name;
    if (n > 0) {
      EXPECT_NE(hash(name), hash(name.substr(0, n - 1))) << name;
    }
  }
  EXPECT_NE(hash("`@[{"), hash("@@[["));
  EXPECT_NE(hash("a"), hash(std::string("a\0", 2)));
  // A text that compares equal hashes alike, however its bytes are written:
  // an overlong 'A', a lone Latin-1 byte against the letter it decodes to.
  for (const auto& [a, b] : std::vector<std::pair<std::string, std::string>>{
           {"\xC1\x81" "bc", "abc"}, {"x\xE0", "X\xC3\x80"}, {"éléphant_name_long", "ÉLÉPHANT_NAME_LONG"}}) {
    ASSERT_EQ(com::CompareNoCase(a, b), 0) << a;
    EXPECT_EQ(hash(a), hash(b)) << a;
  }
}
