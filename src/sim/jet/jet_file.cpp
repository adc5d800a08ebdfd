#include "sim/jet/jet_file.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>

#include "com/error.h"
#include "com/text.h"
#include "platform/dao.h"
#include "sim/jet/catalog.h"
#include "sim/jet/dao_errors.h"
#include "sim/jet/object_store.h"
#include "sim/jet/sqlite_transaction.h"
#include "sim/jet/table_store.h"

namespace sim::jet {
namespace {

constexpr const char* kMarker = "Quillnet Jet 4.0 database";

// Column types are Jet's type names, so that SQL over the system tables
// gives values of the types Jet gives (see DaoTypeOfDeclaration).
constexpr const char* kSchema = R"sql(
CREATE TABLE jet_file (key TEXT PRIMARY KEY, value TEXT NOT NULL);
CREATE TABLE jet_objects (
  id INTEGER PRIMARY KEY,
  parent_id LONG NOT NULL,
  name TEXT(255) NOT NULL COLLATE JET,
  type SHORT NOT NULL,
  flags LONG NOT NULL DEFAULT 0,
  owner TEXT(255) NOT NULL,
  date_create DATETIME NOT NULL,
  date_update DATETIME NOT NULL,
  UNIQUE (parent_id, name));
CREATE TABLE jet_permissions (
  object_id INTEGER NOT NULL REFERENCES jet_objects(id) ON DELETE CASCADE,
  account TEXT NOT NULL COLLATE JET,
  permissions LONG NOT NULL,
  PRIMARY KEY (object_id, account));
CREATE TABLE jet_tables (
  object_id INTEGER PRIMARY KEY REFERENCES jet_objects(id) ON DELETE CASCADE,
  attributes LONG NOT NULL,
  connect MEMO,
  database MEMO,
  source_table TEXT(255),
  validation_rule MEMO NOT NULL,
  validation_text MEMO NOT NULL,
  storage TEXT);
CREATE TABLE jet_fields (
  id INTEGER PRIMARY KEY,
  table_id INTEGER NOT NULL REFERENCES jet_objects(id) ON DELETE CASCADE,
  position LONG NOT NULL,
  name TEXT NOT NULL COLLATE JET,
  type SHORT NOT NULL,
  size LONG NOT NULL,
  attributes LONG NOT NULL,
  required BIT NOT NULL,
  allow_zero_length BIT NOT NULL,
  default_value MEMO NOT NULL,
  validation_rule MEMO NOT NULL,
  validation_text MEMO NOT NULL,
  UNIQUE (table_id, name));
CREATE TABLE jet_indexes (
  id INTEGER PRIMARY KEY,
  table_id INTEGER NOT NULL REFERENCES jet_objects(id) ON DELETE CASCADE,
  name TEXT NOT NULL COLLATE JET,
  is_primary BIT NOT NULL,
  is_unique BIT NOT NULL,
  clustered BIT NOT NULL,
  ignore_nulls BIT NOT NULL,
  required BIT NOT NULL,
  is_foreign BIT NOT NULL,
  UNIQUE (table_id, name));
CREATE TABLE jet_index_fields (
  index_id INTEGER NOT NULL REFERENCES jet_indexes(id) ON DELETE CASCADE,
  position LONG NOT NULL,
  field_id INTEGER NOT NULL REFERENCES jet_fields(id) ON DELETE CASCADE,
  descending BIT NOT NULL,
  PRIMARY KEY (index_id, position));
CREATE TABLE jet_queries (
  object_id INTEGER PRIMARY KEY REFERENCES jet_objects(id) ON DELETE CASCADE,
  sql MEMO NOT NULL,
  connect MEMO NOT NULL DEFAULT '',
  max_records LONG NOT NULL DEFAULT 0,
  odbc_timeout SHORT NOT NULL DEFAULT 60,
  returns_records BIT NOT NULL DEFAULT 1,
  log_messages BIT NOT NULL DEFAULT 0,
  fail_on_error BIT NOT NULL DEFAULT 0,
  record_locks BYTE NOT NULL DEFAULT 0);
CREATE TABLE jet_relations (
  object_id INTEGER PRIMARY KEY REFERENCES jet_objects(id) ON DELETE CASCADE,
  table_id INTEGER NOT NULL REFERENCES jet_objects(id),
  foreign_table_id INTEGER NOT NULL REFERENCES jet_objects(id),
  attributes LONG NOT NULL);
CREATE TABLE jet_relation_fields (
  relation_id INTEGER NOT NULL REFERENCES jet_relations(object_id) ON DELETE CASCADE,
  position LONG NOT NULL,
  field_id INTEGER NOT NULL REFERENCES jet_fields(id) ON DELETE CASCADE,
  foreign_field_id INTEGER NOT NULL REFERENCES jet_fields(id) ON DELETE CASCADE,
  PRIMARY KEY (relation_id, position));
CREATE TABLE jet_properties (
  owner_kind SHORT NOT NULL,
  owner_id INTEGER NOT NULL,
  owner_member TEXT NOT NULL COLLATE JET,
  name TEXT NOT NULL COLLATE JET,
  type SHORT NOT NULL,
  value,
  value_type SHORT NOT NULL,
  inherited BIT NOT NULL,
  position INTEGER NOT NULL,
  PRIMARY KEY (owner_kind, owner_id, owner_member, name));
CREATE TRIGGER jet_objects_deleted AFTER DELETE ON jet_objects BEGIN
  DELETE FROM jet_properties WHERE owner_kind IN (0, 3) AND owner_id = old.id;
END;
CREATE TRIGGER jet_fields_deleted AFTER DELETE ON jet_fields BEGIN
  DELETE FROM jet_properties WHERE owner_kind = 1 AND owner_id = old.id;
END;
CREATE TRIGGER jet_indexes_deleted AFTER DELETE ON jet_indexes BEGIN
  DELETE FROM jet_properties WHERE owner_kind = 2 AND owner_id = old.id;
END;
CREATE VIEW MSysObjects AS
  SELECT o.id AS Id, o.parent_id AS ParentId, o.name AS Name, o.type AS Type, o.flags AS Flags,
         o.owner AS Owner, o.date_create AS DateCreate, o.date_update AS DateUpdate,
         t.database AS Database, t.connect AS Connect, t.source_table AS ForeignName
  FROM jet_objects o LEFT JOIN jet_tables t ON t.object_id = o.id;
)sql";

// Jet's containers and the documents of "Databases".
void AddContainers(Catalog& catalog) {
  ObjectStore objects(catalog);
  for (const char* name : {"Databases", "Tables", "Relationships", "Forms", "Reports", "Scripts",
                           "Modules", "DataAccessPages"})
    objects.Insert(0, name, kTypeContainer, "Engine", kDaoObjectExists);
  const std::int64_t databases = objects.Container("Databases");
  objects.Insert(databases, "MSysDb", kTypeDatabase, "admin", kDaoObjectExists);
  for (const char* name : {"SummaryInfo", "UserDefined"})
    objects.Insert(databases, name, kTypeDatabaseDocument, "admin", kDaoObjectExists);
}

// MSysObjects as a table definition: the columns of its view.
void AddSystemTable(Catalog& catalog) {
  TableSpec table{"MSysObjects", {}, {}, dao::dbSystemObject, "", "", "", "", {}};
  const std::pair<const char*, std::int16_t> columns[] = {
      {"Id", dao::dbLong},         {"ParentId", dao::dbLong},   {"Name", dao::dbText},
      {"Type", dao::dbInteger},    {"Flags", dao::dbLong},      {"Owner", dao::dbText},
      {"DateCreate", dao::dbDate}, {"DateUpdate", dao::dbDate}, {"Database", dao::dbMemo},
      {"Connect", dao::dbMemo},    {"ForeignName", dao::dbText}};
  for (const auto& [name, type] : columns)
    table.fields.push_back(FieldSpec{.name = name, .type = type});
  TableStore(catalog).Insert(table, "Engine", "view");
}

// The size the file's header gives (page size times page count), when the
// header's count is one SQLite keeps up to date; nothing otherwise.
std::optional<std::uintmax_t> SizeInHeader(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  unsigned char header[100] = {};
  if (!in.read(reinterpret_cast<char*>(header), sizeof header)) return std::nullopt;
  if (std::string_view(reinterpret_cast<const char*>(header), 16) !=
      std::string_view("SQLite format 3\0", 16))
    return std::nullopt;
  const auto be32 = [&](std::size_t at) {
    return std::uint32_t{header[at]} << 24 | std::uint32_t{header[at + 1]} << 16 |
           std::uint32_t{header[at + 2]} << 8 | header[at + 3];
  };
  const std::uint32_t page_size = header[16] << 8 | header[17];
  const std::uint32_t pages = be32(28);
  if (pages == 0 || be32(24) != be32(92)) return std::nullopt;
  return std::uintmax_t{page_size == 1 ? 65536u : page_size} * pages;
}

void CheckLength(const std::string& path) {
  std::error_code error;
  const auto expected = SizeInHeader(path);
  if (expected && std::filesystem::file_size(path, error) < *expected)
    RaiseDao(kDaoDamaged, path);
}

bool HasMarker(SqliteConnection& db) {
  auto statement = db.Prepare("SELECT value FROM jet_file WHERE key = 'format'");
  return statement.Step() && statement.Text(0) == kMarker;
}

}  // namespace

void JetFile::Create(const std::string& path, platform::Clock& clock) {
  std::filesystem::remove(path);
  auto db = std::make_unique<SqliteConnection>(path, SqliteConnection::Mode::Create);
  db->Execute("PRAGMA foreign_keys = ON");
  Catalog catalog(std::move(db), clock, {});
  catalog.Write([&] {
    catalog.db().Execute(kSchema);
    catalog.db()
        .Prepare("INSERT INTO jet_file VALUES ('format', ?1), ('password', '')")
        .BindAll(kMarker)
        .Run();
    AddContainers(catalog);
    AddSystemTable(catalog);
  });
}

std::unique_ptr<SqliteConnection> JetFile::Open(const std::string& path, bool read_only) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) RaiseDao(kDaoFileNotFound, path);
  CheckLength(path);
  auto db = std::make_unique<SqliteConnection>(
      path, read_only ? SqliteConnection::Mode::ReadOnly : SqliteConnection::Mode::ReadWrite);
  bool marked = false;
  if (com::Capture([&] { marked = HasMarker(*db); }) || !marked)
    RaiseDao(kDaoUnrecognizedFormat, path);
  db->Execute("PRAGMA foreign_keys = ON");
  return db;
}

void JetFile::CheckIntact(const std::string& path) {
  auto db = Open(path, true);
  std::string verdict;
  if (com::Capture([&] {
        auto check = db->Prepare("PRAGMA quick_check");
        if (check.Step()) verdict = check.Text(0);
      }) ||
      verdict != "ok")
    RaiseDao(kDaoDamaged, path);
}

std::int32_t JetFile::DocumentType(const std::string& container) {
  static const std::pair<const char*, std::int32_t> types[] = {
      {"Forms", -32768},
      {"Reports", -32764},
      {"Scripts", -32766},
      {"Modules", -32761},
      {"DataAccessPages", -32756},
      {"Relationships", kTypeRelation},
      {"Databases", kTypeDatabaseDocument}};
  for (const auto& [name, type] : types)
    if (com::EqualsNoCase(name, container)) return type;
  if (com::EqualsNoCase(container, "Tables")) RaiseDao(kDaoInvalidOperation);
  RaiseDao(kDaoItemNotFound);
}

void JetFile::SetDocumentsUnreadable(SqliteConnection& db, const std::string& real_file) {
  db.Prepare("INSERT OR REPLACE INTO jet_file VALUES ('documents_unreadable', ?1)")
      .BindAll(real_file)
      .Run();
}

std::string JetFile::UnreadableDocumentsSource(SqliteConnection& db) {
  auto statement = db.Prepare("SELECT value FROM jet_file WHERE key = 'documents_unreadable'");
  return statement.Step() ? statement.Text(0) : "";
}

std::string JetFile::Password(SqliteConnection& db) {
  auto statement = db.Prepare("SELECT value FROM jet_file WHERE key = 'password'");
  return statement.Step() ? statement.Text(0) : "";
}

void JetFile::SetPassword(SqliteConnection& db, const std::string& password) {
  db.Prepare("UPDATE jet_file SET value = ?1 WHERE key = 'password'").BindAll(password).Run();
}

}  // namespace sim::jet
