#include "shared/database_keyed_file.h"

#include <filesystem>
#include <functional>
#include <sstream>

namespace shared {

std::string DatabaseKeyedFile(const std::string& folder, const std::string& database,
                              const std::string& extension) {
  std::ostringstream name;
  name << std::hex << std::hash<std::string>{}(database) << extension;
  return (std::filesystem::path(folder) / name.str()).string();
}

}  // namespace shared
