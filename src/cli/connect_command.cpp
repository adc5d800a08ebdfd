#include "cli/connect_command.h"

#include <unistd.h>

#include <filesystem>

#include "cli/default_machine.h"
#include "cli/options.h"
#include "cli/saved_connections.h"
#include "com/text.h"
#include "driver/driver.h"
#include "host/parameter_set.h"
#include "shared/vxhandler.h"
#include "tui/terminal_user.h"

namespace cli {
namespace {

namespace fs = std::filesystem;

constexpr int kConnectDone = 0;
constexpr int kConnectNothingDone = 1;

struct ConnectArguments {
  bool forget = false;
  std::string database;  // absolute, or empty
};

ConnectArguments Parse(const std::vector<std::string>& args) {
  ConnectArguments parsed;
  std::vector<std::string> databases;
  bool options_ended = false;
  for (const std::string& arg : args) {
    if (!options_ended && arg == "--forget") parsed.forget = true;
    else if (!options_ended && arg == "--") options_ended = true;
    else if (!options_ended && arg.rfind("--", 0) == 0) throw UsageError("unknown option '" + arg + "'");
    else databases.push_back(arg);
  }
  if (databases.size() > 1)
    throw UsageError("'connect' takes at most one database, " + std::to_string(databases.size()) +
                     " given");
  if (parsed.forget && databases.empty()) throw UsageError("'connect --forget' needs the database");
  if (!databases.empty()) parsed.database = fs::absolute(databases[0]).lexically_normal().string();
  return parsed;
}

// What the dialog opens on: the saved connection, or the database alone.
std::string StartingParameters(const SavedConnections& saved, const std::string& database) {
  if (database.empty()) return "";
  if (auto parameters = saved.Find(database)) return *parameters;
  const std::string extension = com::LCase(fs::path(database).extension().string());
  host::ParameterSet set;
  set.PutValue("ProjectType", extension == ".adp" || extension == ".ade" ? "Project" : "Database",
               false);
  set.PutValue("Database", database, false);
  return set.Text();
}

// The dialog keeps the file names as typed; the saved string names them in
// full, so that commands run from any folder find them.
std::string WithAbsolutePaths(const std::string& parameters, std::string& database) {
  host::ParameterSet set;
  set.SetText(parameters);
  database = fs::absolute(set.GetValue("Database", "")).lexically_normal().string();
  set.PutValue("Database", database, false);
  const std::string workgroup = set.GetValue("Workgroup", "");
  if (!workgroup.empty())
    set.PutValue("Workgroup", fs::absolute(workgroup).lexically_normal().string(), false);
  return set.Text();
}

}  // namespace

int Connect(const std::vector<std::string>& args, Console& console) {
  const ConnectArguments arguments = Parse(args);
  const SavedConnections saved(StateFolder());
  if (arguments.forget) {
    if (!saved.Forget(arguments.database)) {
      console.err << "quillnet: no connection is saved for " << arguments.database << '\n';
      return kConnectNothingDone;
    }
    console.out << "Forgot the connection to " << arguments.database << '\n';
    return kConnectDone;
  }
  if (!console.in_is_terminal || ::isatty(STDOUT_FILENO) != 1)
    throw UsageError("connect shows its dialog on a terminal, and there is none; give the "
                     "options to search, replace, list or show instead");
  DefaultMachine machine;
  std::string parameters = StartingParameters(saved, arguments.database), path, name;
  bool confirmed = false;
  {
    tui::TerminalUser user(machine.machine().windows(), machine.machine().shell());
    confirmed = driver::Driver().IDriver_GetProjectParameters(parameters, path, name);
  }
  const auto problems = vxhandler::ProblemLog();
  if (problems->Count() > 0) problems->Show(console.err);
  if (!confirmed) {
    console.err << "quillnet: cancelled; nothing was saved\n";
    return kConnectNothingDone;
  }
  std::string database;
  const std::string complete = WithAbsolutePaths(parameters, database);
  saved.Save(database, complete);
  console.out << "Saved the connection to " << database
              << "; search, replace, list and show on it use it when no options are given\n";
  return kConnectDone;
}

}  // namespace cli
