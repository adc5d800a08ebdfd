#include "support/real_files.h"

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

namespace testing_support {
namespace {

namespace fs = std::filesystem;

const fs::path& Folder() {
  static const fs::path folder = fs::path(QUILLNET_SOURCE_DIR) / "tests" / "fixtures" / "mdb";
  return folder;
}

}  // namespace

std::string RealFixture(const std::string& name) { return (Folder() / name).string(); }

std::string CopyRealFixture(const TempDir& folder, const std::string& name) {
  const std::string copy = folder.File(name);
  fs::copy_file(RealFixture(name), copy, fs::copy_options::overwrite_existing);
  fs::permissions(copy, fs::perms::owner_read | fs::perms::owner_write);
  return copy;
}

std::string ExpectedQuerySql(const std::string& query) {
  std::ifstream in(RealFixture("queryTest-expected-sql.json"));
  const auto json = nlohmann::json::parse(in);
  return json.at("queries").at(query).get<std::string>();
}

}  // namespace testing_support
