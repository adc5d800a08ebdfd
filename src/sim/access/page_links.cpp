#include "sim/access/page_links.h"

#include <filesystem>

#include "sim/jet/catalog.h"
#include "sim/jet/dao_errors.h"
#include "sim/jet/jet_file.h"
#include "sim/jet/object_store.h"

namespace sim::access {
namespace {

constexpr const char* kTable = "access_page_links";
constexpr const char* kContainer = "DataAccessPages";

constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS access_page_links (
  object_id INTEGER PRIMARY KEY REFERENCES jet_objects(id) ON DELETE CASCADE,
  path TEXT NOT NULL))sql";

}  // namespace

std::vector<std::string> PageLinks::Names() {
  std::vector<std::string> names;
  if (!catalog_.db().HasTable(kTable)) return names;
  jet::ObjectStore objects(catalog_);
  auto statement = catalog_.db().Prepare(
      "SELECT o.name FROM jet_objects o JOIN access_page_links l ON l.object_id = o.id "
      "WHERE o.parent_id = ?1 ORDER BY o.name, o.id");
  statement.Bind(1, objects.Container(kContainer));
  while (statement.Step()) names.push_back(statement.Text(0));
  return names;
}

std::optional<std::string> PageLinks::Path(const std::string& name) {
  if (!catalog_.db().HasTable(kTable)) return std::nullopt;
  jet::ObjectStore objects(catalog_);
  const auto object = objects.Find(objects.Container(kContainer), name);
  if (!object) return std::nullopt;
  auto row = catalog_.db().Prepare("SELECT path FROM access_page_links WHERE object_id = ?1");
  row.Bind(1, object->id);
  if (!row.Step()) return std::nullopt;
  return row.Text(0);
}

void PageLinks::Put(const std::string& name, const std::string& path) {
  catalog_.Write([&] {
    CreateTable();
    jet::ObjectStore objects(catalog_);
    const std::int64_t parent = objects.Container(kContainer);
    const auto existing = objects.Find(parent, name);
    const std::int64_t id =
        existing ? existing->id
                 : objects.Insert(parent, name, jet::JetFile::DocumentType(kContainer),
                                  catalog_.account().user, jet::kDaoObjectExists);
    if (existing) objects.Touch(id);
    auto statement =
        catalog_.db().Prepare("INSERT OR REPLACE INTO access_page_links VALUES (?1, ?2)");
    statement.BindAll(id, path);
    statement.Run();
  });
}

void PageLinks::CreateTable() {
  if (!catalog_.db().HasTable(kTable)) catalog_.db().Execute(kSchema);
}

bool PageFileMissing(jet::Catalog& catalog, const std::string& name) {
  const auto path = PageLinks(catalog).Path(name);
  return path && !std::filesystem::is_regular_file(*path);
}

}  // namespace sim::access
