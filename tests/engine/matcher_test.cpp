#include "engine/matcher.h"

#include <gtest/gtest.h>

#include "support/error_matchers.h"

using engine::Matcher;
using engine::MatchOptions;

TEST(Matcher, LiteralTextIgnoresCaseUnlessAsked) {
  Matcher loose("customerid", {});
  EXPECT_EQ(loose.Count("CustomerID = Orders.CustomerID"), 2u);
  EXPECT_EQ(loose.Replace("CustomerID = Orders.customerID", "ClientID"), "ClientID = Orders.ClientID");
  Matcher strict("CustomerID", {false, true, false});
  EXPECT_EQ(strict.Count("CustomerID customerid"), 1u);
  Matcher accents("émile", {});
  EXPECT_EQ(accents.Count("ÉMILE Émile"), 2u);
}

TEST(Matcher, LiteralTextIsNeverAPattern) {
  Matcher dots("a.b", {});
  EXPECT_EQ(dots.Count("a.b axb"), 1u);
  Matcher brackets("[Qty]*(2)", {});
  EXPECT_EQ(brackets.Count("=[Qty]*(2)"), 1u);
  EXPECT_EQ(Matcher("Price", {}).Replace("Price", "$1 & \\1"), "$1 & \\1");
}

TEST(Matcher, WholeWordsOnly) {
  Matcher word("Customer", {false, false, true});
  EXPECT_EQ(word.Count("Customer CustomerID [Customer] Customers"), 2u);
  EXPECT_EQ(word.Replace("Customer.CustomerID", "Client"), "Client.CustomerID");
}

TEST(Matcher, RegularExpressionsWithGroups) {
  Matcher regex("(\\w+)ID\\b", {true, false, false});
  EXPECT_EQ(regex.Count("CustomerID, OrderID, IDs"), 2u);
  EXPECT_EQ(regex.Replace("CustomerID, OrderID", "$1_Key"), "Customer_Key, Order_Key");
  Matcher empty("x*", {true, false, false});
  EXPECT_EQ(empty.Count("ab"), 3u);  // empty matches step over whole characters
  const com::Error e = testing_support::ErrorOf([] { Matcher("(unclosed", {true, false, false}); });
  EXPECT_EQ(e.Number(), 5);
  EXPECT_NE(e.Description().find("Invalid regular expression"), std::string::npos);
}
