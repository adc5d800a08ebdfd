#include "sim/access/install.h"

#include <filesystem>

#include "sim/access/argument_descriptions.h"
#include "sim/access/command_line.h"
#include "sim/access/resource_strings.h"
#include "sim/access/type_library.h"
#include "sim/machine.h"

namespace sim::access {
namespace {

constexpr std::int32_t kShiftKey = 16;

com::ObjectRef Launch(Machine& machine, const Settings& settings,
                      const Processes::LaunchRequest& launch) {
  auto request = ParseCommandLine(launch.command_line);
  if (!request) return nullptr;
  request->database_password = launch.password;
  request->bypass_key = (launch.key_state & kShiftKey) != 0;
  std::shared_ptr<Application> application;
  if (com::Capture([&] { application = Application::Start(machine, settings, *request); }))
    return nullptr;
  return application;
}

// What Access's own files hold: the executable's argument descriptions, the
// type library beside it, and the resource library in the English language
// folder. The files themselves are the installer's; only the resource
// library is looked for on disk, so a machine has it once a test or the
// command places it there.
void InstallLibraries(Machine& machine, const std::string& exe_path) {
  const std::filesystem::path folder = std::filesystem::path(exe_path).parent_path();
  auto& libraries = machine.libraries();
  libraries.Install(exe_path, std::make_shared<ArgumentDescriptions>());
  libraries.Install((folder / "msacc9.olb").string(), std::make_shared<TypeLibrary>());
  libraries.Install((folder / "1033" / "msain900.dll").string(),
                    std::make_shared<ResourceStrings>());
}

}  // namespace

void Install(Machine& machine, const std::string& exe_path, const Settings& settings) {
  InstallLibraries(machine, exe_path);
  machine.processes().InstallProgram(
      exe_path, [&machine, settings](const Processes::LaunchRequest& launch) {
        return Launch(machine, settings, launch);
      });
}

std::shared_ptr<Application> StartAccess(Machine& machine, const StartRequest& request,
                                         const Settings& settings) {
  return Application::Start(machine, settings, request);
}

}  // namespace sim::access
