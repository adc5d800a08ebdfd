#pragma once
// Installing Microsoft Access 2000 on a simulated machine, and starting it as
// a user would.
//
//   sim::access::Install(machine, "C:/Office/MSACCESS.EXE");
//     registers the program with the machine's processes: LaunchAndAttach on
//     a command line that names that executable starts an Access session on
//     the file the command line names, with its /wrkgrp, /user, /pwd, /excl
//     and /ro, the database password given to LaunchAndAttach and the Shift
//     key state, and returns its Application; nothing when the command line
//     is not one Access accepts or the logon or the file fails to open.
//     (Windows Installer's product entry and the executable's version are the
//     installer's business: sim::Installer.) It also places what Access's
//     own files hold in the machine's libraries: the macro argument
//     descriptions of the executable, the type library msacc9.olb beside it
//     and the resource library 1033/msain900.dll; a file for the resource
//     library is the test's or the command's to make.
//
//   auto access = sim::access::StartAccess(machine, {.file = path, .exclusive = true});
//     the user's own Access, already running with the file open. The test
//     then places what the user did through the session: documents open
//     (access->Documents()->Open(acForm, "Orders", acViewDesign, 0)), code
//     windows (OpenCodeWindow), the Relationships window (RunCommand(133)),
//     the Find and Replace dialog (ShowFindDialog), the database closed or
//     switched (CloseCurrentDatabase, OpenCurrentDatabase).

#include <memory>
#include <string>

#include "sim/access/application.h"
#include "sim/access/settings.h"
#include "sim/access/start_request.h"

namespace sim {
class Machine;
}

namespace sim::access {

void Install(Machine& machine, const std::string& exe_path, const Settings& settings = {});

// Raises the error that kept the logon or the file from opening.
std::shared_ptr<Application> StartAccess(Machine& machine, const StartRequest& request,
                                         const Settings& settings = {});

}  // namespace sim::access
