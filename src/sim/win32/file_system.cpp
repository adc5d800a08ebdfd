#include "sim/win32/file_system.h"

#include <filesystem>
#include <fstream>

#include "com/error.h"

namespace sim {
namespace {

constexpr std::int32_t kBadFileName = 52;
constexpr std::int32_t kFileNotFound = 53;
constexpr std::int32_t kPermissionDenied = 70;
constexpr std::int32_t kPathFileAccessError = 75;
constexpr std::int32_t kPathNotFound = 76;

void RaiseMissing(const std::filesystem::path& file) {
  std::error_code error;
  const auto folder = file.parent_path();
  const bool folder_exists = folder.empty() || std::filesystem::is_directory(folder, error);
  com::RaiseVb(folder_exists ? kFileNotFound : kPathNotFound);
}

}  // namespace

void FileSystem::ProbeRead(const std::string& path) {
  if (path.empty()) com::RaiseVb(kBadFileName);
  const std::filesystem::path file(path);
  std::error_code error;
  if (!std::filesystem::exists(file, error)) RaiseMissing(file);
  if (std::filesystem::is_directory(file, error)) com::RaiseVb(kPathFileAccessError);
  if (sessions_.HeldExclusively(path)) com::RaiseVb(kPermissionDenied);
  std::ifstream stream(file, std::ios::binary);
  if (!stream) com::RaiseVb(kPermissionDenied);
}

bool FileSystem::IsReadOnly(const std::string& path) {
  using std::filesystem::perms;
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (error || !std::filesystem::exists(status)) return false;
  const perms writable = perms::owner_write | perms::group_write | perms::others_write;
  return (status.permissions() & writable) == perms::none;
}

}  // namespace sim
