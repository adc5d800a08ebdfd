#include "sim/office/bar_store.h"

#include "com/error.h"
#include "com/text.h"
#include "sim/jet/catalog.h"
#include "sim/office/bar_text.h"

namespace sim::office {
namespace {

constexpr const char* kTable = "office_command_bars";

constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS office_command_bars (
  position INTEGER PRIMARY KEY,
  name TEXT NOT NULL UNIQUE COLLATE NOCASE,
  definition MEMO NOT NULL))sql";


}  // namespace

std::vector<std::string> BarStore::Names() {
  std::vector<std::string> names;
  if (!catalog_.db().HasTable(kTable)) return names;
  auto statement = catalog_.db().Prepare("SELECT name FROM office_command_bars ORDER BY position");
  while (statement.Step()) names.push_back(statement.Text(0));
  return names;
}

std::optional<nlohmann::json> BarStore::Find(const std::string& name) {
  if (!catalog_.db().HasTable(kTable)) return std::nullopt;
  auto row = catalog_.db().Prepare("SELECT definition FROM office_command_bars WHERE name = ?1");
  row.Bind(1, name);
  if (!row.Step()) return std::nullopt;
  return ParseBar(row.Text(0));
}

void BarStore::Put(const nlohmann::json& bar, const std::string& old_name) {
  const std::string name = bar.at("Name").get<std::string>();
  const std::string key = old_name.empty() ? name : old_name;
  catalog_.Write([&] {
    CreateTable();
    const auto other = Find(name);
    if (other && !com::EqualsNoCase(other->at("Name").get<std::string>(), key))
      com::RaiseVb(kInvalidArgument);
    auto update = catalog_.db().Prepare(
        "UPDATE office_command_bars SET name = ?1, definition = ?2 WHERE name = ?3");
    update.BindAll(name, RenderBar(bar), key);
    update.Run();
    if (Find(name)) return;
    auto insert = catalog_.db().Prepare(
        "INSERT INTO office_command_bars (name, definition) VALUES (?1, ?2)");
    insert.BindAll(name, RenderBar(bar));
    insert.Run();
  });
}

void BarStore::CreateTable() {
  if (!catalog_.db().HasTable(kTable)) catalog_.db().Execute(kSchema);
}

}  // namespace sim::office
