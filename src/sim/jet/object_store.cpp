#include "sim/jet/object_store.h"

#include <unordered_map>

#include "com/text.h"
#include "sim/jet/dao_errors.h"
#include "sim/jet/definition_cache.h"

namespace sim::jet {
namespace {

constexpr const char* kObjectColumns =
    "SELECT id, parent_id, name, type, flags, owner, date_create, date_update FROM jet_objects ";

ObjectRow ReadObject(const SqliteStatement& row) {
  return ObjectRow{row.Int(0),
                   row.Int(1),
                   row.Text(2),
                   static_cast<std::int32_t>(row.Int(3)),
                   static_cast<std::int32_t>(row.Int(4)),
                   row.Text(5),
                   com::Date{row.Double(6)},
                   com::Date{row.Double(7)}};
}

}  // namespace

const ObjectRow& ObjectStore::Get(std::int64_t id) {
  return catalog_.definitions().objects.Get(id, catalog_.db().Generation(), [&] {
    auto statement = catalog_.db().Prepare(kObjectColumns, "WHERE id = ?1");
    statement.Bind(1, id);
    if (!statement.Step()) RaiseDao(kDaoObjectInvalid);
    return ReadObject(statement);
  });
}

std::optional<ObjectRow> ObjectStore::Find(std::int64_t parent_id, const std::string& name) {
  const std::uint64_t generation = catalog_.db().Generation();
  auto& children = catalog_.definitions().child_names.Slot(parent_id, generation);
  if (!children.reads.whole && !children.reads.ReadAlone()) {
    for (const std::int64_t id : Children(parent_id)) children.ids.emplace(Get(id).name, id);
    children.reads.whole = true;
  }
  if (children.reads.whole) {
    const auto found = children.ids.find(name);
    if (found == children.ids.end()) return std::nullopt;
    return Get(found->second);
  }
  auto statement =
      catalog_.db().Prepare(kObjectColumns, "WHERE parent_id = ?1 AND name = ?2");
  statement.BindAll(parent_id, name);
  if (!statement.Step()) return std::nullopt;
  return ReadObject(statement);
}

const std::vector<std::int64_t>& ObjectStore::Children(std::int64_t parent_id) {
  const std::uint64_t generation = catalog_.db().Generation();
  return catalog_.definitions().children.Get(parent_id, generation, [&] {
    auto statement =
        catalog_.db().Prepare(kObjectColumns, "WHERE parent_id = ?1 ORDER BY name, id");
    statement.Bind(1, parent_id);
    std::vector<std::int64_t> ids;
    while (statement.Step()) {
      ObjectRow row = ReadObject(statement);
      ids.push_back(row.id);
      catalog_.definitions().objects.Put(row.id, generation, std::move(row));
    }
    return ids;
  });
}

std::int64_t ObjectStore::Container(const std::string& name) {
  const auto container = Find(0, name);
  if (!container) RaiseDao(kDaoItemNotFound);
  return container->id;
}

std::int64_t ObjectStore::Insert(std::int64_t parent_id, const std::string& name, std::int32_t type,
                                 const std::string& owner, std::int32_t error_when_taken) {
  if (Find(parent_id, name)) RaiseDao(error_when_taken, name);
  const double now = catalog_.Now().serial;
  catalog_.db()
      .Prepare(
          "INSERT INTO jet_objects (parent_id, name, type, flags, owner, date_create, "
          "date_update) VALUES (?1, ?2, ?3, 0, ?4, ?5, ?5)")
      .BindAll(parent_id, name, type, owner, now)
      .Run();
  const std::int64_t id = catalog_.db().LastInsertId();
  SetPermissions(id, "Admins", kFullAccess);
  SetPermissions(id, "Users", kFullAccess);
  return id;
}

void ObjectStore::Rename(std::int64_t id, const std::string& name, std::int32_t error_when_taken) {
  const ObjectRow row = Get(id);
  const auto other = Find(row.parent_id, name);
  if (other && other->id != id) RaiseDao(error_when_taken, name);
  catalog_.db().Prepare("UPDATE jet_objects SET name = ?1 WHERE id = ?2").BindAll(name, id).Run();
  Touch(id);
}

void ObjectStore::SetType(std::int64_t id, std::int32_t type, std::int32_t flags) {
  catalog_.db()
      .Prepare("UPDATE jet_objects SET type = ?1, flags = ?2 WHERE id = ?3")
      .BindAll(type, flags, id)
      .Run();
}

void ObjectStore::SetOwner(std::int64_t id, const std::string& owner) {
  catalog_.db().Prepare("UPDATE jet_objects SET owner = ?1 WHERE id = ?2").BindAll(owner, id).Run();
}

void ObjectStore::SetDates(std::int64_t id, com::Date created, com::Date updated) {
  catalog_.db()
      .Prepare("UPDATE jet_objects SET date_create = ?1, date_update = ?2 WHERE id = ?3")
      .BindAll(created.serial, updated.serial, id)
      .Run();
}

void ObjectStore::Touch(std::int64_t id) {
  catalog_.db()
      .Prepare("UPDATE jet_objects SET date_update = ?1 WHERE id = ?2")
      .BindAll(catalog_.Now().serial, id)
      .Run();
}

void ObjectStore::Delete(std::int64_t id) {
  catalog_.db().Prepare("DELETE FROM jet_objects WHERE id = ?1").BindAll(id).Run();
}

std::int32_t ObjectStore::Permissions(std::int64_t id, const std::string& account) {
  DefinitionCache& cache = catalog_.definitions();
  const std::uint64_t generation = catalog_.db().Generation();
  auto& reads = cache.reads.Slot(DefinitionCache::kPermissionRows, generation);
  if (!reads.whole) {  // every account's at once: a listing asks for the user's and its groups'
    auto statement =
        catalog_.db().Prepare("SELECT account, object_id, permissions FROM jet_permissions");
    while (statement.Step())
      cache.permissions.Slot(statement.Text(0), generation)[statement.Int(1)] =
          static_cast<std::int32_t>(statement.Int(2));
    reads.whole = true;
  }
  const auto& granted = cache.permissions.Slot(account, generation);
  const auto found = granted.find(id);
  return found == granted.end() ? 0 : found->second;
}

void ObjectStore::SetPermissions(std::int64_t id, const std::string& account,
                                 std::int32_t permissions) {
  catalog_.db()
      .Prepare(
          "INSERT INTO jet_permissions VALUES (?1, ?2, ?3) "
          "ON CONFLICT (object_id, account) DO UPDATE SET permissions = excluded.permissions")
      .BindAll(id, account, permissions)
      .Run();
}

}  // namespace sim::jet
