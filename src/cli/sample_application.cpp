#include "cli/sample_application.h"

#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>

#include "cli/document_commands.h"
#include "cli/document_folder.h"
#include "com/error.h"
#include "com/text.h"
#include "sim/access/text_encoding.h"
#include "sim/office/bar_text.h"
#include "sim/jet/database_builder.h"

namespace cli {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using sim::jet::DatabaseBuilder;

std::int16_t DaoType(const std::string& name) {
  static const std::map<std::string, std::int16_t> types = {
      {"Boolean", dao::dbBoolean}, {"Byte", dao::dbByte},         {"Integer", dao::dbInteger},
      {"Long", dao::dbLong},       {"Currency", dao::dbCurrency}, {"Single", dao::dbSingle},
      {"Double", dao::dbDouble},   {"Date", dao::dbDate},         {"Text", dao::dbText},
      {"OLE", dao::dbLongBinary},  {"Memo", dao::dbMemo},         {"GUID", dao::dbGUID},
      {"Decimal", dao::dbDecimal}};
  auto found = types.find(name);
  if (found == types.end()) com::Raise(5, "The sample names an unknown data type '" + name + "'.");
  return found->second;
}

com::Variant Value(const json& value) {
  if (value.is_boolean()) return com::Variant(value.get<bool>());
  if (value.is_number_integer()) return com::Variant(value.get<std::int32_t>());
  if (value.is_number()) return com::Variant(value.get<double>());
  if (value.is_null()) return com::Variant::Null();
  return com::Variant(value.get<std::string>());
}

// [name, type, value]; integers take the property's own type.
std::vector<sim::jet::PropertySpec> Properties(const json& source) {
  std::vector<sim::jet::PropertySpec> properties;
  for (const json& p : source.value("properties", json::array())) {
    const std::int16_t type = DaoType(p.at(1).get<std::string>());
    com::Variant value = Value(p.at(2));
    if (type == dao::dbInteger) value = com::CInt(value);
    properties.push_back({p.at(0).get<std::string>(), type, value});
  }
  return properties;
}

sim::jet::FieldSpec Field(const json& f) {
  sim::jet::FieldSpec field;
  field.name = f.at("name").get<std::string>();
  field.type = DaoType(f.at("type").get<std::string>());
  field.size = f.value("size", 0);
  if (f.value("autoincrement", false)) field.attributes |= dao::dbAutoIncrField;
  field.required = f.value("required", false);
  if (f.contains("default")) field.default_value = Value(f.at("default"));
  field.validation_rule = f.value("validation_rule", "");
  field.validation_text = f.value("validation_text", "");
  field.properties = Properties(f);
  return field;
}

// Index fields are names; a leading "-" makes the field descending.
sim::jet::IndexSpec Index(const json& i) {
  sim::jet::IndexSpec index;
  index.name = i.at("name").get<std::string>();
  for (const json& f : i.at("fields")) {
    const std::string name = f.get<std::string>();
    if (name.starts_with("-")) {
      index.fields.push_back({name.substr(1), true});
    } else {
      index.fields.push_back({name, false});
    }
  }
  index.primary = i.value("primary", false);
  index.unique = i.value("unique", false);
  return index;
}

sim::jet::TableSpec Table(const json& t) {
  sim::jet::TableSpec table;
  table.name = t.at("name").get<std::string>();
  for (const json& f : t.value("fields", json::array())) table.fields.push_back(Field(f));
  for (const json& i : t.value("indexes", json::array())) table.indexes.push_back(Index(i));
  table.validation_rule = t.value("validation_rule", "");
  table.validation_text = t.value("validation_text", "");
  table.properties = Properties(t);
  return table;
}

sim::jet::RelationSpec Relation(const json& r) {
  sim::jet::RelationSpec relation{r.at("name").get<std::string>(),
                                  r.at("table").get<std::string>(),
                                  r.at("foreign_table").get<std::string>(),
                                  {},
                                  r.value("attributes", 0)};
  for (const json& pair : r.at("fields"))
    relation.fields.push_back({pair.at(0).get<std::string>(), pair.at(1).get<std::string>()});
  return relation;
}

sim::jet::ImportSpecSpec ImportSpec(const json& s) {
  sim::jet::ImportSpecSpec spec;
  spec.name = s.at("name").get<std::string>();
  spec.spec_type = s.value("spec_type", 1);
  spec.field_separator = s.value("field_separator", spec.field_separator);
  for (const json& c : s.at("columns")) {
    sim::jet::ImportColumnSpec column;
    column.field_name = c.at("field_name").get<std::string>();
    column.data_type = c.value("data_type", 10);
    column.start = c.value("start", std::int16_t{1});
    column.width = c.value("width", std::int16_t{0});
    column.attributes = c.contains("attributes") ? Value(c.at("attributes")) : com::Variant::Null();
    spec.columns.push_back(column);
  }
  return spec;
}

// Documents as Access writes them: forms, reports and macros in UTF-16LE,
// modules in the code page, lines ending in CR LF.
std::vector<FolderFile> Documents(const json& d) {
  std::vector<FolderFile> files;
  for (const json& document : d.value("documents", json::array())) {
    const std::string path = document.at("file").get<std::string>();
    const auto encoding = path.starts_with("modules/") ? sim::access::TextEncoding::Ansi
                                                       : sim::access::TextEncoding::Utf16Le;
    std::vector<std::string> lines;
    for (const json& line : document.at("lines")) lines.push_back(line.get<std::string>());
    files.push_back({path, sim::access::EncodeText(com::Join(lines, "\n"), {encoding, true, true})});
  }
  return files;
}

// Command bars as their text, and data access pages as Access writes their
// HTML: in the code page, lines ending in CR LF, the files beside the
// database.
std::vector<FolderFile> BarAndPageFiles(const json& d, const fs::path& folder) {
  std::vector<FolderFile> files;
  for (const json& bar : d.value("command_bars", json::array()))
    files.push_back({"commandbars/" + DocumentFolder::EncodeName(bar.at("Name").get<std::string>()) +
                         ".json",
                     sim::office::RenderBar(bar)});
  std::vector<FolderFile> pages;
  for (const json& page : d.value("pages", json::array())) {
    std::vector<std::string> lines;
    for (const json& line : page.at("lines")) lines.push_back(line.get<std::string>());
    pages.push_back({page.at("file").get<std::string>(),
                     sim::access::Utf8ToAnsi(com::Join(lines, "\r\n") + "\r\n")});
  }
  DocumentFolder::Save(folder, pages);
  files.insert(files.end(), pages.begin(), pages.end());
  return files;
}

void BuildDatabase(const json& d, const std::string& path, const std::string& backend_path) {
  DatabaseBuilder builder(path);
  for (const json& t : d.value("tables", json::array())) builder.Table(Table(t));
  for (const json& l : d.value("linked", json::array())) {
    sim::jet::TableSpec linked;
    linked.name = l.at("name").get<std::string>();
    linked.connect = ";DATABASE=" + backend_path;
    linked.source_table = l.at("source").get<std::string>();
    builder.Table(linked);
  }
  for (const json& q : d.value("queries", json::array())) {
    sim::jet::QuerySpec query;
    query.name = q.at("name").get<std::string>();
    query.sql = q.at("sql").get<std::string>();
    query.connect = q.value("connect", "");
    query.properties = Properties(q);
    builder.Query(query);
  }
  for (const json& r : d.value("relations", json::array())) builder.Relation(Relation(r));
  for (const json& s : d.value("import_specs", json::array())) builder.ImportSpec(ImportSpec(s));
  auto files = Documents(d);
  const fs::path folder = fs::path(path).parent_path();
  for (auto& file : BarAndPageFiles(d, folder)) files.push_back(std::move(file));
  const auto bars_and_pages = BarsAndPages::Take(files, folder);
  std::vector<SkippedFile> skipped;
  StoreDocuments(path, "", DocumentFolder::Read(files, skipped), bars_and_pages);
}

}  // namespace

std::string BuildApplication(const std::string& source, const std::string& folder) {
  const json sample = json::parse(source);
  fs::create_directories(folder);
  const fs::path base = fs::absolute(folder);
  const std::string backend =
      (base / sample.at("backend").at("file").get<std::string>()).lexically_normal().string();
  const std::string frontend =
      (base / sample.at("frontend").at("file").get<std::string>()).lexically_normal().string();
  BuildDatabase(sample.at("backend"), backend, "");
  BuildDatabase(sample.at("frontend"), frontend, backend);
  return frontend;
}

namespace {

// The folder as an absolute path, refused before anything is written when the
// sample cannot go there.
fs::path UsableFolder(const std::string& folder) {
  if (folder.empty()) com::Raise(5, "Give the folder to write the sample application into.");
  const fs::path target = fs::absolute(folder).lexically_normal();
  if (target.string().find(';') != std::string::npos)
    com::Raise(5, "'" + target.string() + "' cannot hold the sample application: its linked " +
                      "tables name the backend in a connect string, where ';' cannot appear.");
  fs::path existing = target;
  while (!fs::exists(existing)) existing = existing.parent_path();
  if (!fs::is_directory(existing))
    com::Raise(5, "'" + existing.string() + "' is a file, not a folder.");
  if (existing == target && !fs::is_empty(target))
    com::Raise(5, "'" + target.string() + "' is not empty; the sample application is written " +
                      "into a new or empty folder.");
  return target;
}

// Takes back a sample that was not written whole: the folders made for it,
// or what was put into the empty folder given.
class PartialSample {
 public:
  explicit PartialSample(const fs::path& folder) : folder_(folder) {
    for (fs::path p = folder; !fs::exists(p); p = p.parent_path()) made_ = p;
  }
  ~PartialSample() {
    if (!kept_) Remove();
  }
  PartialSample(const PartialSample&) = delete;
  PartialSample& operator=(const PartialSample&) = delete;

  void Keep() { kept_ = true; }

 private:
  void Remove() const {
    std::error_code ignored;
    if (!made_.empty()) {
      fs::remove_all(made_, ignored);
      return;
    }
    std::vector<fs::path> written;
    for (fs::directory_iterator it(folder_, ignored), end; it != end; it.increment(ignored))
      written.push_back(it->path());
    for (const fs::path& path : written) fs::remove_all(path, ignored);
  }

  fs::path folder_;
  fs::path made_;  // the outermost folder that did not exist, if any
  bool kept_ = false;
};

}  // namespace

std::string WriteSampleApplication(const std::string& folder) {
  const fs::path target = UsableFolder(folder);
  PartialSample partial(target);
  const std::string front_end = BuildApplication(kSampleSource, target.string());
  partial.Keep();
  return front_end;
}

}  // namespace cli
