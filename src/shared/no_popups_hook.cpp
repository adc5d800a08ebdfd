#include "shared/no_popups_hook.h"

#include "com/error.h"
#include "platform/system.h"
#include "shared/utility.h"

namespace shared {

NoPopupsHook::NoPopupsHook() {
  auto& system = platform::System::Current();
  hook_ = system.windows().SetWindowsHookEx(platform::Windows::WH_CBT, &Utility::NoPopupsHookProc,
                                            system.processes().GetCurrentThreadId());
}

NoPopupsHook::~NoPopupsHook() {
  if (hook_ == 0) return;
  com::IgnoreErrors([&] { platform::System::Current().windows().UnhookWindowsHookEx(hook_); });
}

}  // namespace shared
