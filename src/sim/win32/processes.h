#pragma once
// Threads and programs of the simulated machine. Programs that can be started
// register a launcher under their executable's path.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32.h"
#include "sim/win32/program.h"

namespace sim {

class Processes : public platform::Processes {
 public:
  static constexpr std::uint32_t kDriverThread = 4242;

  struct LaunchRequest {
    std::string command_line;
    std::string document_path;
    std::string password;
    std::int32_t key_state = 0;
    std::uint32_t timeout_ms = 0;
  };
  using Launcher = std::function<com::ObjectRef(const LaunchRequest&)>;

  std::uint32_t GetCurrentThreadId() override { return kDriverThread; }
  std::string ModuleFileName() override { return module_file_; }
  void SetModuleFileName(std::string path) { module_file_ = std::move(path); }
  bool AttachThreadInput(std::uint32_t from_thread, std::uint32_t to_thread,
                         bool attach) override;
  com::ObjectRef LaunchAndAttach(const std::string& command_line,
                                 const std::string& document_path, const std::string& password,
                                 std::int32_t key_state, std::uint32_t timeout_ms) override;

  // The program started when a command line names this executable.
  void InstallProgram(const std::string& executable, Launcher launcher);

  // Programs running on the machine: kept from their start until they exit.
  void Started(std::shared_ptr<Program> program);
  void Exited(const Program& program);
  const std::vector<std::shared_ptr<Program>>& Running() const { return running_; }
  // Ends every program still running, the last started first.
  void EndAll();

  const std::vector<LaunchRequest>& Launches() const { return launches_; }
  const std::vector<std::pair<std::uint32_t, std::uint32_t>>& AttachedThreads() const {
    return attached_;
  }

 private:
  std::string module_file_ = "/opt/quillnet/tovrin40.dll";
  std::map<std::string, Launcher> programs_;  // upper-cased executable path
  std::vector<LaunchRequest> launches_;
  std::vector<std::shared_ptr<Program>> running_;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> attached_;
};

}  // namespace sim
