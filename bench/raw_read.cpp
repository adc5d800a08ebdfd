// The floor a search is measured against: reads the texts of the tables and
// queries straight from a generated database file with plain SQLite SELECTs
// (object names, field names, text property values, query SQL) and counts
// the texts that hold the word, letter case ignored. Prints the count, then
// the seconds it took.
//
// usage: quillnet_bench_raw_read FILE WORD

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <iostream>
#include <string>
#include <string_view>

namespace {

// Every text a search of the tables and queries reads from the catalogue.
constexpr const char* kTexts =
    "SELECT name FROM jet_objects WHERE type IN (1, 5) "
    "UNION ALL SELECT name FROM jet_fields "
    "UNION ALL SELECT value FROM jet_properties WHERE typeof(value) = 'text' "
    "UNION ALL SELECT sql FROM jet_queries";

bool ContainsNoCase(std::string_view text, std::string_view upper_word) {
  const auto found = std::search(text.begin(), text.end(), upper_word.begin(), upper_word.end(),
                                 [](char a, char b) {
                                   return std::toupper(static_cast<unsigned char>(a)) == b;
                                 });
  return found != text.end();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: quillnet_bench_raw_read FILE WORD\n";
    return 2;
  }
  std::string word = argv[2];
  std::transform(word.begin(), word.end(), word.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  const auto start = std::chrono::steady_clock::now();
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(argv[1], &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
    std::cerr << argv[1] << ": " << sqlite3_errmsg(db) << '\n';
    sqlite3_close(db);
    return 1;
  }
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db, kTexts, -1, &statement, nullptr) != SQLITE_OK) {
    std::cerr << argv[1] << ": " << sqlite3_errmsg(db) << '\n';
    sqlite3_close(db);
    return 1;
  }
  long matches = 0;
  int step = SQLITE_ROW;
  while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    const auto size = static_cast<std::size_t>(sqlite3_column_bytes(statement, 0));
    if (text && ContainsNoCase({text, size}, word)) ++matches;
  }
  sqlite3_finalize(statement);
  sqlite3_close(db);
  if (step != SQLITE_DONE) {
    std::cerr << argv[1] << ": the texts could not be read to the end\n";
    return 1;
  }
  const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
  std::cout << matches << ' ' << seconds.count() << '\n';
  return 0;
}
