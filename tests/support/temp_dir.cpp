#include "support/temp_dir.h"

#include <random>
#include <unistd.h>

namespace testing_support {

TempDir::TempDir() {
  std::random_device random;
  const auto base = std::filesystem::temp_directory_path();
  for (;;) {
    path_ = base / ("quillnet-test-" + std::to_string(::getpid()) + "-" +
                    std::to_string(random()));
    if (std::filesystem::create_directory(path_)) break;
  }
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

}  // namespace testing_support
