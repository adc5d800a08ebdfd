#pragma once
// Search results as a person reads them on a terminal: hits grouped under
// their object, whose path is shown once; matches highlighted; a long value
// shown as its matching lines (with their numbers in the value) or as
// windows around the matches, never as one endless line.

#include <ostream>
#include <vector>

#include "engine/matcher.h"
#include "engine/search_engine.h"

namespace cli {

void PrintHitsGrouped(std::ostream& out, const std::vector<engine::Hit>& hits,
                      const engine::Matcher& matcher, bool color);

}  // namespace cli
