#include "cli/change_file.h"

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <utility>

#include "cli/options.h"

namespace cli {
namespace {

using nlohmann::json;

json StepsJson(const std::vector<host::PathStep>& steps) {
  json out = json::array();
  for (const auto& step : steps)
    out.push_back({step.member, step.index ? json(com::CStr(*step.index)) : json()});
  return out;
}

std::vector<host::PathStep> StepsOf(const json& steps) {
  std::vector<host::PathStep> out;
  for (const json& step : steps) {
    host::PathStep s{step.at(0).get<std::string>(), std::nullopt};
    if (!step.at(1).is_null()) s.index = com::Variant(step.at(1).get<std::string>());
    out.push_back(s);
  }
  return out;
}

json ChangeJson(const engine::Change& c) {
  return {{"path", c.Path()},          {"collection", c.collection}, {"object", c.object},
          {"steps", StepsJson(c.steps)}, {"property", c.property},     {"before", c.before},
          {"after", c.after}};
}

engine::Change ChangeOf(const json& c) {
  return {c.at("collection").get<std::string>(), c.at("object").get<std::string>(),
          StepsOf(c.at("steps")),                c.at("property").get<std::string>(),
          c.at("before").get<std::string>(),     c.at("after").get<std::string>()};
}

}  // namespace

void WriteChangeFile(const std::string& path, const ChangeFile& file) {
  json databases = json::array();
  for (const DatabaseChanges& d : file.databases) {
    json changes = json::array();
    for (const auto& c : d.changes) changes.push_back(ChangeJson(c));
    databases.push_back({{"database", d.database}, {"changes", std::move(changes)}});
  }
  const json whole = {{"quillnet", file.kind}, {"databases", std::move(databases)}};
  const std::string passing = path + ".writing";
  {
    std::ofstream out(passing, std::ios::binary | std::ios::trunc);
    out << whole.dump(2, ' ', false, json::error_handler_t::replace) << '\n';
    if (!out.flush()) throw UsageError("cannot write " + path);
  }
  std::error_code ec;
  std::filesystem::rename(passing, path, ec);
  if (ec) {
    std::filesystem::remove(passing, ec);
    throw UsageError("cannot write " + path);
  }
}

ChangeFile ReadChangeFile(const std::string& path, const std::string& kind) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw UsageError("cannot read " + path);
  std::stringstream text;
  text << in.rdbuf();
  ChangeFile file{kind, {}};
  try {
    const json whole = json::parse(text.str());
    if (whole.at("quillnet") != kind) throw UsageError(path + " is not a " + kind + " of quillnet");
    for (const json& d : whole.at("databases")) {
      DatabaseChanges changes{d.at("database").get<std::string>(), {}};
      for (const json& c : d.at("changes")) changes.changes.push_back(ChangeOf(c));
      file.databases.push_back(std::move(changes));
    }
  } catch (const json::exception& e) {
    throw UsageError(path + " is not a " + kind + " of quillnet: " + e.what());
  }
  return file;
}

}  // namespace cli
