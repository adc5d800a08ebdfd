#include "sim/jet/property_store.h"

#include <sqlite3.h>

#include <algorithm>
#include <map>
#include <tuple>
#include <unordered_map>

#include "com/text.h"
#include "sim/jet/dao_errors.h"
#include "sim/jet/dao_value.h"
#include "sim/jet/definition_cache.h"

namespace sim::jet {
namespace {

constexpr const char* kOwner = "owner_kind = ?1 AND owner_id = ?2 AND owner_member = ?3";

SqliteStatement PrepareFor(Catalog& catalog, const std::string& sql, const PropertyKey& key) {
  auto statement = catalog.db().Prepare(sql);
  statement.BindAll(static_cast<std::int16_t>(key.kind), key.id, key.member);
  return statement;
}

PropertySpec ReadProperty(const SqliteStatement& row) {
  return PropertySpec{row.Text(0), static_cast<std::int16_t>(row.Int(1)), row.Typed(2, 3),
                      row.Bool(4)};
}

void Insert(Catalog& catalog, const PropertyKey& key, const PropertySpec& property) {
  auto statement = PrepareFor(
      catalog,
      "INSERT INTO jet_properties (owner_kind, owner_id, owner_member, name, type, value, "
      "value_type, inherited, position) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, "
      "(SELECT IFNULL(MAX(position), 0) + 1 FROM jet_properties WHERE owner_kind = ?1 AND "
      "owner_id = ?2 AND owner_member = ?3))",
      key);
  statement.Bind(4, property.name);
  statement.Bind(5, static_cast<std::int64_t>(property.type));
  statement.BindTyped(6, 7, ToDaoType(property.type, property.value));
  statement.Bind(8, static_cast<std::int64_t>(property.inherited));
  statement.Run();
}

void DeleteProperty(Catalog& catalog, const PropertyKey& key, const std::string& name) {
  auto statement = PrepareFor(
      catalog, std::string("DELETE FROM jet_properties WHERE ") + kOwner + " AND name = ?4", key);
  statement.Bind(4, name);
  statement.Run();
}

// The statement that stamps the object a property's owner belongs to: a
// field's or index's table is found inside it.
const char* TouchStatement(PropertyKey::Kind kind) {
  switch (kind) {
    case PropertyKey::kField:
      return "UPDATE jet_objects SET date_update = ?1 WHERE id = "
             "(SELECT table_id FROM jet_fields WHERE id = ?2)";
    case PropertyKey::kIndex:
      return "UPDATE jet_objects SET date_update = ?1 WHERE id = "
             "(SELECT table_id FROM jet_indexes WHERE id = ?2)";
    default: return "UPDATE jet_objects SET date_update = ?1 WHERE id = ?2";
  }
}

}  // namespace

const std::vector<PropertySpec>& PropertyStore::Read(const PropertyKey& key) {
  const DefinitionCache::OwnerKey owner{static_cast<std::int16_t>(key.kind), key.id,
                                        key.member.empty() ? "" : com::UCase(key.member)};
  const std::uint64_t generation = catalog_.db().Generation();
  return catalog_.definitions().properties.Get(owner, generation, [&] {
    auto& reads = catalog_.definitions().reads.Slot(key.kind, generation);
    if (reads.whole) return std::vector<PropertySpec>{};
    if (!reads.ReadAlone() && key.kind == PropertyKey::kObject) {
      reads.whole = true;
      ReadAllObjects();  // this owner's among them, when it has any
      return std::vector<PropertySpec>{};
    }
    auto statement = PrepareFor(catalog_,
                                std::string("SELECT name, type, value, value_type, inherited "
                                            "FROM jet_properties WHERE ") +
                                    kOwner + " ORDER BY position",
                                key);
    std::vector<PropertySpec> properties;
    while (statement.Step()) properties.push_back(ReadProperty(statement));
    return properties;
  });
}

void PropertyStore::ReadAllObjects() {
  auto statement = catalog_.db().Prepare(
      "SELECT name, type, value, value_type, inherited, owner_id, owner_member FROM "
      "jet_properties WHERE owner_kind = 0 ORDER BY owner_id, owner_member, position");
  const std::uint64_t generation = catalog_.db().Generation();
  std::map<DefinitionCache::OwnerKey, std::vector<PropertySpec>> by_owner;
  while (statement.Step())
    by_owner[{PropertyKey::kObject, statement.Int(5), com::UCase(statement.Text(6))}].push_back(
        ReadProperty(statement));
  for (auto& [owner, properties] : by_owner)
    catalog_.definitions().properties.Put(owner, generation, std::move(properties));
}

void PropertyStore::CacheFieldProperties(SqliteStatement& statement,
                                         const std::vector<std::int64_t>& field_ids) {
  struct Row {
    std::int64_t field_id, position;
    PropertySpec property;
  };
  std::vector<Row> rows;
  while (statement.Step())
    rows.push_back({statement.Int(5), statement.Int(6), ReadProperty(statement)});
  std::sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
    return std::tie(a.field_id, a.position) < std::tie(b.field_id, b.position);
  });
  const std::uint64_t generation = catalog_.db().Generation();
  std::unordered_map<std::int64_t, std::vector<PropertySpec>> by_field;
  for (const std::int64_t id : field_ids) by_field[id];
  for (Row& row : rows) by_field[row.field_id].push_back(std::move(row.property));
  for (auto& [id, properties] : by_field)
    catalog_.definitions().properties.Put({PropertyKey::kField, id, ""}, generation,
                                          std::move(properties));
}

void PropertyStore::ReadAllFields(const std::vector<std::int64_t>& field_ids) {
  // A walk of the whole table, put in order here: through the key, SQLite
  // would look every row up and sort each field's properties apart.
  auto statement = catalog_.db().Prepare(
      "SELECT name, type, value, value_type, inherited, owner_id, position FROM jet_properties "
      "NOT INDEXED WHERE owner_kind = 1 AND owner_member = ''");
  CacheFieldProperties(statement, field_ids);
  catalog_.definitions().reads.Slot(PropertyKey::kField, catalog_.db().Generation()).whole = true;
}

void PropertyStore::ReadFieldsOf(std::int64_t table_id,
                                 const std::vector<std::int64_t>& field_ids) {
  // The fields first (CROSS JOIN keeps that order), each then found in the
  // properties' key, instead of a walk through every property of the file.
  auto statement = catalog_.db().Prepare(
      "SELECT p.name, p.type, p.value, p.value_type, p.inherited, p.owner_id, p.position FROM "
      "jet_fields f CROSS JOIN jet_properties p ON p.owner_kind = 1 AND p.owner_id = f.id AND "
      "p.owner_member = '' WHERE f.table_id = ?1");
  statement.Bind(1, table_id);
  CacheFieldProperties(statement, field_ids);
}

std::vector<PropertySpec> PropertyStore::List(const PropertyKey& key) { return Read(key); }

const PropertySpec* PropertyStore::Find(const PropertyKey& key, const std::string& name) {
  for (const PropertySpec& property : Read(key))
    if (com::EqualsNoCase(property.name, name)) return &property;
  return nullptr;
}

void PropertyStore::Add(const PropertyKey& key, const PropertySpec& property) {
  if (Find(key, property.name)) RaiseDao(kDaoNameInCollection);
  Insert(catalog_, key, property);
  TouchOwner(key);
}

void PropertyStore::Put(const PropertyKey& key, const PropertySpec& property) {
  if (Find(key, property.name)) DeleteProperty(catalog_, key, property.name);
  Insert(catalog_, key, property);
  TouchOwner(key);
}

void PropertyStore::SetValue(const PropertyKey& key, const std::string& name,
                             const com::Variant& value) {
  const PropertySpec* found = Find(key, name);
  if (!found) RaiseDao(kDaoPropertyNotFound);
  const std::int16_t type = found->type;
  auto statement = PrepareFor(catalog_,
                              std::string("UPDATE jet_properties SET value = ?5, value_type = "
                                          "?6, inherited = 0 WHERE ") +
                                  kOwner + " AND name = ?4",
                              key);
  statement.Bind(4, name);
  statement.BindTyped(5, 6, ToDaoType(type, value));
  statement.Run();
  TouchOwner(key);
}

void PropertyStore::Delete(const PropertyKey& key, const std::string& name) {
  if (!Find(key, name)) RaiseDao(kDaoItemNotFound);
  DeleteProperty(catalog_, key, name);
  TouchOwner(key);
}

void PropertyStore::ReplaceInherited(const PropertyKey& key,
                                     const std::vector<PropertySpec>& properties) {
  PrepareFor(catalog_,
             std::string("DELETE FROM jet_properties WHERE ") + kOwner + " AND inherited <> 0", key)
      .Run();
  for (PropertySpec property : properties) {
    if (Find(key, property.name)) continue;
    property.inherited = true;
    Insert(catalog_, key, property);
  }
}

void PropertyStore::TouchOwner(const PropertyKey& key) {
  catalog_.db().Prepare(TouchStatement(key.kind)).BindAll(catalog_.Now().serial, key.id).Run();
  const bool stamped = sqlite3_changes(catalog_.db().handle()) > 0;
  if (!stamped && (key.kind == PropertyKey::kField || key.kind == PropertyKey::kIndex))
    RaiseDao(kDaoObjectInvalid);
}

}  // namespace sim::jet
