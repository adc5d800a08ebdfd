#pragma once
// Real Access files (.mdb written by Access 97 or Access 2000): searched,
// listed and shown where they lie, never written. `quillnet convert REAL.mdb
// OUT.mdb` makes a working copy of one in this program's own format.

#include "cli/commands.h"
#include "cli/options.h"

namespace cli {

// For a command on a real Access file: refuses a command that would write
// into it (UsageError, saying how such a file is changed), and raises the
// reason a file that looks like one cannot be read (an Access 2007 file, an
// encrypted or damaged one). Does nothing for this program's own files.
void CheckRealFile(const Options& options);

// Copies the tables, queries, relationships, import specifications and
// database properties of a real Access file into a new database file of
// this program's format, and says what could not be copied: always the
// forms, reports, macros and modules, which Access keeps in a binary form of
// its own. Exit code 3 when a table, query or other object was left out.
int Convert(const Options& options, Console& console);

}  // namespace cli
