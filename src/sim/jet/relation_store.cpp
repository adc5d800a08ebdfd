#include "sim/jet/relation_store.h"

#include "platform/dao.h"
#include "sim/jet/dao_errors.h"
#include "sim/jet/field_store.h"
#include "sim/jet/index_store.h"
#include "sim/jet/jet_file.h"
#include "sim/jet/table_store.h"

namespace sim::jet {
namespace {

std::int64_t FieldId(Catalog& catalog, std::int64_t table_id, const std::string& name) {
  const auto field = FieldStore(catalog).Find(table_id, name);
  if (!field) RaiseDao(kDaoItemNotFound);
  return field->id;
}

std::int64_t TableId(Catalog& catalog, const std::string& name) {
  const auto table = TableStore(catalog).Find(name);
  if (!table) RaiseDao(kDaoItemNotFound);
  return table->object.id;
}

bool KeepsForeignIndex(std::int32_t attributes) {
  return !(attributes & (dao::dbRelationDontEnforce | dao::dbRelationInherited));
}

}  // namespace

std::vector<RelationRow> RelationStore::Select(const std::string& where, std::int64_t argument) {
  auto statement = catalog_.db().Prepare(
      "SELECT r.object_id FROM jet_relations r JOIN jet_objects o ON o.id = r.object_id " + where +
      " ORDER BY o.name, o.id");
  if (!where.empty()) statement.Bind(1, argument);
  std::vector<std::int64_t> ids;
  while (statement.Step()) ids.push_back(statement.Int(0));
  std::vector<RelationRow> rows;
  for (auto id : ids) rows.push_back(Get(id));
  return rows;
}

std::vector<RelationRow> RelationStore::All() { return Select("", 0); }

std::vector<RelationRow> RelationStore::OfTable(std::int64_t table_id) {
  return Select("WHERE r.table_id = ?1 OR r.foreign_table_id = ?1", table_id);
}

std::optional<RelationRow> RelationStore::Find(const std::string& name) {
  ObjectStore objects(catalog_);
  const auto object = objects.Find(objects.Container("Relationships"), name);
  if (!object) return std::nullopt;
  return Get(object->id);
}

RelationRow RelationStore::Get(std::int64_t id) {
  auto statement = catalog_.db().Prepare(
      "SELECT r.table_id, r.foreign_table_id, t.name, f.name, r.attributes FROM jet_relations r "
      "JOIN jet_objects t ON t.id = r.table_id JOIN jet_objects f ON f.id = r.foreign_table_id "
      "WHERE r.object_id = ?1");
  statement.Bind(1, id);
  if (!statement.Step()) RaiseDao(kDaoObjectInvalid);
  RelationRow row{ObjectStore(catalog_).Get(id),
                  statement.Int(0),
                  statement.Int(1),
                  statement.Text(2),
                  statement.Text(3),
                  static_cast<std::int32_t>(statement.Int(4)),
                  {}};
  auto fields = catalog_.db().Prepare(
      "SELECT a.name, b.name FROM jet_relation_fields x JOIN jet_fields a ON a.id = x.field_id "
      "JOIN jet_fields b ON b.id = x.foreign_field_id WHERE x.relation_id = ?1 "
      "ORDER BY x.position");
  fields.Bind(1, id);
  while (fields.Step()) row.fields.emplace_back(fields.Text(0), fields.Text(1));
  return row;
}

std::int64_t RelationStore::Insert(const RelationSpec& spec, const std::string& owner) {
  const std::int64_t table_id = TableId(catalog_, spec.table);
  const std::int64_t foreign_table_id = TableId(catalog_, spec.foreign_table);
  ObjectStore objects(catalog_);
  const std::int64_t id = objects.Insert(objects.Container("Relationships"), spec.name,
                                         kTypeRelation, owner, kDaoObjectExists);
  catalog_.db()
      .Prepare("INSERT INTO jet_relations VALUES (?1, ?2, ?3, ?4)")
      .BindAll(id, table_id, foreign_table_id, spec.attributes)
      .Run();
  IndexSpec foreign_index{.name = spec.name, .foreign = true};
  for (std::size_t position = 0; position < spec.fields.size(); ++position) {
    const auto& [field, foreign_field] = spec.fields[position];
    catalog_.db()
        .Prepare("INSERT INTO jet_relation_fields VALUES (?1, ?2, ?3, ?4)")
        .BindAll(id, static_cast<std::int64_t>(position), FieldId(catalog_, table_id, field),
                 FieldId(catalog_, foreign_table_id, foreign_field))
        .Run();
    foreign_index.fields.emplace_back(foreign_field, false);
  }
  if (KeepsForeignIndex(spec.attributes))
    IndexStore(catalog_).Insert(foreign_table_id, foreign_index);
  return id;
}

void RelationStore::Delete(std::int64_t id) {
  const RelationRow row = Get(id);
  catalog_.db()
      .Prepare("DELETE FROM jet_indexes WHERE table_id = ?1 AND name = ?2 AND is_foreign <> 0")
      .BindAll(row.foreign_table_id, row.object.name)
      .Run();
  catalog_.db().Prepare("DELETE FROM jet_relations WHERE object_id = ?1").BindAll(id).Run();
  ObjectStore(catalog_).Delete(id);
}

}  // namespace sim::jet
