#include "sim/win32/printers.h"

#include "com/error.h"

namespace sim {

std::string Printers::DefaultPrinter() {
  if (!default_) com::Raise(484, "Printer driver unavailable");
  return *default_;
}

}  // namespace sim
