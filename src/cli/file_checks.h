#pragma once
// What the command checks of a database file before it reads anything for a
// run that will write.

#include <string>

#include "cli/options.h"

namespace cli {

// A replace that could not write its file or its backup, or that would
// write into a damaged file, is refused (UsageError, or 3049 for damage).
// Permissions are read from the owner's bits, as a user sees a read-only
// file, whoever runs the command.
void CheckWritable(const Options& options, const std::string& database);

}  // namespace cli
