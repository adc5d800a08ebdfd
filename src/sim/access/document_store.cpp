#include "sim/access/document_store.h"

#include "platform/access.h"
#include "sim/access/document_kind.h"
#include "sim/access/document_text.h"
#include "sim/jet/catalog.h"
#include "sim/jet/dao_errors.h"
#include "sim/jet/jet_file.h"
#include "sim/jet/object_store.h"

namespace sim::access {
namespace {

constexpr const char* kTable = "access_documents";

constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS access_documents (
  object_id INTEGER PRIMARY KEY REFERENCES jet_objects(id) ON DELETE CASCADE,
  text MEMO NOT NULL,
  framing TEXT NOT NULL,
  source BLOB,
  layout SHORT NOT NULL,
  file TEXT NOT NULL,
  head MEMO NOT NULL,
  code_framing TEXT NOT NULL,
  code_source BLOB))sql";

std::optional<std::string> OptionalBlob(const jet::SqliteStatement& row, int column) {
  if (row.IsNull(column)) return std::nullopt;
  return row.Blob(column);
}

void BindOptionalBlob(jet::SqliteStatement& statement, int index,
                      const std::optional<std::string>& bytes) {
  if (bytes) {
    statement.BindBlob(index, *bytes);
  } else {
    statement.BindNull(index);
  }
}

}  // namespace

std::vector<std::string> DocumentStore::Names(std::int32_t object_type) {
  std::vector<std::string> names;
  if (!catalog_.db().HasTable(kTable)) return names;
  jet::ObjectStore objects(catalog_);
  auto statement = catalog_.db().Prepare(
      "SELECT o.name FROM jet_objects o JOIN access_documents d ON d.object_id = o.id "
      "WHERE o.parent_id = ?1 ORDER BY o.name, o.id");
  statement.Bind(1, objects.Container(KindOf(object_type).container));
  while (statement.Step()) names.push_back(statement.Text(0));
  return names;
}

std::optional<StoredDocument> DocumentStore::Find(std::int32_t object_type,
                                                  const std::string& name) {
  if (!catalog_.db().HasTable(kTable)) return std::nullopt;
  jet::ObjectStore objects(catalog_);
  const auto object = objects.Find(objects.Container(KindOf(object_type).container), name);
  if (!object) return std::nullopt;
  auto row = catalog_.db().Prepare(
      "SELECT text, framing, source, layout, file, head, code_framing, code_source "
      "FROM access_documents WHERE object_id = ?1");
  row.Bind(1, object->id);
  if (!row.Step()) return std::nullopt;
  StoredDocument document{object_type, object->name, row.Text(0),
                          TextFraming::Parse(row.Text(1)), OptionalBlob(row, 2), {}};
  document.layout = {static_cast<FolderLayout::Form>(row.Int(3)), row.Text(4), row.Text(5),
                     TextFraming::Parse(row.Text(6)), OptionalBlob(row, 7)};
  return document;
}

void DocumentStore::Put(const StoredDocument& document) {
  catalog_.Write([&] {
    CreateTable();
    jet::ObjectStore objects(catalog_);
    const std::string container = KindOf(document.object_type).container;
    const std::int64_t parent = objects.Container(container);
    const auto existing = objects.Find(parent, document.name);
    const std::int64_t id =
        existing ? existing->id
                 : objects.Insert(parent, document.name, jet::JetFile::DocumentType(container),
                                  catalog_.account().user, jet::kDaoObjectExists);
    if (existing) objects.Touch(id);
    auto statement = catalog_.db().Prepare(
        "INSERT OR REPLACE INTO access_documents VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)");
    statement.BindAll(id, document.text, document.framing.ToString());
    BindOptionalBlob(statement, 4, document.source);
    statement.Bind(5, static_cast<std::int64_t>(document.layout.form));
    statement.Bind(6, document.layout.file);
    statement.Bind(7, document.layout.head);
    statement.Bind(8, document.layout.code_framing.ToString());
    BindOptionalBlob(statement, 9, document.layout.code_source);
    statement.Run();
  });
}

void DocumentStore::CreateTable() {
  if (!catalog_.db().HasTable(kTable)) catalog_.db().Execute(kSchema);
}

StoredDocument ReadDocument(std::int32_t object_type, std::string name, std::string_view bytes) {
  DecodedText decoded = DecodeText(bytes);
  if (object_type != msaccess::acModule) DocumentText::Parse(decoded.text, object_type);
  StoredDocument document{object_type, std::move(name), std::move(decoded.text), decoded.framing,
                          std::nullopt, {}};
  if (EncodeText(document.text, document.framing) != bytes) document.source = std::string(bytes);
  return document;
}

std::string SavedBytes(const StoredDocument& document) {
  if (document.source && document.layout.form == FolderLayout::Form::SaveAsText)
    return *document.source;
  return EncodeText(document.text, document.framing);
}

}  // namespace sim::access
