#pragma once
// One simulated computer: registry, installed products, clock, running-object
// table, COM classes, programs and memory. Constructing a Machine installs it
// as the current system; it stays installed until it is destroyed.

#include <memory>
#include <optional>
#include <string>

#include "platform/system.h"
#include "sim/win32/class_registry.h"
#include "sim/win32/clock.h"
#include "sim/win32/file_system.h"
#include "sim/win32/installer.h"
#include "sim/win32/libraries.h"
#include "sim/win32/memory.h"
#include "sim/win32/printers.h"
#include "sim/win32/processes.h"
#include "sim/win32/registry.h"
#include "sim/win32/running_object_table.h"
#include "sim/win32/screen.h"
#include "sim/win32/shell.h"
#include "sim/win32/text_files.h"
#include "sim/win32/windows.h"
#include "sim/jet/sessions.h"

namespace sim {

class Machine : public platform::System {
 public:
  struct Options {
    bool real_clock = false;                    // tests run on the virtual clock
    std::optional<std::string> registry_file;  // the command line keeps its registry in a file
  };

  Machine();
  explicit Machine(Options options);
  ~Machine() override;

  platform::Clock& clock() override { return *clock_; }
  Registry& registry() override { return registry_; }
  FileSystem& files() override { return files_; }
  Installer& installer() override { return installer_; }
  Installer& file_versions() override { return installer_; }
  RunningObjectTable& running_objects() override { return running_objects_; }
  ClassRegistry& classes() override { return classes_; }
  Processes& processes() override { return processes_; }
  Memory& memory() override { return memory_; }
  Shell& shell() override { return shell_; }
  Screen& screen() override { return screen_; }
  Windows& windows() override { return windows_; }
  Libraries& libraries() override { return libraries_; }
  TextFiles& text_files() override { return text_files_; }
  Printers& printers() override { return printers_; }
  std::shared_ptr<dao::DBEngine> NewDBEngine() override;
  std::shared_ptr<::ado::Connection> NewAdoConnection() override;

  // Every Jet connection open on this machine.
  jet::Sessions& sessions() { return sessions_; }
  // The name the user roster shows for connections made from this machine.
  std::string computer_name() const { return "QUILLNET-PC"; }

  // The virtual clock, or nothing when the machine runs on the real clock.
  VirtualClock* virtual_clock() { return virtual_clock_; }

 private:
  std::unique_ptr<platform::Clock> clock_;
  VirtualClock* virtual_clock_ = nullptr;
  Registry registry_;
  Installer installer_;
  RunningObjectTable running_objects_;
  ClassRegistry classes_;
  Processes processes_;
  Memory memory_;
  Shell shell_;
  Screen screen_;
  Windows windows_{memory_};
  Libraries libraries_;
  TextFiles text_files_;
  Printers printers_;
  jet::Sessions sessions_;
  FileSystem files_{sessions_};
  platform::SystemScope scope_;
};

}  // namespace sim
