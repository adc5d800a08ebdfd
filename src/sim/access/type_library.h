#pragma once
// The enumerations of Access 2000's type library (msacc9.olb) that macro
// arguments store by value: AcObjectType and AcCommand, with their names and
// values as Access 2000 publishes them.

#include <optional>
#include <string>
#include <vector>

#include "sim/win32/library.h"

namespace sim::access {

class TypeLibrary : public Library {
 public:
  bool IsTypeLibrary() const override { return true; }
  std::optional<std::vector<platform::EnumerationMember>> Enumeration(
      const std::string& name) const override;
};

}  // namespace sim::access
