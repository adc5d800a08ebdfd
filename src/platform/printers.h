#pragma once
// The printers Windows knows. Access lays reports out for the default
// printer and will not open one in design view on a system without any.

#include <string>

namespace platform {

class Printers {
 public:
  virtual ~Printers() = default;
  // The default printer's name; raises 484 "Printer driver unavailable" when
  // the system has no default printer, as VB's Printer object does.
  virtual std::string DefaultPrinter() = 0;
};

}  // namespace platform
