#include "sim/access/install.h"

#include "sim/access/command_line.h"
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

}  // namespace

void Install(Machine& machine, const std::string& exe_path, const Settings& settings) {
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
