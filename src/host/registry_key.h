#pragma once
// The host registry key: one key of the system's registry, opened by its full
// path and then for reading (SetAccess 1) or writing (SetAccess 2, which
// creates the key), and closed with SetAccess 0.

#include <cstdint>
#include <string>

#include "com/variant.h"

namespace host {

class RegistryKey {
 public:
  static constexpr std::int32_t kClosed = 0;
  static constexpr std::int32_t kRead = 1;
  static constexpr std::int32_t kWrite = 2;

  void OpenPath(const std::string& path);
  void SetAccess(std::int32_t access);
  // The value, or the default when the key or the value does not exist.
  com::Variant ReadValue(const std::string& name, const com::Variant& default_value) const;
  // Writing needs the key opened for writing; otherwise raises 70 "Permission denied".
  void WriteValue(const std::string& name, const com::Variant& value, std::int32_t type);
  bool Exists() const;

 private:
  std::string path_;
  std::int32_t access_ = kClosed;
};

}  // namespace host
