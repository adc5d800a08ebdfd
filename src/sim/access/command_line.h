#pragma once
// Access's command line: the executable, the file to open, then options:
//   "C:\...\MSACCESS.EXE" "C:\Data\Sales.mdb" /wrkgrp "C:\system.mdw" /user "Bob" /pwd "x"
// A value or a path with blanks is quoted. /excl opens the file exclusively
// and /ro read-only.

#include <optional>
#include <string>

#include "sim/access/start_request.h"

namespace sim::access {

// What the command line asks for; nothing when it names no file, or holds an
// option Access does not know or one without its value (Access then refuses
// to start).
std::optional<StartRequest> ParseCommandLine(const std::string& command_line);

}  // namespace sim::access
