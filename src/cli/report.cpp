#include "cli/report.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

#include "cli/unified_diff.h"
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

namespace {

std::string Hex(unsigned value, int digits) {
  static const char kDigits[] = "0123456789abcdef";
  std::string out;
  for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) out += kDigits[(value >> shift) & 0xF];
  return out;
}

std::string ControlEscape(unsigned char c) {
  switch (c) {
    case '\t': return "\\t";
    case '\n': return "\\n";
    case '\r': return "\\r";
    default: return "\\x" + Hex(c, 2);
  }
}

// The length of the well-formed UTF-8 sequence at `at`, or 0.
std::size_t SequenceLength(const std::string& text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const std::size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
  if (length == 0 || at + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k)
    if ((static_cast<unsigned char>(text[at + k]) & 0xC0) != 0x80) return 0;
  return length;
}

}  // namespace

std::string Printable(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const auto c = static_cast<unsigned char>(text[at]);
    if (c >= 0x20 && c < 0x7F) {  // a run of plain ASCII is copied as it is
      std::size_t end = at + 1;
      while (end < text.size() && text[end] >= 0x20 && text[end] < 0x7F) ++end;
      out.append(text, at, end - at);
      at = end;
      continue;
    }
    const std::size_t length = c < 0x80 ? 1 : SequenceLength(text, at);
    if (c < 0x20 || c == 0x7F) {
      out += ControlEscape(c);
    } else if (length == 0) {
      out += "\\x" + Hex(c, 2);
    } else if (c == 0xC2 && static_cast<unsigned char>(text[at + 1]) < 0xA0) {  // U+0080-U+009F
      out += "\\u00" + Hex(static_cast<unsigned char>(text[at + 1]), 2);
    } else {
      out.append(text, at, length);
    }
    at += std::max<std::size_t>(length, 1);
  }
  return out;
}

namespace {

// A hit in code, one line of the module a line: "path line 12: text".
void PrintCodeLines(std::ostream& out, const engine::Hit& hit, bool replacing) {
  for (const auto& line : hit.lines) {
    out << Printable(hit.Path()) << " line " << line.number << ": " << Printable(line.text);
    if (replacing) out << " -> " << Printable(line.new_text);
    out << '\n';
  }
  if (replacing) {
    out << Printable(hit.Path()) << "  [" << engine::StatusName(hit.status) << "]";
    if (!hit.error.empty()) out << " " << Printable(OneLine(hit.error));
    out << '\n';
  }
}

}  // namespace

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
    } else if (!hit.lines.empty()) {
      PrintCodeLines(out, hit, replacing);
    } else if (replacing) {
      out << Printable(hit.Path()) << ": " << Printable(hit.value) << " -> "
          << Printable(hit.new_value) << "  [" << engine::StatusName(hit.status) << "]";
      if (!hit.error.empty()) out << " " << Printable(OneLine(hit.error));
      out << '\n';
    } else {
      out << Printable(hit.Path()) << ": " << Printable(hit.value) << '\n';
    }
  }
}

void PrintDiffs(std::ostream& out, const std::vector<engine::Hit>& hits) {
  std::string object;
  for (const engine::Hit& hit : hits) {
    const std::string owner =
        (hit.database.empty() ? "" : hit.database + ":") + hit.collection + "/" + hit.object;
    if (owner != object) out << "# " << Printable(owner) << '\n';
    object = owner;
    if (hit.status != engine::HitStatus::DryRun) {
      out << "# " << Printable(hit.Path()) << ": not changed [" << engine::StatusName(hit.status)
          << "]";
      if (!hit.error.empty()) out << " " << Printable(OneLine(hit.error));
      out << '\n';
      continue;
    }
    std::istringstream diff(UnifiedDiff(hit.Path(), hit.value, hit.new_value));
    for (std::string line; std::getline(diff, line);) out << Printable(line) << '\n';
  }
}

void PrintProperties(std::ostream& out, std::vector<engine::PropertyValue> values,
                     bool as_json) {
  // As a property sheet: the object's own properties, then each section,
  // control or other element with its properties together.
  std::stable_partition(values.begin(), values.end(),
                        [](const engine::PropertyValue& v) { return v.steps.empty(); });
  std::string element;
  for (const auto& v : values) {
    const std::string path = host::PathText(v.steps, v.property);
    if (as_json) {
      out << json{{"path", path}, {"property", v.property}, {"value", v.value},
                  {"text", v.text}, {"writable", v.writable}}
                 .dump(-1, ' ', false, json::error_handler_t::replace)
          << '\n';
      continue;
    }
    const std::string owner = host::PathText(v.steps, "");
    if (owner != element) out << '\n';
    element = owner;
    out << Printable(path) << " = ";
    if (v.text) out << '"' << Printable(v.value) << '"';
    else out << Printable(v.value);
    out << (v.writable ? "" : "  (read-only)") << '\n';
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
      out << Printable(o.name) << '\t' << o.type_code << '\t' << Printable(o.stamp) << '\t'
          << flag(o.read) << '\t' << flag(o.write) << '\t' << flag(o.flag6) << '\t'
          << flag(o.flag7) << '\n';
    }
  }
}

void PrintProblems(std::ostream& out, const engine::SearchEngine& engine) {
  const auto& problems = engine.Problems();
  const auto& log = engine.DriverProblems();
  if (problems.empty() && log.Count() == 0) return;
  out << "\nProblems:\n";
  for (const auto& p : problems) {
    out << "  " << Printable(p.collection);
    if (!p.object.empty()) out << "/" << Printable(p.object);
    out << ": " << Printable(OneLine(p.message)) << '\n';
  }
  std::stringstream shown;
  log.Show(shown);
  for (std::string line; std::getline(shown, line);) {
    if (line.ends_with('\r')) line.pop_back();
    out << Printable(line) << '\n';
  }
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
