#include "sim/win32/screen.h"

namespace sim {

std::uint32_t Screen::GetSysColor(std::int32_t index) {
  switch (index) {
    case 5: return 0xFFFFFF;
    case 15: return 0xC0C0C0;
    default: return 0;
  }
}

}  // namespace sim
