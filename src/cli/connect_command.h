#pragma once
// quillnet connect [DB]: the project parameters dialog in the terminal. On
// OK the parameter string is saved for the database chosen, and search,
// replace, list and show on that database use it for every option their
// command line leaves out. quillnet connect --forget DB removes it.

#include <string>
#include <vector>

#include "cli/commands.h"

namespace cli {

// `args` are the words after "connect". The exit code: 0 saved or forgotten,
// 1 cancelled or nothing to forget, 2 bad usage or no terminal.
int Connect(const std::vector<std::string>& args, Console& console);

}  // namespace cli
