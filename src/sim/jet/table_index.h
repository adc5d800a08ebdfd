#pragma once
// An index of a table definition, read from the file on every call. Only its
// name can change, and not on a linked table (3027).

#include <memory>

#include "platform/dao.h"
#include "sim/jet/catalog.h"
#include "sim/jet/index_store.h"
#include "sim/jet/property_host.h"

namespace sim::jet {

class TableIndex : public dao::Index,
                   public PropertyHost,
                   public std::enable_shared_from_this<TableIndex> {
 public:
  TableIndex(std::shared_ptr<Catalog> catalog, std::int64_t id)
      : catalog_(std::move(catalog)), id_(id) {}

  std::string Name() override { return Row().spec.name; }
  // 3284 when the table has an index of that name.
  void SetName(const std::string& name) override;
  bool Clustered() override { return Row().spec.clustered; }
  bool Foreign() override { return Row().spec.foreign; }
  bool IgnoreNulls() override { return Row().spec.ignore_nulls; }
  bool Primary() override { return Row().spec.primary; }
  bool Required() override { return Row().spec.required; }
  bool Unique() override { return Row().spec.unique; }
  std::shared_ptr<dao::Fields> GetFields() override;

  std::shared_ptr<dao::Properties> GetProperties() override;
  std::shared_ptr<dao::Property> CreateProperty(const std::string& name, std::int16_t type,
                                                const com::Variant& value) override;
  std::vector<BuiltInSpec> BuiltIns() override;
  std::optional<PropertyKey> StoredKey() override;

 private:
  IndexRow Row() { return IndexStore(*catalog_).Get(id_); }

  std::shared_ptr<Catalog> catalog_;
  std::int64_t id_;
};

}  // namespace sim::jet
