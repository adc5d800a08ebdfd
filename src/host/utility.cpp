#include "host/utility.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "com/error.h"
#include "platform/system.h"

namespace host {

namespace fs = std::filesystem;

bool Utility::FileExists(const std::string& path) const {
  std::error_code ec;
  return !path.empty() && fs::is_regular_file(path, ec);
}

void Utility::SplitPath(const std::string& path, std::string& folder, std::string& name) const {
  const auto pos = path.find_last_of("/\\");
  if (pos == std::string::npos) {
    folder.clear();
    name = path;
  } else {
    folder = path.substr(0, pos);
    name = path.substr(pos + 1);
  }
}

std::string Utility::ResolvePath(const std::string& path) const {
  if (path.empty()) return path;
  std::error_code ec;
  fs::path absolute = fs::absolute(path, ec);
  if (ec) return path;
  return absolute.lexically_normal().string();
}

std::string Utility::JoinPath(const std::string& folder, const std::string& name) const {
  if (folder.empty()) return name;
  if (folder.back() == '/' || folder.back() == '\\') return folder + name;
  return folder + "/" + name;
}

com::ObjectRef Utility::GetRunningObject(const std::string& name) const {
  return platform::System::Current().running_objects().Find(name);
}

std::uint32_t Utility::RegisterObject(const std::string& name, com::ObjectRef object) const {
  return platform::System::Current().running_objects().Register(name, std::move(object));
}

void Utility::RevokeObject(std::uint32_t cookie) const {
  platform::System::Current().running_objects().Revoke(cookie);
}

com::ObjectRef Utility::LaunchAndAttach(const std::string& command_line,
                                        const std::string& document_path, const std::string&,
                                        const std::string& password, std::int32_t key_state,
                                        bool, std::uint32_t timeout_ms) const {
  return platform::System::Current().processes().LaunchAndAttach(command_line, document_path,
                                                                 password, key_state, timeout_ms);
}

std::string Utility::TempFolder() const { return fs::temp_directory_path().string(); }

std::string Utility::TempFileName(const std::string& prefix, const std::string& extension) const {
  const fs::path folder = TempFolder();
  // Created exclusively ("x"), so that two programs choosing the same name
  // at once never share the file.
  for (std::uint32_t n = platform::System::Current().clock().GetTickCount();; ++n) {
    const fs::path candidate = folder / (prefix + std::to_string(n) + extension);
    if (std::FILE* file = std::fopen(candidate.c_str(), "wx")) {
      std::fclose(file);
      return candidate.string();
    }
    if (errno != EEXIST) com::Raise(75, "Path/File access error: " + candidate.string());
  }
}

std::optional<platform::FileVersion> Utility::GetFileVersion(const std::string& path) const {
  return platform::System::Current().file_versions().GetFileVersion(path);
}

std::int32_t Utility::ReadLong(std::uintptr_t address) const {
  return platform::System::Current().memory().ReadLong(address);
}

}  // namespace host
