#pragma once
// The simulated machine's printers: one default printer, or none.

#include <optional>
#include <string>

#include "platform/printers.h"

namespace sim {

class Printers : public platform::Printers {
 public:
  std::string DefaultPrinter() override;
  // Installs a default printer, or with nothing removes it.
  void SetDefault(std::optional<std::string> name) { default_ = std::move(name); }

 private:
  std::optional<std::string> default_ = "HP LaserJet 4050 Series PCL";
};

}  // namespace sim
