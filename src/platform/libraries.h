#pragma once
// What the driver reads out of Access's own files: the string resources of a
// resource library (LoadLibraryEx as a data file, then LoadString), the
// functions a program exports by ordinal (GetProcAddress), and the
// enumerations of a type library (LoadTypeLib).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

struct EnumerationMember {
  std::string name;
  std::int32_t value = 0;
};

class Libraries {
 public:
  virtual ~Libraries() = default;
  // The string with that number; empty when the library has none. Raises 48
  // "Error in loading DLL" when the file is no library.
  virtual std::string LoadString(const std::string& library, std::uint32_t id) = 0;
  // Calls the function the program exports under the ordinal with two 32-bit
  // integers. Raises 48 when the file is no program, 453 when it exports no
  // such function.
  virtual std::int32_t CallOrdinal(const std::string& program, std::uint16_t ordinal,
                                   std::int32_t first, std::int32_t second) = 0;
  // The members of the enumeration, in the library's order; nothing when the
  // library has no enumeration of that name. Raises 48 when the file is no
  // type library.
  virtual std::optional<std::vector<EnumerationMember>> Enumeration(
      const std::string& type_library, const std::string& name) = 0;
};

}  // namespace platform
