#pragma once
// The library files of the simulated machine: a program installed on it
// places what its files hold under their paths; the driver loads them by
// path as it would on Windows.

#include <map>
#include <memory>
#include <string>

#include "platform/libraries.h"
#include "sim/win32/library.h"

namespace sim {

class Libraries : public platform::Libraries {
 public:
  // Places (or replaces) the library at the path.
  void Install(const std::string& path, std::shared_ptr<const Library> library);

  std::string LoadString(const std::string& library, std::uint32_t id) override;
  std::int32_t CallOrdinal(const std::string& program, std::uint16_t ordinal, std::int32_t first,
                           std::int32_t second) override;
  std::optional<std::vector<platform::EnumerationMember>> Enumeration(
      const std::string& type_library, const std::string& name) override;

 private:
  const Library& Load(const std::string& path) const;

  std::map<std::string, std::shared_ptr<const Library>> libraries_;
};

}  // namespace sim
