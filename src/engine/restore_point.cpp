#include "engine/restore_point.h"

#include <filesystem>

#include "com/error.h"

namespace engine {
namespace {

namespace fs = std::filesystem;

constexpr const char* kCopySuffix = ".quillnet-undo";

}  // namespace

std::string CopyBeside(const std::string& file, const std::string& suffix) {
  for (int n = 1;; ++n) {
    const std::string copy = file + suffix + (n == 1 ? "" : "." + std::to_string(n));
    std::error_code error;
    if (fs::copy_file(file, copy, fs::copy_options::none, error)) return copy;
    if (error != std::errc::file_exists)
      com::Raise(75, "Cannot copy " + file + " to " + copy + ": " + error.message());
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
