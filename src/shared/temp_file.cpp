#include "shared/temp_file.h"

#include <filesystem>
#include <system_error>

#include "host/utility.h"

namespace shared {

TempFile::TempFile(const std::string& prefix)
    : path_(host::Utility().TempFileName(prefix, ".txt")) {}

TempFile::~TempFile() {
  std::error_code ignored;
  std::filesystem::remove(path_, ignored);
}

}  // namespace shared
