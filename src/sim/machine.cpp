#include "sim/machine.h"

#include "com/error.h"

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

Machine::~Machine() = default;

std::shared_ptr<dao::DBEngine> Machine::NewDBEngine() { com::RaiseVb(429); }

}  // namespace sim
