#pragma once
// Reads the localised strings of Access's resource library by number: the
// choice lists that macro arguments show as words.

#include <cstdint>
#include <string>

namespace objects {

class ResourceStringReader {
 public:
  // Opens the library; raises 48 when the file is no resource library.
  explicit ResourceStringReader(std::string library);

  // The string with that number; empty when the library has none.
  std::string Load(std::int32_t id) const;

 private:
  std::string library_;
};

}  // namespace objects
