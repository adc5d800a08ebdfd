#include "host/parameter_set.h"

#include <gtest/gtest.h>

#include "support/error_matchers.h"

TEST(ParameterSet, TextRoundTripsEveryValue) {
  const std::vector<std::pair<std::string, std::string>> values = {
      {"Database", "C:\\Data\\sales;2001=final.mdb"},
      {"Quotes", "say \"hi\" and 'bye'"},
      {"Lines", "one\r\ntwo\nthree"},
      {"Unicode", "Müller & Søn — 東京"},
      {"Percent", "100% * 2 = 200%"},
      {"Empty", ""},
      {"Key;With=Odd%Chars", "x"},
  };
  host::ParameterSet out;
  for (const auto& [k, v] : values) out.PutValue(k, v, false);
  host::ParameterSet in;
  in.SetText(out.Text());
  for (const auto& [k, v] : values) EXPECT_EQ(in.GetValue(k, "?"), v) << k;
  EXPECT_EQ(in.GetValue("missing", "dflt"), "dflt");
  EXPECT_EQ(in.GetValue("database", ""), values[0].second);  // keys ignore letter case
}

TEST(ParameterSet, SecretsNeverAppearInPlainText) {
  host::ParameterSet out;
  out.PutValue("Database", "c:\\db.mdb", false);
  for (const std::string secret : {"s3cr3t", "pässwörd;=\"", "Zq"}) {
    out.PutValue("Password", secret, true);
    const std::string text = out.Text();
    EXPECT_EQ(text.find(secret), std::string::npos) << text;
    host::ParameterSet in;
    in.SetText(text);
    EXPECT_EQ(in.GetValue("Password", ""), secret);
    EXPECT_EQ(in.Text(), text);  // still secret after a round trip
  }
}

TEST(ParameterSet, MalformedTextIsRefused) {
  host::ParameterSet p;
  for (const char* bad : {"novalue", "=x", "A=%4", "A=%ZZ", "A=*123"})
    EXPECT_EQ(testing_support::ErrorOf([&] { p.SetText(bad); }).Number(), 5) << bad;
  p.SetText("");
  EXPECT_EQ(p.Text(), "");
}
