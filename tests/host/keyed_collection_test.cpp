#include "host/keyed_collection.h"

#include <gtest/gtest.h>

#include "support/error_matchers.h"

namespace {

struct Thing {
  int id;
};

host::KeyedCollection<Thing> ThreeThings() {
  host::KeyedCollection<Thing> c;
  c.Add(std::make_shared<Thing>(Thing{1}), "Alpha");
  c.Add(std::make_shared<Thing>(Thing{2}), "Beta");
  c.Add(std::make_shared<Thing>(Thing{3}), "Gamma");
  return c;
}

}  // namespace

TEST(KeyedCollection, IndexOfTakesKeysIgnoringCaseOrZeroBasedPositions) {
  auto c = ThreeThings();
  EXPECT_EQ(c.Count(), 3);
  EXPECT_EQ(c.IndexOf(com::Variant("beta")), 2);
  EXPECT_EQ(c.IndexOf(com::Variant("BETA")), 2);
  EXPECT_EQ(c.IndexOf(com::Variant("Delta")), 0);
  EXPECT_EQ(c.IndexOf(com::Variant(0)), 1);
  EXPECT_EQ(c.IndexOf(com::Variant(std::int16_t{2})), 3);
  EXPECT_EQ(c.IndexOf(com::Variant(3)), 0);
  EXPECT_EQ(c.IndexOf(com::Variant(-1)), 0);
  EXPECT_EQ(c.Item(1)->id, 1);
  EXPECT_EQ(c.Item(0), nullptr);
  EXPECT_EQ(c.Item(c.IndexOf(com::Variant("nope"))), nullptr);
  EXPECT_EQ(c.KeyAt(3), "Gamma");
  EXPECT_EQ(testing_support::ErrorOf([&] { c.Item(4); }).Number(), 9);
}

TEST(KeyedCollection, SetKeyAtRekeysInPlace) {
  auto c = ThreeThings();
  c.SetKeyAt(2, "Bravo");
  EXPECT_EQ(c.IndexOf(com::Variant("Beta")), 0);
  EXPECT_EQ(c.IndexOf(com::Variant("bravo")), 2);
  EXPECT_EQ(c.Item(2)->id, 2);
  c.SetKeyAt(2, "BRAVO");  // a change of letter case only
  EXPECT_EQ(c.KeyAt(2), "BRAVO");
  EXPECT_EQ(testing_support::ErrorOf([&] { c.SetKeyAt(1, "gamma"); }).Number(), 457);
}

TEST(KeyedCollection, RemoveAtAndDuplicateKeys) {
  auto c = ThreeThings();
  c.RemoveAt(1);
  EXPECT_EQ(c.Count(), 2);
  EXPECT_EQ(c.IndexOf(com::Variant("gamma")), 2);
  EXPECT_EQ(c.IndexOf(com::Variant("alpha")), 0);
  EXPECT_EQ(testing_support::ErrorOf([&] { c.Add(nullptr, "BETA"); }).Number(), 457);
  c.Add(nullptr, "Empty");  // an entry may hold nothing
  EXPECT_EQ(c.Item(c.IndexOf(com::Variant("empty"))), nullptr);
  EXPECT_EQ(c.IndexOf(com::Variant("empty")), 3);
}
