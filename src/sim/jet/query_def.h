#pragma once
// A saved query. Its type follows its SQL text and connection string; its
// Fields are the columns its SQL gives. Renaming it leaves the SQL of other
// queries alone, as Jet does.

#include <functional>
#include <memory>
#include <optional>

#include "platform/dao.h"
#include "sim/jet/catalog.h"
#include "sim/jet/property_host.h"
#include "sim/jet/query_store.h"

namespace sim::jet {

class QueryDef : public dao::QueryDef,
                 public PropertyHost,
                 public std::enable_shared_from_this<QueryDef> {
 public:
  QueryDef(std::shared_ptr<Catalog> catalog, std::int64_t id)
      : catalog_(std::move(catalog)), id_(id) {}

  std::string Name() override { return Row().object.name; }
  // 3012 when a table or query has the name.
  void SetName(const std::string& name) override;
  std::string SQL() override { return Row().sql; }
  // 3129 for a text that is no statement Jet knows.
  void SetSQL(const std::string& sql) override;
  std::int16_t Type() override;
  std::string Connect() override { return Row().connect; }
  void SetConnect(const std::string& value) override;
  std::int32_t MaxRecords() override { return Row().max_records; }
  void SetMaxRecords(std::int32_t value) override;
  std::int16_t ODBCTimeout() override { return Row().odbc_timeout; }
  void SetODBCTimeout(std::int16_t value) override;
  std::shared_ptr<dao::Fields> GetFields() override;

  std::shared_ptr<dao::Properties> GetProperties() override;
  std::shared_ptr<dao::Property> CreateProperty(const std::string& name, std::int16_t type,
                                                const com::Variant& value) override;
  // Those of every query, then ReturnsRecords and LogMessages for
  // pass-through queries, FailOnError for action queries and RecordLocks for
  // the queries that read or write records in Jet.
  std::vector<BuiltInSpec> BuiltIns() override;
  bool FixedBuiltInNames() const override { return false; }
  std::vector<BuiltInSpec> EveryBuiltIn() override;
  std::optional<PropertyKey> StoredKey() override;

 private:
  const QueryRow& Row() { return QueryStore(*catalog_).Get(id_); }
  void Change(const std::function<void(QueryRow&)>& change);
  static constexpr std::size_t kMostBuiltIns = 12;
  void AddCommonBuiltIns(std::vector<BuiltInSpec>& specs);
  void AddTypeBuiltIns(std::int16_t type, std::vector<BuiltInSpec>& specs);

  std::shared_ptr<Catalog> catalog_;
  std::int64_t id_;
};

}  // namespace sim::jet
