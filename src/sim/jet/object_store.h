#pragma once
// The rows of MSysObjects: containers, and the documents in them (tables and
// queries in "Tables", relations in "Relationships", forms in "Forms", ...),
// with their owners, dates and per-account permissions.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "com/variant.h"
#include "sim/jet/catalog.h"

namespace sim::jet {

struct ObjectRow {
  std::int64_t id = 0;
  std::int64_t parent_id = 0;  // the container; 0 for a container
  std::string name;
  std::int32_t type = 0;
  std::int32_t flags = 0;
  std::string owner;
  com::Date created;
  com::Date updated;
};

class ObjectStore {
 public:
  static constexpr std::int32_t kFullAccess = 1048575;

  explicit ObjectStore(Catalog& catalog) : catalog_(catalog) {}

  // Raises 3420 when the object no longer exists. The row stays as read until
  // the next write through this connection.
  const ObjectRow& Get(std::int64_t id);
  std::optional<ObjectRow> Find(std::int64_t parent_id, const std::string& name);
  // The ids of the container's objects in the order of their names, as Jet
  // lists them; their rows are read with them. Kept until the next write.
  const std::vector<std::int64_t>& Children(std::int64_t parent_id);
  // The id of a container; 3265 when there is none of that name.
  std::int64_t Container(const std::string& name);

  // A new object stamped now, with full permissions for the groups Admins and
  // Users. A name already taken in the container raises `error_when_taken`.
  std::int64_t Insert(std::int64_t parent_id, const std::string& name, std::int32_t type,
                      const std::string& owner, std::int32_t error_when_taken);
  void Rename(std::int64_t id, const std::string& name, std::int32_t error_when_taken);
  void SetType(std::int64_t id, std::int32_t type, std::int32_t flags);
  void SetOwner(std::int64_t id, const std::string& owner);
  void SetDates(std::int64_t id, com::Date created, com::Date updated);
  // The design changed: LastUpdated becomes now.
  void Touch(std::int64_t id);
  void Delete(std::int64_t id);

  // The account's own permissions; 0 without an entry.
  std::int32_t Permissions(std::int64_t id, const std::string& account);
  void SetPermissions(std::int64_t id, const std::string& account, std::int32_t permissions);

 private:
  Catalog& catalog_;
};

}  // namespace sim::jet
