#pragma once
// A document of a container. Permissions are those of the account UserName
// names (the workspace's user until set); AllPermissions adds those of the
// account's groups in the workgroup. The application-defined properties of a
// table's or query's document are those of the table or query.

#include <memory>

#include "platform/dao.h"
#include "sim/jet/catalog.h"
#include "sim/jet/object_store.h"
#include "sim/jet/property_host.h"

namespace sim::jet {

class Document : public dao::Document,
                 public PropertyHost,
                 public std::enable_shared_from_this<Document> {
 public:
  Document(std::shared_ptr<Catalog> catalog, std::int64_t id);

  std::string Name() override { return Row().name; }
  std::string Container() override;
  std::string UserName() override { return user_name_; }
  void SetUserName(const std::string& name) override { user_name_ = name; }
  std::int32_t Permissions() override;
  void SetPermissions(std::int32_t value) override;
  std::int32_t AllPermissions() override;
  std::string Owner() override { return Row().owner; }
  void SetOwner(const std::string& account) override;
  com::Date DateCreated() override { return Row().created; }
  com::Date LastUpdated() override { return Row().updated; }

  std::shared_ptr<dao::Properties> GetProperties() override;
  std::shared_ptr<dao::Property> CreateProperty(const std::string& name, std::int16_t type,
                                                const com::Variant& value) override;
  std::vector<BuiltInSpec> BuiltIns() override;
  std::optional<PropertyKey> StoredKey() override;

 private:
  const ObjectRow& Row() { return ObjectStore(*catalog_).Get(id_); }

  std::shared_ptr<Catalog> catalog_;
  std::int64_t id_;
  std::string user_name_;
};

}  // namespace sim::jet
