#include "sim/jet/table_store.h"

#include <algorithm>

#include "com/text.h"
#include "platform/dao.h"
#include "sim/jet/connect_string.h"
#include "sim/jet/dao_errors.h"
#include "sim/jet/definition_cache.h"
#include "sim/jet/field_store.h"
#include "sim/jet/index_store.h"
#include "sim/jet/jet_file.h"
#include "sim/jet/property_store.h"
#include "sim/jet/relation_store.h"

namespace sim::jet {
namespace {

constexpr const char* kTableColumns =
    "SELECT o.id, t.attributes, t.connect, t.source_table, t.validation_rule, "
    "t.validation_text, IFNULL(t.storage, '') FROM jet_tables t JOIN jet_objects o ON "
    "o.id = t.object_id ";

// The attribute bits a table definition keeps; the link bits follow Connect.
constexpr std::int32_t kOwnBits = static_cast<std::int32_t>(0x80030003u);

std::string DatabaseOf(const std::string& connect) {
  return ConnectString(connect).Value("DATABASE");
}

}  // namespace

std::vector<TableRow> TableStore::All() {
  auto statement = catalog_.db().Prepare(kTableColumns, "ORDER BY o.name, o.id");
  std::vector<std::int64_t> ids;
  while (statement.Step()) ids.push_back(statement.Int(0));
  std::vector<TableRow> rows;
  for (auto id : ids) rows.push_back(Get(id));
  return rows;
}

std::optional<TableRow> TableStore::Find(const std::string& name) {
  auto statement = catalog_.db().Prepare(kTableColumns, "WHERE o.name = ?1");
  statement.Bind(1, name);
  if (!statement.Step()) return std::nullopt;
  return Get(statement.Int(0));
}

const TableRow& TableStore::Get(std::int64_t id) {
  return catalog_.definitions().tables.Get(id, catalog_.db().Generation(), [&] {
    auto statement = catalog_.db().Prepare(kTableColumns, "WHERE o.id = ?1");
    statement.Bind(1, id);
    if (!statement.Step()) RaiseDao(kDaoObjectInvalid);
    return TableRow{ObjectStore(catalog_).Get(id),
                    static_cast<std::int32_t>(statement.Int(1)),
                    statement.Text(2),
                    statement.Text(3),
                    statement.Text(4),
                    statement.Text(5),
                    statement.Text(6)};
  });
}

std::int64_t TableStore::Insert(const TableSpec& spec, const std::string& owner,
                                const std::string& storage) {
  ObjectStore objects(catalog_);
  const ConnectString connect(spec.connect);
  const std::int64_t id = objects.Insert(objects.Container("Tables"), spec.name,
                                         connect.TableType(), owner, kDaoTableExists);
  auto insert = catalog_.db().Prepare(
      "INSERT INTO jet_tables (object_id, attributes, connect, database, source_table, "
      "validation_rule, validation_text, storage) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
  insert.BindAll(id, (spec.attributes & kOwnBits) | connect.LinkAttributes(), spec.connect,
                 DatabaseOf(spec.connect), spec.source_table, spec.validation_rule,
                 spec.validation_text, storage);
  if (spec.connect.empty()) insert.BindNull(3).BindNull(4).BindNull(5);
  if (storage.empty()) insert.BindNull(8);
  insert.Run();
  for (const auto& field : spec.fields) FieldStore(catalog_).Insert(id, field);
  for (const auto& index : spec.indexes) IndexStore(catalog_).Insert(id, index);
  for (const auto& property : spec.properties)
    PropertyStore(catalog_).Add({PropertyKey::kObject, id, ""}, property);
  objects.SetType(id, connect.TableType(), spec.attributes & kOwnBits);
  return id;
}

void TableStore::Update(const TableRow& row) {
  const ConnectString connect(row.connect);
  auto update = catalog_.db().Prepare(
      "UPDATE jet_tables SET attributes = ?1, connect = ?2, database = ?3, source_table = ?4, "
      "validation_rule = ?5, validation_text = ?6 WHERE object_id = ?7");
  update.BindAll((row.attributes & kOwnBits) | connect.LinkAttributes(), row.connect,
                 DatabaseOf(row.connect), row.source_table, row.validation_rule,
                 row.validation_text, row.object.id);
  if (row.connect.empty()) update.BindNull(2).BindNull(3).BindNull(4);
  update.Run();
  ObjectStore objects(catalog_);
  objects.SetType(row.object.id, connect.TableType(), row.attributes & kOwnBits);
  objects.Touch(row.object.id);
}

void TableStore::Rename(std::int64_t id, const std::string& name) {
  const TableRow row = Get(id);
  if (row.storage == "view") RaiseDao(kDaoNoPermission, row.object.name);
  ObjectStore(catalog_).Rename(id, name, kDaoObjectExists);
  if (row.storage == "table" && !com::EqualsNoCase(row.object.name, name))
    catalog_.db().Execute("ALTER TABLE " + SqliteConnection::Quote(row.object.name) +
                          " RENAME TO " + SqliteConnection::Quote(name));
}

void TableStore::Delete(std::int64_t id) {
  const TableRow row = Get(id);
  if (row.storage == "view") RaiseDao(kDaoNoPermission, row.object.name);
  RelationStore relations(catalog_);
  const auto related = relations.OfTable(id);
  for (const auto& relation : related)
    if (!(relation.attributes & dao::dbRelationInherited)) RaiseDao(kDaoUsedInRelationship);
  for (const auto& relation : related) relations.Delete(relation.object.id);
  if (row.storage == "table")
    catalog_.db().Execute("DROP TABLE " + SqliteConnection::Quote(row.object.name));
  IndexStore(catalog_).DeleteOfTable(id);
  ObjectStore(catalog_).Delete(id);
}

TableSpec TableStore::Definition(std::int64_t id) {
  const TableRow row = Get(id);
  TableSpec spec{row.object.name,
                 {},
                 {},
                 row.attributes,
                 row.connect,
                 row.source_table,
                 row.validation_rule,
                 row.validation_text,
                 PropertyStore(catalog_).List({PropertyKey::kObject, id, ""})};
  for (auto& field : FieldStore(catalog_).OfTable(id)) {
    field.spec.properties = PropertyStore(catalog_).List({PropertyKey::kField, field.id, ""});
    spec.fields.push_back(field.spec);
  }
  for (const auto& index : IndexStore(catalog_).OfTable(id)) spec.indexes.push_back(index.spec);
  return spec;
}

void TableStore::Refresh(std::int64_t id, const TableSpec& source) {
  TableRow row = Get(id);
  row.validation_rule = source.validation_rule;
  row.validation_text = source.validation_text;
  RefreshFields(id, source);
  IndexStore(catalog_).DeleteOfTable(id);
  for (const auto& index : source.indexes) IndexStore(catalog_).Insert(id, index);
  PropertyStore(catalog_).ReplaceInherited({PropertyKey::kObject, id, ""}, source.properties);
  Update(row);
}

void TableStore::RefreshFields(std::int64_t id, const TableSpec& source) {
  FieldStore fields(catalog_);
  for (const auto& field : fields.OfTable(id)) {
    const bool kept = std::any_of(source.fields.begin(), source.fields.end(), [&](const auto& f) {
      return com::EqualsNoCase(f.name, field.spec.name);
    });
    if (!kept) fields.Delete(field.id);
  }
  for (std::size_t position = 0; position < source.fields.size(); ++position) {
    const FieldSpec& spec = source.fields[position];
    if (!fields.Find(id, spec.name)) fields.Insert(id, spec);
    FieldRow row = *fields.Find(id, spec.name);
    row.position = static_cast<std::int32_t>(position);
    row.spec = FieldSpec{spec.name,
                         spec.type,
                         spec.size,
                         spec.attributes,
                         spec.required,
                         spec.allow_zero_length,
                         spec.default_value,
                         spec.validation_rule,
                         spec.validation_text,
                         {}};
    fields.Update(row);
    PropertyStore(catalog_).ReplaceInherited({PropertyKey::kField, row.id, ""}, spec.properties);
  }
}

}  // namespace sim::jet
