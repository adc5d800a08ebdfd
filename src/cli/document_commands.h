#pragma once
// `quillnet import DIR DB` and `quillnet export DB DIR`: an application's
// forms, reports, macros and modules between a folder in the source-control
// layout and a database file.

#include "cli/commands.h"
#include "cli/options.h"

namespace cli {

// Loads every document of the folder into the database (created empty when
// missing) in one transaction: one bad file, and nothing is written.
int Import(const Options& options, Console& console);
// Writes every document of the database into the folder.
int Export(const Options& options, Console& console);

}  // namespace cli
