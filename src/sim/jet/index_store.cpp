#include "sim/jet/index_store.h"

#include "sim/jet/dao_errors.h"
#include "sim/jet/field_store.h"
#include "sim/jet/object_store.h"

namespace sim::jet {
namespace {

constexpr const char* kIndexColumns =
    "SELECT id, table_id, name, is_primary, is_unique, clustered, ignore_nulls, required, "
    "is_foreign FROM jet_indexes ";

}  // namespace

IndexRow IndexStore::ReadIndex(const SqliteStatement& row) {
  IndexRow index{row.Int(0), row.Int(1), {}};
  index.spec.name = row.Text(2);
  index.spec.primary = row.Bool(3);
  index.spec.unique = row.Bool(4);
  index.spec.clustered = row.Bool(5);
  index.spec.ignore_nulls = row.Bool(6);
  index.spec.required = row.Bool(7);
  index.spec.foreign = row.Bool(8);
  auto fields = catalog_.db().Prepare(
      "SELECT f.name, x.descending FROM jet_index_fields x JOIN jet_fields f ON f.id = x.field_id "
      "WHERE x.index_id = ?1 ORDER BY x.position");
  fields.Bind(1, index.id);
  while (fields.Step()) index.spec.fields.emplace_back(fields.Text(0), fields.Bool(1));
  return index;
}

std::vector<IndexRow> IndexStore::OfTable(std::int64_t table_id) {
  auto statement = catalog_.db().Prepare(kIndexColumns, "WHERE table_id = ?1 ORDER BY id");
  statement.Bind(1, table_id);
  std::vector<IndexRow> rows;
  while (statement.Step()) rows.push_back(ReadIndex(statement));
  return rows;
}

IndexRow IndexStore::Get(std::int64_t id) {
  auto statement = catalog_.db().Prepare(kIndexColumns, "WHERE id = ?1");
  statement.Bind(1, id);
  if (!statement.Step()) RaiseDao(kDaoObjectInvalid);
  return ReadIndex(statement);
}

bool IndexStore::NameTaken(std::int64_t table_id, const std::string& name, std::int64_t except_id) {
  auto statement = catalog_.db().Prepare(
      "SELECT 1 FROM jet_indexes WHERE table_id = ?1 AND name = ?2 AND id <> ?3");
  statement.BindAll(table_id, name, except_id);
  return statement.Step();
}

std::int64_t IndexStore::Insert(std::int64_t table_id, const IndexSpec& spec) {
  if (NameTaken(table_id, spec.name, 0)) RaiseDao(kDaoIndexExists);
  if (spec.fields.empty()) RaiseDao(kDaoNoFieldDefined);
  catalog_.db()
      .Prepare(
          "INSERT INTO jet_indexes (table_id, name, is_primary, is_unique, clustered, "
          "ignore_nulls, required, is_foreign) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)")
      .BindAll(table_id, spec.name, spec.primary, spec.unique || spec.primary, spec.clustered,
               spec.ignore_nulls, spec.required || spec.primary, spec.foreign)
      .Run();
  const std::int64_t id = catalog_.db().LastInsertId();
  FieldStore fields(catalog_);
  for (std::size_t position = 0; position < spec.fields.size(); ++position) {
    const auto& [name, descending] = spec.fields[position];
    const auto field = fields.Find(table_id, name);
    if (!field) RaiseDao(kDaoItemNotFound);
    catalog_.db()
        .Prepare("INSERT INTO jet_index_fields VALUES (?1, ?2, ?3, ?4)")
        .BindAll(id, static_cast<std::int64_t>(position), field->id, descending)
        .Run();
  }
  return id;
}

void IndexStore::Rename(std::int64_t id, const std::string& name) {
  const IndexRow index = Get(id);
  if (NameTaken(index.table_id, name, id)) RaiseDao(kDaoIndexExists);
  catalog_.db().Prepare("UPDATE jet_indexes SET name = ?1 WHERE id = ?2").BindAll(name, id).Run();
  ObjectStore(catalog_).Touch(index.table_id);
}

void IndexStore::DeleteOfTable(std::int64_t table_id) {
  catalog_.db().Prepare("DELETE FROM jet_indexes WHERE table_id = ?1").BindAll(table_id).Run();
}

}  // namespace sim::jet
