#pragma once
// Keeps Access's pop-up windows out of the way while it is held: installs the
// no-pop-ups hook on the driver's thread and removes it when released.

#include <cstdint>

namespace shared {

class NoPopupsHook {
 public:
  NoPopupsHook();
  ~NoPopupsHook();
  NoPopupsHook(const NoPopupsHook&) = delete;
  NoPopupsHook& operator=(const NoPopupsHook&) = delete;

 private:
  std::intptr_t hook_;
};

}  // namespace shared
