#include "cli/saved_connections.h"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "com/error.h"
#include "com/text.h"
#include "host/parameter_set.h"
#include "shared/database_keyed_file.h"

namespace cli {
namespace {

namespace fs = std::filesystem;

constexpr std::int32_t kConnectionFolderMissing = 76;
constexpr std::int32_t kConnectionNotWritten = 70;

// Writes the text to a new file only its owner can read.
void WritePrivate(const std::string& path, const std::string& text) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) com::Raise(kConnectionNotWritten, "Cannot write " + path + ".");
  std::size_t written = 0;
  while (written < text.size()) {
    const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
    if (n <= 0) break;
    written += static_cast<std::size_t>(n);
  }
  const bool complete = written == text.size() && ::fsync(fd) == 0;
  ::close(fd);
  if (!complete) {
    ::unlink(path.c_str());
    com::Raise(kConnectionNotWritten, "Cannot write " + path + ".");
  }
}

}  // namespace

SavedConnections::SavedConnections(const std::string& state_folder)
    : folder_((fs::path(state_folder) / "connections").string()) {}

std::string SavedConnections::FileOf(const std::string& database) const {
  return shared::DatabaseKeyedFile(folder_, database, ".connection");
}

// The file names the database on its first line, so that two databases whose
// names hash alike never share a connection.
std::optional<std::string> SavedConnections::Find(const std::string& database) const {
  std::ifstream in(FileOf(database), std::ios::binary);
  std::string saved_for, parameters;
  if (!std::getline(in, saved_for) || saved_for != database || !std::getline(in, parameters))
    return std::nullopt;
  return parameters;
}

void SavedConnections::Save(const std::string& database, const std::string& parameters) const {
  std::error_code ec;
  fs::create_directories(folder_, ec);
  if (ec) com::Raise(kConnectionFolderMissing, "Cannot create the folder " + folder_ + ": " + ec.message());
  const std::string file = FileOf(database);
  const std::string partial = file + ".partial." + std::to_string(::getpid());
  WritePrivate(partial, database + "\n" + parameters + "\n");
  fs::rename(partial, file, ec);
  if (ec) {
    fs::remove(partial);
    com::Raise(kConnectionNotWritten, "Cannot write " + file + ": " + ec.message());
  }
}

bool SavedConnections::Forget(const std::string& database) const {
  if (!Find(database)) return false;
  std::error_code ec;
  fs::remove(FileOf(database), ec);
  if (ec) com::Raise(kConnectionNotWritten, "Cannot remove " + FileOf(database) + ": " + ec.message());
  return true;
}

void SavedConnections::Apply(const Options& given, engine::ProjectOptions& project) const {
  const auto saved = Find(project.database);
  if (!saved) return;
  host::ParameterSet set;
  set.SetText(*saved);
  const auto fill = [&](const std::string& option, std::string& value, const char* key) {
    if (option.empty()) value = set.GetValue(key, value);
  };
  if (!given.access_project)
    project.access_project = com::EqualsNoCase(set.GetValue("ProjectType", ""), "Project");
  fill(given.password, project.database_password, "DatabasePassword");
  fill(given.workgroup, project.workgroup, "Workgroup");
  fill(given.user, project.user, "Username");
  fill(given.user_password, project.user_password, "Password");
  if (!given.include_query_fields)
    project.include_query_fields = set.GetValue("ExcludeQueryFields", "1") == "0";
  if (!given.include_linked_table_fields)
    project.include_linked_table_fields = set.GetValue("ExcludeLinkedTableFields", "1") == "0";
}

}  // namespace cli
