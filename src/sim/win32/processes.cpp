#include "sim/win32/processes.h"

#include <algorithm>

#include "com/error.h"
#include "com/text.h"

namespace sim {

bool Processes::AttachThreadInput(std::uint32_t from_thread, std::uint32_t to_thread,
                                  bool attach) {
  const auto pair = std::make_pair(from_thread, to_thread);
  if (attach) {
    attached_.push_back(pair);
  } else {
    std::erase(attached_, pair);
  }
  return true;
}

com::ObjectRef Processes::LaunchAndAttach(const std::string& command_line,
                                          const std::string& document_path,
                                          const std::string& password, std::int32_t key_state,
                                          std::uint32_t timeout_ms) {
  LaunchRequest request{command_line, document_path, password, key_state, timeout_ms};
  launches_.push_back(request);
  // The executable is the first, double-quoted, piece of the command line.
  if (command_line.size() < 2 || command_line[0] != '"') return nullptr;
  const auto end = command_line.find('"', 1);
  if (end == std::string::npos) return nullptr;
  auto program = programs_.find(com::UCase(command_line.substr(1, end - 1)));
  if (program == programs_.end()) return nullptr;
  return program->second(request);
}

void Processes::InstallProgram(const std::string& executable, Launcher launcher) {
  programs_[com::UCase(executable)] = std::move(launcher);
}

void Processes::Started(std::shared_ptr<Program> program) {
  running_.push_back(std::move(program));
}

void Processes::Exited(const Program& program) {
  std::erase_if(running_, [&](const auto& running) { return running.get() == &program; });
}

// A program that fails while ending has exited all the same.
void Processes::EndAll() {
  while (!running_.empty()) {
    auto program = running_.back();
    running_.pop_back();
    com::IgnoreErrors([&] { program->End(); });
  }
}

}  // namespace sim
