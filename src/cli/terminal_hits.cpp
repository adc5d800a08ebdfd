#include "cli/terminal_hits.h"

#include <algorithm>
#include <string>

#include "cli/report.h"
#include "com/error.h"

namespace cli {
namespace {

using Spans = std::vector<std::pair<std::size_t, std::size_t>>;

constexpr std::size_t kLongLine = 160;  // bytes; longer lines are shown in windows
constexpr std::size_t kAround = 50;     // bytes shown on each side of a match
const char* const kMatchOn = "\x1b[1;31m";
const char* const kMatchOff = "\x1b[0m";
const char* const kPathOn = "\x1b[1;35m";

bool Continues(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// `at` moved back to the start of the UTF-8 character it is in.
std::size_t CharacterStart(const std::string& text, std::size_t at) {
  while (at > 0 && at < text.size() && Continues(text[at])) --at;
  return at;
}

// text[from, to) with its matches highlighted.
std::string Highlighted(const std::string& text, std::size_t from, std::size_t to,
                        const Spans& spans, bool color) {
  std::string out;
  std::size_t at = from;
  for (const auto& [start, end] : spans) {
    if (end <= from || start >= to) continue;
    const std::size_t s = std::max(start, from), e = std::min(end, to);
    out += Printable(text.substr(at, s - at));
    out += color ? kMatchOn + Printable(text.substr(s, e - s)) + kMatchOff
                 : Printable(text.substr(s, e - s));
    at = e;
  }
  return out + Printable(text.substr(at, to - at));
}

// A line whole, or windows around its matches joined by "…" when it is long.
std::string Windowed(const std::string& line, const Spans& spans, bool color) {
  if (line.size() <= kLongLine || spans.empty()) return Highlighted(line, 0, line.size(), spans, color);
  std::vector<std::pair<std::size_t, std::size_t>> windows;
  for (const auto& [start, end] : spans) {
    const std::size_t from = CharacterStart(line, start > kAround ? start - kAround : 0);
    const std::size_t to = CharacterStart(line, std::min(line.size(), end + kAround));
    if (!windows.empty() && from <= windows.back().second)
      windows.back().second = std::max(windows.back().second, to);
    else
      windows.emplace_back(from, to);
  }
  std::string out;
  for (const auto& [from, to] : windows) {
    if (from > 0) out += "…";
    out += Highlighted(line, from, to, spans, color);
  }
  if (windows.back().second < line.size()) out += "…";
  return out;
}

Spans SpansOf(const engine::Matcher& matcher, const std::string& text) {
  Spans spans;
  com::IgnoreErrors([&] { spans = matcher.Spans(text); });
  return spans;
}

// One value: its matching lines, numbered from 1, when it has several lines.
void PrintValue(std::ostream& out, const std::string& label, const std::string& value,
                const engine::Matcher& matcher, bool color) {
  if (value.find('\n') == std::string::npos) {
    out << "  " << label << ": " << Windowed(value, SpansOf(matcher, value), color) << '\n';
    return;
  }
  std::size_t number = 1, start = 0;
  while (start <= value.size()) {
    std::size_t end = value.find('\n', start);
    if (end == std::string::npos) end = value.size();
    std::string line = value.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const Spans spans = SpansOf(matcher, line);
    if (!spans.empty())
      out << "  " << label << " line " << number << ": " << Windowed(line, spans, color) << '\n';
    ++number;
    start = end + 1;
  }
}

}  // namespace

void PrintHitsGrouped(std::ostream& out, const std::vector<engine::Hit>& hits,
                      const engine::Matcher& matcher, bool color) {
  std::string object;
  for (const engine::Hit& hit : hits) {
    const std::string owner =
        (hit.database.empty() ? "" : hit.database + ":") + hit.collection + "/" + hit.object;
    if (owner != object)
      out << (color ? kPathOn : "") << Printable(owner) << (color ? kMatchOff : "") << '\n';
    object = owner;
    const std::string label = Printable(host::PathText(hit.steps, hit.property));
    if (hit.lines.empty()) {
      PrintValue(out, label, hit.value, matcher, color);
      continue;
    }
    for (const auto& line : hit.lines)
      out << "  " << label << " line " << line.number << ": "
          << Windowed(line.text, SpansOf(matcher, line.text), color) << '\n';
  }
}

}  // namespace cli
