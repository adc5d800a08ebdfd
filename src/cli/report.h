#pragma once
// How the command shows its results: one line per item as text, or one JSON
// object per line (JSON Lines) with --json; problems after the results; and
// progress on a terminal.

#include <chrono>
#include <ostream>
#include <string>
#include <vector>

#include "engine/search_engine.h"

namespace cli {

// Makes a message one line: its line breaks become blanks.
std::string OneLine(const std::string& text);
// Text that cannot drive the terminal it is shown on: control characters
// (C0, DEL and C1) and bytes that are not UTF-8 are written as escapes
// (\t, \n, \r, \x1b, \u009b).
std::string Printable(const std::string& text);

void PrintHits(std::ostream& out, const std::vector<engine::Hit>& hits, bool json, bool replacing);
// Each change a replace would make as a unified diff of the property's
// value, grouped by object; hits that would not be written say why.
void PrintDiffs(std::ostream& out, const std::vector<engine::Hit>& hits);
void PrintProperties(std::ostream& out, std::vector<engine::PropertyValue> values,
                     bool json);
void PrintObjects(std::ostream& out, const std::vector<engine::ListedObject>& objects, bool json);
void PrintProblems(std::ostream& out, const engine::SearchEngine& engine);

// Collection, object count and elapsed time on one line of the terminal,
// redrawn at most five times a second and cleared at the end.
class TerminalProgress : public engine::Progress {
 public:
  explicit TerminalProgress(std::ostream& terminal) : terminal_(terminal) {}
  ~TerminalProgress() override;
  void Update(const std::string& collection, std::size_t objects,
              std::chrono::steady_clock::duration elapsed) override;

 private:
  std::ostream& terminal_;
  std::chrono::steady_clock::time_point last_{};
  bool shown_ = false;
};

}  // namespace cli
