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
#include "sim/win32/installer.h"
#include "sim/win32/memory.h"
#include "sim/win32/processes.h"
#include "sim/win32/registry.h"
#include "sim/win32/running_object_table.h"

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
  Installer& installer() override { return installer_; }
  Installer& file_versions() override { return installer_; }
  RunningObjectTable& running_objects() override { return running_objects_; }
  ClassRegistry& classes() override { return classes_; }
  Processes& processes() override { return processes_; }
  Memory& memory() override { return memory_; }
  std::shared_ptr<dao::DBEngine> NewDBEngine() override;

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
  platform::SystemScope scope_;
};

}  // namespace sim
