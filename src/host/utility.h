#pragma once
// The host utility object: file, path and process services the driver asks of
// the host support library.

#include <cstdint>
#include <optional>
#include <string>

#include "com/variant.h"
#include "platform/win32.h"

namespace host {

class Utility {
 public:
  bool FileExists(const std::string& path) const;
  // Splits at the last path separator ("/" or "\"); the folder has no
  // separator at its end.
  void SplitPath(const std::string& path, std::string& folder, std::string& name) const;
  // The absolute, normalised form of a path.
  std::string ResolvePath(const std::string& path) const;
  // Joins a folder and a name with this system's separator.
  std::string JoinPath(const std::string& folder, const std::string& name) const;

  // The object published in the running-object table under a document path
  // or a name, or nothing.
  com::ObjectRef GetRunningObject(const std::string& name) const;
  std::uint32_t RegisterObject(const std::string& name, com::ObjectRef object) const;
  void RevokeObject(std::uint32_t cookie) const;

  com::ObjectRef LaunchAndAttach(const std::string& command_line, const std::string& document_path,
                                 const std::string& unused, const std::string& password,
                                 std::int32_t key_state, bool wait,
                                 std::uint32_t timeout_ms) const;

  std::string TempFolder() const;
  // A new, empty file in the temporary folder whose name starts with the prefix.
  std::string TempFileName(const std::string& prefix, const std::string& extension) const;

  std::optional<platform::FileVersion> GetFileVersion(const std::string& path) const;
  std::int32_t ReadLong(std::uintptr_t address) const;
};

}  // namespace host
