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

TEST(Matcher, PreservingCaseGivesEachReplacementTheCaseOfItsMatch) {
  MatchOptions keep;
  keep.preserve_case = true;
  struct Case {
    const char* find;
    const char* replacement;
    const char* text;
    const char* expected;
  } cases[] = {
      {"customerid", "clientid", "CustomerID customerid CUSTOMERID Customerid CustomerId",
       "ClientID clientid CLIENTID Clientid ClientId"},
      {"customerid", "ClientID", "customerid", "clientid"},
      {"id", "identity", "ID Id id", "IDENTITY Identity identity"},
      {"customer", "cust", "[Customer].CUSTOMER", "[Cust].CUST"},
      {"order", "Bestellung", "OrderDate ORDERS", "BestellungDate BESTELLUNGS"},
      {"total", "42", "Total", "42"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Matcher(c.find, keep).Replace(c.text, c.replacement), c.expected) << c.text;
  MatchOptions regex = keep;
  regex.regex = true;
  EXPECT_EQ(Matcher("(cust)omer", regex).Replace("CUSTOMER Customer", "$1"), "CUST Cust");
  keep.match_case = true;
  EXPECT_EQ(testing_support::ErrorOf([&] { Matcher("x", keep); }).Number(), 5);
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
  const com::Error e = testing_support::ErrorOf([] { Matcher("(unclosed", {true, false, false}); });
  EXPECT_EQ(e.Number(), 5);
  EXPECT_NE(e.Description().find("Invalid regular expression"), std::string::npos);
}

TEST(Matcher, RefusesTextThatCanMatchEmptyText) {
  struct Case {
    std::string pattern;
    MatchOptions options;
  } cases[] = {
      {"", {}},
      {"", {true, false, false}},
      {"", {false, false, true}},
      {"x*", {true, false, false}},
      {"^", {true, false, false}},
      {"(a|)", {true, false, false}},
      {"\\b", {true, false, false}},
      {"x?", {true, true, true}},
  };
  for (const Case& c : cases) {
    const com::Error e = testing_support::ErrorOf([&] { Matcher(c.pattern, c.options); });
    EXPECT_EQ(e.Number(), 5) << c.pattern;
    EXPECT_NE(e.Description().find("empty"), std::string::npos) << c.pattern << ": "
                                                                 << e.Description();
    EXPECT_EQ(e.Description().find('\n'), std::string::npos) << c.pattern;
  }
  EXPECT_EQ(Matcher("x+", {true, false, false}).Count("xx-x"), 2u);
  EXPECT_EQ(Matcher("*", {}).Count("a*b*"), 2u);
}

// Lookaheads and \K can match empty text though the expression needs text to
// match: found in the text, never counted, never replaced.
TEST(Matcher, AnEmptyMatchInTheTextIsRefused) {
  for (const char* pattern : {"(?=Customer)", "ID\\K", "(?<=a)(?=b)"}) {
    const Matcher matcher(pattern, {true, false, false});
    const com::Error e = testing_support::ErrorOf([&] { matcher.Count("xCustomerID ab"); });
    EXPECT_EQ(e.Number(), 5) << pattern;
    EXPECT_NE(e.Description().find("matched empty text"), std::string::npos) << e.Description();
    EXPECT_EQ(matcher.Replace("xCustomerID ab", "_"), "xCustomerID ab") << pattern;
  }
}

TEST(Matcher, LongLiteralTextIsNeverCalledARegularExpression) {
  const std::string medium(2000, 'q');
  EXPECT_EQ(Matcher(medium, {}).Count("x" + medium + medium), 2u);
  const std::string huge(70000, 'q');
  const com::Error e = testing_support::ErrorOf([&] { Matcher(huge, {}); });
  EXPECT_EQ(e.Number(), 5);
  EXPECT_EQ(e.Description().find("regular expression"), std::string::npos) << e.Description();
  EXPECT_NE(e.Description().find("too long"), std::string::npos) << e.Description();
  const com::Error utf = testing_support::ErrorOf([] { Matcher("ab\xff", {}); });
  EXPECT_EQ(utf.Description(), "The search text is not valid UTF-8.");
}

TEST(Matcher, TextThatCannotBeSearchedRaisesInsteadOfMatchingLess) {
  const Matcher backtracking("(a+)+b", {true, true, false});
  const std::string text = std::string(40, 'a') + "c b";
  for (auto work : {std::function<void()>([&] { backtracking.Count(text); }),
                    std::function<void()>([&] { backtracking.Replace(text, "x"); })}) {
    const com::Error e = testing_support::ErrorOf(work);
    EXPECT_EQ(e.Number(), 5);
    EXPECT_NE(e.Description().find("match limit"), std::string::npos) << e.Description();
  }
  const Matcher plain("Customer", {});
  const std::string bad = "Customer\xC3(Customer";
  for (auto work : {std::function<void()>([&] { plain.Count(bad); }),
                    std::function<void()>([&] { plain.Replace(bad, "Client"); })}) {
    const com::Error e = testing_support::ErrorOf(work);
    EXPECT_EQ(e.Description(), "The text is not valid UTF-8 (at byte 8), so it cannot be searched.");
  }
}
