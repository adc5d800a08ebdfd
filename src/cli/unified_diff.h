#pragma once
// A unified diff (as diff -u writes it) of two texts, line by line.

#include <string>

namespace cli {

// "--- a/LABEL", "+++ b/LABEL" and hunks with three lines of context; lines
// end at LF, a CR before it staying out of sight. Empty when the texts agree.
std::string UnifiedDiff(const std::string& label, const std::string& before,
                        const std::string& after);

}  // namespace cli
