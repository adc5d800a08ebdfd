#pragma once
// An open database: the DAO Database over one connection to a database file.
// Close (or the release of the last object reached from it) ends the
// connection and its entry in the user roster.

#include <memory>
#include <string>

#include "platform/dao.h"
#include "sim/jet/catalog.h"
#include "sim/jet/property_host.h"

namespace sim::jet {

class Database : public dao::Database, public PropertyHost {
 public:
  Database(std::shared_ptr<Catalog> catalog, std::string name, std::string connect)
      : catalog_(std::move(catalog)), name_(std::move(name)), connect_(std::move(connect)) {}

  const com::TypeInfo& Members() const override;

  std::string Name() override;
  std::shared_ptr<dao::TableDefs> GetTableDefs() override;
  std::shared_ptr<dao::QueryDefs> GetQueryDefs() override;
  std::shared_ptr<dao::Relations> GetRelations() override;
  std::shared_ptr<dao::Containers> GetContainers() override;
  std::shared_ptr<dao::Recordset> OpenRecordset(const std::string& sql, std::int32_t type) override;
  std::shared_ptr<dao::TableDef> CreateTableDef(const std::string& name) override;
  // 3420 when already closed.
  void Close() override;

  std::shared_ptr<dao::Properties> GetProperties() override;
  std::shared_ptr<dao::Property> CreateProperty(const std::string& name, std::int16_t type,
                                                const com::Variant& value) override;
  std::vector<BuiltInSpec> BuiltIns() override;
  // The database's own properties (AccessVersion, StartupForm, ...) are kept
  // with its document MSysDb.
  std::optional<PropertyKey> StoredKey() override;

  const std::shared_ptr<Catalog>& catalog() const { return catalog_; }

 private:
  std::shared_ptr<Catalog> catalog_;
  std::string name_;
  std::string connect_;
  // DAO hands out the same collection every time; it reads the database
  // again on Refresh (or when this connection itself adds or removes).
  std::shared_ptr<dao::TableDefs> table_defs_;
  std::shared_ptr<dao::QueryDefs> query_defs_;
  std::shared_ptr<dao::Relations> relations_;
  std::shared_ptr<dao::Containers> containers_;
};

}  // namespace sim::jet
