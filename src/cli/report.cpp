#include "cli/report.h"

#include <nlohmann/json.hpp>
#include <set>

#include "com/text.h"

namespace cli {

using nlohmann::json;

std::string OneLine(const std::string& text) {
  std::string line;
  for (char c : text) {
    if (c == '\r') continue;
    line += c == '\n' ? ' ' : c;
  }
  std::string collapsed;
  for (char c : line)
    if (!(c == ' ' && !collapsed.empty() && collapsed.back() == ' ')) collapsed += c;
  return collapsed;
}

void PrintHits(std::ostream& out, const std::vector<engine::Hit>& hits, bool as_json,
               bool replacing) {
  for (const engine::Hit& hit : hits) {
    if (as_json) {
      json line = {{"collection", hit.collection}, {"object", hit.object},
                   {"path", hit.Path()},           {"property", hit.property},
                   {"value", hit.value},           {"matches", hit.matches}};
      if (replacing) {
        line["new"] = hit.new_value;
        line["status"] = engine::StatusName(hit.status);
        if (!hit.error.empty()) line["error"] = hit.error;
      }
      out << line.dump(-1, ' ', false, json::error_handler_t::replace) << '\n';
    } else if (replacing) {
      out << hit.Path() << ": " << OneLine(hit.value) << " -> " << OneLine(hit.new_value) << "  ["
          << engine::StatusName(hit.status) << "]";
      if (!hit.error.empty()) out << " " << OneLine(hit.error);
      out << '\n';
    } else {
      out << hit.Path() << ": " << OneLine(hit.value) << '\n';
    }
  }
}

void PrintProperties(std::ostream& out, const std::vector<engine::PropertyValue>& values,
                     bool as_json) {
  for (const auto& v : values) {
    const std::string path = host::PathText(v.steps, v.property);
    if (as_json) {
      out << json{{"path", path}, {"property", v.property}, {"value", v.value},
                  {"text", v.text}, {"writable", v.writable}}
                 .dump(-1, ' ', false, json::error_handler_t::replace)
          << '\n';
    } else {
      out << path << " = ";
      if (v.text) out << '"' << OneLine(v.value) << '"';
      else out << v.value;
      out << (v.writable ? "" : "  (read-only)") << '\n';
    }
  }
}

void PrintObjects(std::ostream& out, const std::vector<engine::ListedObject>& objects,
                  bool as_json) {
  auto flag = [](bool b) { return b ? "1" : "0"; };
  for (const auto& o : objects) {
    if (as_json) {
      out << json{{"name", o.name}, {"type", o.type_code}, {"stamp", o.stamp}, {"read", o.read},
                  {"write", o.write}, {"flag6", o.flag6}, {"flag7", o.flag7}}
                 .dump(-1, ' ', false, json::error_handler_t::replace)
          << '\n';
    } else {
      out << o.name << '\t' << o.type_code << '\t' << o.stamp << '\t' << flag(o.read) << '\t'
          << flag(o.write) << '\t' << flag(o.flag6) << '\t' << flag(o.flag7) << '\n';
    }
  }
}

void PrintProblems(std::ostream& out, const engine::SearchEngine& engine) {
  const auto& problems = engine.Problems();
  const auto& log = engine.DriverProblems();
  if (problems.empty() && log.Count() == 0) return;
  out << "\nProblems:\n";
  for (const auto& p : problems) {
    out << "  " << p.collection;
    if (!p.object.empty()) out << "/" << p.object;
    out << ": " << OneLine(p.message) << '\n';
  }
  log.Show(out);
}

TerminalProgress::~TerminalProgress() {
  if (shown_) terminal_ << "\r\x1b[K" << std::flush;
}

void TerminalProgress::Update(const std::string& collection, std::size_t objects,
                              std::chrono::steady_clock::duration elapsed) {
  const auto now = std::chrono::steady_clock::now();
  if (shown_ && now - last_ < std::chrono::milliseconds(200)) return;
  last_ = now;
  shown_ = true;
  const auto seconds = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count() / 1000.0;
  char elapsed_text[32];
  std::snprintf(elapsed_text, sizeof elapsed_text, "%.1fs", seconds);
  terminal_ << "\r\x1b[K" << (collection.empty() ? "done" : collection) << ": " << objects
            << " objects, " << elapsed_text << std::flush;
}

}  // namespace cli
