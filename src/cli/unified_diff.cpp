#include "cli/unified_diff.h"

#include <algorithm>
#include <vector>

namespace cli {
namespace {

constexpr std::size_t kContext = 3;

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (end < text.size() || !line.empty()) lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// One line of the edit script: ' ' kept, '-' removed, '+' added.
struct Edit {
  char kind;
  std::size_t old_line;  // 0-based, of the old text (for '+': where it goes)
  std::size_t new_line;
  std::string text;
};

// The shortest edit script by the longest common subsequence of lines.
std::vector<Edit> Edits(const std::vector<std::string>& a, const std::vector<std::string>& b) {
  std::vector<std::vector<std::size_t>> common(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
  for (std::size_t i = a.size(); i-- > 0;)
    for (std::size_t j = b.size(); j-- > 0;)
      common[i][j] = a[i] == b[j] ? common[i + 1][j + 1] + 1
                                  : std::max(common[i + 1][j], common[i][j + 1]);
  std::vector<Edit> edits;
  std::size_t i = 0, j = 0;
  while (i < a.size() || j < b.size()) {
    if (i < a.size() && j < b.size() && a[i] == b[j]) {
      edits.push_back({' ', i, j, a[i]});
      ++i, ++j;
    } else if (i < a.size() && (j == b.size() || common[i + 1][j] >= common[i][j + 1])) {
      edits.push_back({'-', i, j, a[i]});
      ++i;
    } else {
      edits.push_back({'+', i, j, b[j]});
      ++j;
    }
  }
  return edits;
}

std::string Range(std::size_t first, std::size_t count) {
  // diff -u numbers an empty range by the line before it, and leaves out a
  // count of one.
  if (count == 1) return std::to_string(first + 1);
  return std::to_string(count == 0 ? first : first + 1) + "," + std::to_string(count);
}

}  // namespace

std::string UnifiedDiff(const std::string& label, const std::string& before,
                        const std::string& after) {
  if (before == after) return "";
  const std::vector<Edit> edits = Edits(LinesOf(before), LinesOf(after));
  std::string out = "--- a/" + label + "\n+++ b/" + label + "\n";
  std::size_t at = 0;
  while (at < edits.size()) {
    const auto change = std::find_if(edits.begin() + at, edits.end(),
                                     [](const Edit& e) { return e.kind != ' '; });
    if (change == edits.end()) break;
    const std::size_t change_at = change - edits.begin();
    const std::size_t first = change_at >= at + kContext ? change_at - kContext : at;
    // The hunk runs on while the next change is within twice the context.
    std::size_t last = change_at;
    for (std::size_t k = last; k < edits.size(); ++k) {
      if (edits[k].kind != ' ') last = k;
      else if (k - last > 2 * kContext) break;
    }
    const std::size_t end = std::min(edits.size(), last + kContext + 1);
    std::size_t old_count = 0, new_count = 0;
    std::string body;
    for (std::size_t k = first; k < end; ++k) {
      old_count += edits[k].kind != '+';
      new_count += edits[k].kind != '-';
      body += edits[k].kind + edits[k].text + "\n";
    }
    out += "@@ -" + Range(edits[first].old_line, old_count) + " +" +
           Range(edits[first].new_line, new_count) + " @@\n" + body;
    at = end;
  }
  return out;
}

}  // namespace cli
