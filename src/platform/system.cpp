#include "platform/system.h"

#include "com/error.h"

namespace platform {
namespace {
System* g_current = nullptr;
}

System& System::Current() {
  if (!g_current) com::RaiseVb(91);
  return *g_current;
}

SystemScope::SystemScope(System& system) : previous_(g_current) { g_current = &system; }
SystemScope::~SystemScope() { g_current = previous_; }

}  // namespace platform
