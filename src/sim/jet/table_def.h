#pragma once
// A table definition. Made by CreateTableDef it lives in memory until it is
// appended to TableDefs; from then on every call reads or writes the file.
// A change of its design stamps its LastUpdated.

#include <functional>
#include <memory>
#include <optional>

#include "platform/dao.h"
#include "sim/jet/catalog.h"
#include "sim/jet/property_host.h"
#include "sim/jet/table_store.h"

namespace sim::jet {

class TableDef : public dao::TableDef,
                 public PropertyHost,
                 public std::enable_shared_from_this<TableDef> {
 public:
  // A new definition, not yet appended.
  TableDef(std::shared_ptr<Catalog> catalog, std::string name);
  // The definition of a table in the file.
  TableDef(std::shared_ptr<Catalog> catalog, std::int64_t id);

  std::string Name() override;
  void SetName(const std::string& name) override;
  std::int32_t Attributes() override;
  void SetAttributes(std::int32_t value) override;
  std::string Connect() override;
  // 3268 on a local table once it is appended.
  void SetConnect(const std::string& value) override;
  std::string SourceTableName() override;
  // 3268 once the table is appended.
  void SetSourceTableName(const std::string& value) override;
  std::string ValidationRule() override;
  void SetValidationRule(const std::string& value) override;
  std::string ValidationText() override;
  void SetValidationText(const std::string& value) override;
  com::Date DateCreated() override;
  com::Date LastUpdated() override;
  std::shared_ptr<dao::Fields> GetFields() override;
  std::shared_ptr<dao::Indexes> GetIndexes() override;
  void RefreshLink() override;

  std::shared_ptr<dao::Properties> GetProperties() override;
  std::shared_ptr<dao::Property> CreateProperty(const std::string& name, std::int16_t type,
                                                const com::Variant& value) override;
  std::vector<BuiltInSpec> BuiltIns() override;
  std::optional<PropertyKey> StoredKey() override;

  bool appended() const { return id_.has_value(); }
  const TableSpec& pending() const { return pending_; }
  // The definition became the table `id` of the catalog's file.
  void Attach(std::shared_ptr<Catalog> catalog, std::int64_t id);

 private:
  const TableRow& Row();
  // Writes a change of the appended table's row in one transaction.
  void Change(const std::function<void(TableRow&)>& change);
  // A change of the validation, which belongs to the source of a link (3027).
  void ChangeValidation(const std::function<void(TableRow&)>& change);
  std::int32_t RecordCount();

  std::shared_ptr<Catalog> catalog_;
  std::optional<std::int64_t> id_;
  TableSpec pending_;
};

}  // namespace sim::jet
