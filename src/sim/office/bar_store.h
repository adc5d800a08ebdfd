#pragma once
// Where the simulated Access keeps the custom command bars of a database:
// in the database file, one row a bar in the order the bars were made, each
// holding the bar's definition in its plain text form (bar_text.h). Every
// write runs in the file's one transaction.

#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace sim::jet {
class Catalog;
}

namespace sim::office {

class BarStore {
 public:
  explicit BarStore(jet::Catalog& catalog) : catalog_(catalog) {}

  // The names of the custom bars, in the order they were made.
  std::vector<std::string> Names();
  // A bar by name in any letter case; nothing when the file has none.
  std::optional<nlohmann::json> Find(const std::string& name);
  // Adds the bar, or replaces the definition of the one named `old_name`
  // (the bar's own name when empty), keeping its place. 5 when the bar's
  // new name is another bar's.
  void Put(const nlohmann::json& bar, const std::string& old_name = "");

 private:
  void CreateTable();

  jet::Catalog& catalog_;
};

}  // namespace sim::office
