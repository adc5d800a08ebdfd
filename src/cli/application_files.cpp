#include "cli/application_files.h"

#include <algorithm>
#include <filesystem>

#include "com/text.h"
#include "platform/system.h"
#include "shared/utility.h"
#include "sim/access/page_links.h"
#include "sim/jet/catalog.h"
#include "sim/jet/jet_file.h"

namespace cli {
namespace {

namespace fs = std::filesystem;

std::string FullPath(const std::string& path) {
  return fs::absolute(path).lexically_normal().string();
}

}  // namespace

std::vector<std::string> PageFiles(const std::string& database) {
  sim::jet::Catalog catalog(sim::jet::JetFile::Open(database, true),
                            platform::System::Current().clock(), sim::jet::Catalog::Account{});
  sim::access::PageLinks links(catalog);
  std::vector<std::string> files;
  for (const std::string& name : links.Names())
    if (const auto path = links.Path(name); path && fs::is_regular_file(*path))
      files.push_back(FullPath(*path));
  return files;
}

std::vector<std::string> LinkedBackends(const engine::ProjectOptions& project) {
  auto engine = platform::System::Current().NewDBEngine();
  engine->SetSystemDB(project.workgroup);
  auto workspace = engine->CreateWorkspace("Backends", project.user.empty() ? "Admin" : project.user,
                                           project.user_password);
  auto database = workspace->OpenDatabase(
      project.database, false, true,
      project.database_password.empty() ? "" : ";pwd=" + project.database_password);
  std::vector<std::string> backends;
  auto tables = database->GetTableDefs();
  for (std::int32_t i = 0; i < tables->Count(); ++i) {
    std::string type, path;
    Utility::ParseConnectString(tables->Item(i)->Connect(), type, path);
    if (!type.empty() || path.empty() || !fs::is_regular_file(path)) continue;
    path = FullPath(path);
    if (std::none_of(backends.begin(), backends.end(),
                     [&](const std::string& b) { return com::EqualsNoCase(b, path); }))
      backends.push_back(path);
  }
  database->Close();
  workspace->Close();
  return backends;
}

}  // namespace cli
