#pragma once
// replace --interactive: the user takes or leaves each hit on the terminal.

#include <vector>

#include "cli/commands.h"
#include "engine/replace_run.h"

namespace cli {

// Shows each hit with the change it would make and asks: yes, no, all in
// this object, or quit (leave this hit and the rest). The hits left are
// taken out of their parts; false when none is left.
bool ChooseHits(Console& console, std::vector<engine::ReplaceRun::Part>& parts,
                const engine::Rewrite& rewrite);

}  // namespace cli
