#include "sim/jet/query_store.h"

#include <unordered_map>

#include "com/text.h"
#include "sim/jet/dao_errors.h"
#include "sim/jet/definition_cache.h"
#include "sim/jet/jet_file.h"
#include "sim/jet/property_store.h"
#include "sim/jet/query_text.h"

namespace sim::jet {
namespace {

constexpr const char* kQueryColumns =
    "SELECT q.object_id, q.sql, q.connect, q.max_records, q.odbc_timeout, q.returns_records, "
    "q.log_messages, q.fail_on_error, q.record_locks FROM jet_queries q ";

// A property of the QuerySpec that is one of the settings kept in the row.
bool ApplySetting(QueryRow& row, const PropertySpec& property) {
  const std::string& name = property.name;
  if (com::EqualsNoCase(name, "ReturnsRecords"))
    row.returns_records = com::CBool(property.value);
  else if (com::EqualsNoCase(name, "LogMessages"))
    row.log_messages = com::CBool(property.value);
  else if (com::EqualsNoCase(name, "FailOnError"))
    row.fail_on_error = com::CBool(property.value);
  else if (com::EqualsNoCase(name, "RecordLocks"))
    row.record_locks = com::CByte(property.value);
  else if (com::EqualsNoCase(name, "ODBCTimeout"))
    row.odbc_timeout = com::CInt(property.value);
  else
    return false;
  return true;
}

}  // namespace

QueryRow QueryStore::Read(const SqliteStatement& row) {
  return QueryRow{ObjectStore(catalog_).Get(row.Int(0)),
                  row.Text(1),
                  row.Text(2),
                  static_cast<std::int32_t>(row.Int(3)),
                  static_cast<std::int16_t>(row.Int(4)),
                  row.Bool(5),
                  row.Bool(6),
                  row.Bool(7),
                  static_cast<std::uint8_t>(row.Int(8))};
}

// The queries are read in the file's order and listed in the order of the
// container's objects, which is that of their names.
std::vector<QueryRow> QueryStore::All() {
  ObjectStore objects(catalog_);
  const auto& children = objects.Children(objects.Container("Tables"));
  auto statement = catalog_.db().Prepare(kQueryColumns, "");
  std::unordered_map<std::int64_t, QueryRow> by_id;
  while (statement.Step()) {
    QueryRow row = Read(statement);
    by_id.emplace(row.object.id, std::move(row));
  }
  const std::uint64_t generation = catalog_.db().Generation();
  std::vector<QueryRow> rows;
  rows.reserve(by_id.size());
  for (const std::int64_t id : children) {
    const auto found = by_id.find(id);
    if (found == by_id.end()) continue;
    rows.push_back(found->second);
    catalog_.definitions().queries.Put(id, generation, std::move(found->second));
  }
  return rows;
}

std::optional<QueryRow> QueryStore::Find(const std::string& name) {
  auto statement = catalog_.db().Prepare(
      kQueryColumns, "JOIN jet_objects o ON o.id = q.object_id WHERE o.name = ?1");
  statement.Bind(1, name);
  if (!statement.Step()) return std::nullopt;
  return Get(statement.Int(0));
}

std::int16_t QueryStore::Type(std::int64_t id) {
  return catalog_.definitions().query_types.Get(id, catalog_.db().Generation(), [&] {
    const QueryRow& row = Get(id);
    return QueryText(row.sql).Type(row.connect, row.returns_records);
  });
}

const QueryRow& QueryStore::Get(std::int64_t id) {
  return catalog_.definitions().queries.Get(id, catalog_.db().Generation(), [&] {
    auto statement = catalog_.db().Prepare(kQueryColumns, "WHERE q.object_id = ?1");
    statement.Bind(1, id);
    if (!statement.Step()) RaiseDao(kDaoObjectInvalid);
    return Read(statement);
  });
}

std::int64_t QueryStore::Insert(const QuerySpec& spec, const std::string& owner) {
  ObjectStore objects(catalog_);
  const std::int64_t id =
      objects.Insert(objects.Container("Tables"), spec.name, kTypeQuery, owner, kDaoObjectExists);
  catalog_.db()
      .Prepare("INSERT INTO jet_queries (object_id, sql, connect) VALUES (?1, ?2, ?3)")
      .BindAll(id, spec.sql, spec.connect)
      .Run();
  QueryRow row = Get(id);
  row.max_records = spec.max_records;
  PropertyStore properties(catalog_);
  for (const auto& property : spec.properties)
    if (!ApplySetting(row, property)) properties.Add({PropertyKey::kObject, id, ""}, property);
  Update(row);
  return id;
}

std::int64_t QueryStore::Put(const QuerySpec& spec, const std::string& owner) {
  auto row = Find(spec.name);
  if (!row) return Insert(spec, owner);
  row->sql = spec.sql;
  row->connect = spec.connect;
  row->max_records = spec.max_records;
  PropertyStore properties(catalog_);
  for (const auto& property : spec.properties)
    if (!ApplySetting(*row, property))
      properties.Put({PropertyKey::kObject, row->object.id, ""}, property);
  Update(*row);
  return row->object.id;
}

void QueryStore::Update(const QueryRow& row) {
  const std::int16_t type = QueryText(row.sql).Type(row.connect, row.returns_records);
  catalog_.db()
      .Prepare(
          "UPDATE jet_queries SET sql = ?1, connect = ?2, max_records = ?3, "
          "odbc_timeout = ?4, returns_records = ?5, log_messages = ?6, fail_on_error = ?7, "
          "record_locks = ?8 WHERE object_id = ?9")
      .BindAll(row.sql, row.connect, row.max_records, row.odbc_timeout, row.returns_records,
               row.log_messages, row.fail_on_error, static_cast<std::int32_t>(row.record_locks),
               row.object.id)
      .Run();
  ObjectStore(catalog_).Touch(row.object.id);
  // Worked out above from what was just written: not parsed again on the next read.
  catalog_.definitions().query_types.Put(row.object.id, catalog_.db().Generation(), type);
}

}  // namespace sim::jet
