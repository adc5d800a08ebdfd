#include "engine/restore_point.h"

#include <filesystem>

#include "com/error.h"

namespace engine {
namespace {

namespace fs = std::filesystem;

constexpr const char* kCopySuffix = ".quillnet-undo";

}  // namespace

// A copy is written whole under a passing name and then given its own in
// one step, so that a copy found under its name is always complete.
std::string CopyBeside(const std::string& file, const std::string& suffix) {
  const std::string partial = file + suffix + ".partial";
  std::error_code error;
  fs::copy_file(file, partial, fs::copy_options::overwrite_existing, error);
  if (error) com::Raise(75, "Cannot copy " + file + " to " + partial + ": " + error.message());
  for (int n = 1;; ++n) {
    const std::string copy = file + suffix + (n == 1 ? "" : "." + std::to_string(n));
    fs::create_hard_link(partial, copy, error);
    if (!error) {
      fs::remove(partial, error);
      return copy;
    }
    if (error != std::errc::file_exists) {
      fs::remove(partial, error);
      com::Raise(75, "Cannot copy " + file + " to " + copy + ": " + error.message());
    }
  }
}

RestorePoint::RestorePoint(const std::vector<std::string>& files) {
  for (const std::string& file : files) copies_.push_back({file, CopyBeside(file, kCopySuffix)});
}

RestorePoint::~RestorePoint() {
  for (const Copy& c : copies_) {
    std::error_code ignored;
    fs::remove(c.copy, ignored);
  }
}

bool RestorePoint::RecoverUnfinished(const std::string& file) {
  const std::string copy = file + kCopySuffix;
  std::error_code error;
  if (!fs::exists(copy, error)) return false;
  const std::string partial = file + kCopySuffix + ".back";
  fs::copy_file(copy, partial, fs::copy_options::overwrite_existing, error);
  if (!error) fs::rename(partial, file, error);
  if (error)
    com::Raise(75, "A replace of " + file + " did not finish and the file cannot be put back (" +
                       error.message() + "): its copy from before that run is " + copy);
  fs::remove(copy, error);
  return true;
}

void RestorePoint::Restore() {
  std::string failures;
  for (const Copy& c : copies_) {
    std::error_code error;
    fs::copy_file(c.copy, c.file, fs::copy_options::overwrite_existing, error);
    if (!error) {
      fs::remove(c.copy, error);
      continue;
    }
    failures += (failures.empty() ? "" : "; ") + ("Cannot put " + c.file + " back as it was (" +
                                                  error.message() + "); its copy from before the "
                                                  "run is " + c.copy);
  }
  copies_.clear();
  if (!failures.empty()) com::Raise(75, failures);
}

}  // namespace engine
