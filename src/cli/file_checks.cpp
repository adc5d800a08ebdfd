#include "cli/file_checks.h"

#include <filesystem>

#include "sim/jet/jet_file.h"

namespace cli {
namespace {

namespace fs = std::filesystem;

bool OwnerMayWrite(const fs::path& path) {
  return (fs::status(path).permissions() & fs::perms::owner_write) != fs::perms::none;
}

}  // namespace

void CheckWritable(const Options& o, const std::string& path) {
  if (!o.Changes() || !o.Writes()) return;
  const fs::path database = fs::absolute(path).lexically_normal();
  if (!fs::is_regular_file(database)) return;  // opening it says what is wrong
  if (!OwnerMayWrite(database))
    throw UsageError(database.string() + " is read-only: " + o.command + " cannot write to it");
  if (!o.no_backup && !OwnerMayWrite(database.parent_path()))
    throw UsageError("the backup of " + database.string() +
                     " cannot be written: its folder is read-only (give --no-backup to replace "
                     "without one)");
  sim::jet::JetFile::CheckIntact(database.string());
}

}  // namespace cli
