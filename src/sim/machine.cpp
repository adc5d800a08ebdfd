#include "sim/machine.h"

#include "com/error.h"
#include "sim/jet/engine.h"
#include "sim/ado/connection.h"

namespace sim {
namespace {

std::unique_ptr<platform::Clock> MakeClock(bool real) {
  if (real) return std::make_unique<RealClock>();
  return std::make_unique<VirtualClock>();
}

Registry MakeRegistry(const std::optional<std::string>& file) {
  return file ? Registry(*file) : Registry();
}

}  // namespace

Machine::Machine() : Machine(Options{}) {}

Machine::Machine(Options options)
    : clock_(MakeClock(options.real_clock)),
      virtual_clock_(dynamic_cast<VirtualClock*>(clock_.get())),
      registry_(MakeRegistry(options.registry_file)),
      scope_(*this) {}

// Programs still running end first, while the windows, sessions and
// registrations they hold are still there.
Machine::~Machine() { processes_.EndAll(); }

// With SystemDB empty, Jet logs on to the workgroup the engine's registry key names.
std::shared_ptr<dao::DBEngine> Machine::NewDBEngine() {
  const auto workgroup =
      registry_.ReadValue("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Jet\\4.0\\Engines", "SystemDB");
  return jet::NewEngine({sessions_, *clock_, computer_name(),
                         workgroup ? com::CStr(*workgroup) : std::string()});
}

}  // namespace sim

namespace sim {

std::shared_ptr<::ado::Connection> Machine::NewAdoConnection() {
  return std::make_shared<ado::Connection>(NewDBEngine(), sessions_);
}

}  // namespace sim
