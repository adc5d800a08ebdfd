// Search results on a terminal: grouped by object, long values in windows.

#include "cli/terminal_hits.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

engine::Hit HitIn(const std::string& object, const std::string& property,
                  const std::string& value) {
  engine::Hit hit;
  hit.collection = "Queries";
  hit.object = object;
  hit.property = property;
  hit.value = value;
  return hit;
}

std::string Shown(const std::vector<engine::Hit>& hits, bool color) {
  std::ostringstream out;
  cli::PrintHitsGrouped(out, hits, engine::Matcher("customerid", {}), color);
  return out.str();
}

TEST(TerminalHits, GroupsByObjectAndShowsLongValuesAsLinesOrWindows) {
  const std::string padding(120, 'x');
  const std::vector<engine::Hit> hits = {
      HitIn("qryA", "SQL", "SELECT CustomerID FROM Customers"),
      HitIn("qryA", "Description", "one\r\ntwo CustomerID\r\nthree\r\nCUSTOMERID four"),
      HitIn("qryB", "SQL", "SELECT " + padding + " CustomerID " + padding + " é" + padding),
  };
  EXPECT_EQ(Shown(hits, false),
            "Queries/qryA\n"
            "  SQL: SELECT CustomerID FROM Customers\n"
            "  Description line 2: two CustomerID\n"
            "  Description line 4: CUSTOMERID four\n"
            "Queries/qryB\n"
            "  SQL: …" + std::string(49, 'x') + " CustomerID " + std::string(49, 'x') + "…\n");
  EXPECT_EQ(Shown({hits[0]}, true),
            "\x1b[1;35mQueries/qryA\x1b[0m\n  SQL: SELECT \x1b[1;31mCustomerID\x1b[0m FROM "
            "Customers\n");
}

TEST(TerminalHits, AWindowNeverCutsACharacterOrTheTerminal) {
  std::string accents;
  for (int i = 0; i < 30; ++i) accents += "é";
  // The window would start 50 bytes before the match, inside an "é".
  const std::string value =
      std::string(100, 'a') + accents + " CustomerID \x1b[2J" + std::string(100, 'b');
  const std::string shown = Shown({HitIn("q", "SQL", value)}, false);
  EXPECT_NE(shown.find("  SQL: …" + accents.substr(0, 50) + " CustomerID \\x1b[2J"),
            std::string::npos)
      << shown;
  EXPECT_EQ(shown.find('\x1b'), std::string::npos);
}

}  // namespace
