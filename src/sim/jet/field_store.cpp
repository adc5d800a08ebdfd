#include "sim/jet/field_store.h"

#include <algorithm>
#include <tuple>
#include <unordered_map>

#include "platform/dao.h"
#include "sim/jet/dao_errors.h"
#include "sim/jet/dao_value.h"
#include "sim/jet/definition_cache.h"
#include "sim/jet/object_store.h"
#include "sim/jet/property_store.h"

namespace sim::jet {
namespace {

constexpr const char* kFieldColumns =
    "SELECT id, table_id, position, name, type, size, attributes, required, allow_zero_length, "
    "default_value, validation_rule, validation_text FROM jet_fields ";

FieldRow ReadRow(const SqliteStatement& row) {
  FieldRow field{row.Int(0), row.Int(1), static_cast<std::int32_t>(row.Int(2)), {}};
  field.spec.name = row.Text(3);
  field.spec.type = static_cast<std::int16_t>(row.Int(4));
  field.spec.size = static_cast<std::int32_t>(row.Int(5));
  field.spec.attributes = static_cast<std::int32_t>(row.Int(6));
  field.spec.required = row.Bool(7);
  field.spec.allow_zero_length = row.Bool(8);
  field.spec.default_value = row.Text(9);
  field.spec.validation_rule = row.Text(10);
  field.spec.validation_text = row.Text(11);
  return field;
}

// Jet marks every field as of fixed or of variable length.
std::int32_t StoredAttributes(const FieldSpec& spec) {
  return spec.attributes | (IsVariableLength(spec.type) ? dao::dbVariableField : dao::dbFixedField);
}

std::string DefaultText(const com::Variant& value) {
  return value.IsNull() || value.IsEmpty() ? "" : com::CStr(value);
}

}  // namespace

std::vector<FieldRow> FieldStore::OfTable(std::int64_t table_id) {
  const auto& ids = IdsOf(table_id);
  std::vector<FieldRow> rows;
  rows.reserve(ids.size());
  for (const std::int64_t id : ids) rows.push_back(Get(id));
  return rows;
}

const std::vector<std::int64_t>& FieldStore::IdsOf(std::int64_t table_id) {
  DefinitionCache& cache = catalog_.definitions();
  const std::uint64_t generation = catalog_.db().Generation();
  return cache.table_fields.Get(table_id, generation, [&] {
    auto& reads = cache.reads.Slot(DefinitionCache::kFieldRows, generation);
    if (reads.whole) return std::vector<std::int64_t>{};
    if (reads.ReadAlone()) return ReadOfTable(table_id);
    reads.whole = true;
    ReadAll();  // this table's among them, when it has any
    return std::vector<std::int64_t>{};
  });
}

void FieldStore::ReadAll() {
  // Read in the file's own order and put in order here: SQLite would walk the
  // name index and look each row up.
  auto statement = catalog_.db().Prepare(kFieldColumns, "");
  struct Place {
    std::int64_t table_id, position, id;
  };
  std::vector<Place> places;
  DefinitionCache& cache = catalog_.definitions();
  const std::uint64_t generation = catalog_.db().Generation();
  while (statement.Step()) {
    FieldRow row = ReadRow(statement);
    places.push_back({row.table_id, row.position, row.id});
    cache.fields.Put(row.id, generation, std::move(row));
  }
  std::sort(places.begin(), places.end(), [](const Place& a, const Place& b) {
    return std::tie(a.table_id, a.position) < std::tie(b.table_id, b.position);
  });
  std::unordered_map<std::int64_t, std::vector<std::int64_t>> by_table;
  std::vector<std::int64_t> ids;
  ids.reserve(places.size());
  for (const Place& place : places) {
    by_table[place.table_id].push_back(place.id);
    ids.push_back(place.id);
  }
  for (auto& [table_id, field_ids] : by_table)
    cache.table_fields.Put(table_id, generation, std::move(field_ids));
  PropertyStore(catalog_).ReadAllFields(ids);
}

std::vector<std::int64_t> FieldStore::ReadOfTable(std::int64_t table_id) {
  auto statement =
      catalog_.db().Prepare(kFieldColumns, "WHERE table_id = ?1 ORDER BY position");
  statement.Bind(1, table_id);
  const std::uint64_t generation = catalog_.db().Generation();
  std::vector<std::int64_t> ids;
  while (statement.Step()) {
    FieldRow row = ReadRow(statement);
    ids.push_back(row.id);
    catalog_.definitions().fields.Put(row.id, generation, std::move(row));
  }
  PropertyStore(catalog_).ReadFieldsOf(table_id, ids);
  return ids;
}

const FieldRow& FieldStore::Get(std::int64_t id) {
  return catalog_.definitions().fields.Get(id, catalog_.db().Generation(), [&] {
    auto statement = catalog_.db().Prepare(kFieldColumns, "WHERE id = ?1");
    statement.Bind(1, id);
    if (!statement.Step()) RaiseDao(kDaoObjectInvalid);
    return ReadRow(statement);
  });
}

std::optional<FieldRow> FieldStore::Find(std::int64_t table_id, const std::string& name) {
  auto statement =
      catalog_.db().Prepare(kFieldColumns, "WHERE table_id = ?1 AND name = ?2");
  statement.BindAll(table_id, name);
  if (!statement.Step()) return std::nullopt;
  return ReadRow(statement);
}

std::int64_t FieldStore::Insert(std::int64_t table_id, const FieldSpec& spec) {
  if (Find(table_id, spec.name)) RaiseDao(kDaoFieldDefinedTwice);
  const std::int32_t size = spec.size ? spec.size : DefaultSize(spec.type);
  catalog_.db()
      .Prepare(
          "INSERT INTO jet_fields (table_id, position, name, type, size, attributes, "
          "required, allow_zero_length, default_value, validation_rule, validation_text) "
          "VALUES (?1, (SELECT IFNULL(MAX(position) + 1, 0) FROM jet_fields WHERE table_id = ?1), "
          "?2, ?3, ?4, "
          "?5, ?6, ?7, ?8, ?9, ?10)")
      .BindAll(table_id, spec.name, spec.type, size, StoredAttributes(spec), spec.required,
               spec.allow_zero_length, DefaultText(spec.default_value), spec.validation_rule,
               spec.validation_text)
      .Run();
  const std::int64_t id = catalog_.db().LastInsertId();
  PropertyStore properties(catalog_);
  for (const auto& property : spec.properties)
    properties.Add({PropertyKey::kField, id, ""}, property);
  return id;
}

void FieldStore::Update(const FieldRow& row) {
  const auto other = Find(row.table_id, row.spec.name);
  if (other && other->id != row.id) RaiseDao(kDaoFieldDefinedTwice);
  catalog_.db()
      .Prepare(
          "UPDATE jet_fields SET name = ?1, type = ?2, size = ?3, attributes = ?4, "
          "required = ?5, allow_zero_length = ?6, default_value = ?7, validation_rule = ?8, "
          "validation_text = ?9, position = ?10 WHERE id = ?11")
      .BindAll(row.spec.name, row.spec.type, row.spec.size, StoredAttributes(row.spec),
               row.spec.required, row.spec.allow_zero_length, DefaultText(row.spec.default_value),
               row.spec.validation_rule, row.spec.validation_text, row.position, row.id)
      .Run();
  ObjectStore(catalog_).Touch(row.table_id);
}

void FieldStore::Delete(std::int64_t id) {
  catalog_.db().Prepare("DELETE FROM jet_fields WHERE id = ?1").BindAll(id).Run();
}

}  // namespace sim::jet
