#include "sim/win32/class_registry.h"

#include "com/error.h"
#include "com/text.h"

namespace sim {

void ClassRegistry::RegisterClass(const std::string& prog_id, Factory factory) {
  factories_[com::UCase(prog_id)] = std::move(factory);
}

bool ClassRegistry::IsRegistered(const std::string& prog_id) const {
  return factories_.contains(com::UCase(prog_id));
}

com::ObjectRef ClassRegistry::CreateObject(const std::string& prog_id) {
  auto found = factories_.find(com::UCase(prog_id));
  if (found == factories_.end()) com::RaiseVb(429);
  return found->second();
}

}  // namespace sim
