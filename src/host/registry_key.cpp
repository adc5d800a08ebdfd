#include "host/registry_key.h"

#include "com/error.h"
#include "platform/system.h"

namespace host {

void RegistryKey::OpenPath(const std::string& path) {
  path_ = path;
  access_ = kClosed;
}

void RegistryKey::SetAccess(std::int32_t access) {
  if (access < kClosed || access > kWrite) com::RaiseVb(5);
  if (access == kWrite) platform::System::Current().registry().CreateKey(path_);
  access_ = access;
}

com::Variant RegistryKey::ReadValue(const std::string& name,
                                    const com::Variant& default_value) const {
  if (access_ == kClosed) return default_value;
  auto value = platform::System::Current().registry().ReadValue(path_, name);
  return value ? *value : default_value;
}

void RegistryKey::WriteValue(const std::string& name, const com::Variant& value, std::int32_t) {
  if (access_ != kWrite) com::RaiseVb(70);
  platform::System::Current().registry().WriteValue(path_, name, value);
}

bool RegistryKey::Exists() const { return platform::System::Current().registry().KeyExists(path_); }

}  // namespace host
