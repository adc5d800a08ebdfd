#pragma once
// One saved query of an Access database (a DAO QueryDef). Every property
// change is written to the query at once.

#include <memory>
#include <string>

#include "objects/data/object_base.h"
#include "platform/dao.h"

namespace objects {

class Fields;

enum QueryTypeConstants : std::int32_t {
  dbQSelect = 0,
  dbQCrosstab = 16,
  dbQDelete = 32,
  dbQUpdate = 48,
  dbQAppend = 64,
  dbQMakeTable = 80,
  dbQDDL = 96,
  dbQSQLPassThrough = 112,
  dbQSetOperation = 128,
};
enum RecordLocksConstants : std::int32_t { acNoLocks = 0, acLockAllRecords = 1, acLockEditedRecord = 2 };
enum RecordSetTypeConstants : std::int32_t { acDynaset = 0, acInconsistent = 1, acSnapshot = 2 };

class Query : public ObjectBase {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "Query";

 public:
  Query() : ObjectBase("Queries") {}
  const com::TypeInfo& Members() const override;

  void Initialize(std::shared_ptr<driver::Project> parent,
                  std::shared_ptr<dao::Database> database, const std::string& name,
                  bool exclude_fields);

  std::string Name() const { return name_; }
  void SetName(const std::string& name);
  std::shared_ptr<Fields> GetFields();
  std::string Connect();
  void SetConnect(const std::string& value);
  std::string Description();
  void SetDescription(const std::string& value);
  bool FailOnError();
  void SetFailOnError(bool value);
  std::string Filter();
  void SetFilter(const std::string& value);
  bool LogMessages();
  void SetLogMessages(bool value);
  std::int32_t MaxRecords();
  void SetMaxRecords(std::int32_t value);
  std::int32_t ODBCTimeout();
  void SetODBCTimeout(std::int32_t value);
  std::string OrderBy();
  void SetOrderBy(const std::string& value);
  QueryTypeConstants QueryType();
  RecordLocksConstants RecordLocks();
  void SetRecordLocks(RecordLocksConstants value);
  RecordSetTypeConstants RecordsetType();
  void SetRecordsetType(RecordSetTypeConstants value);
  bool ReturnsRecords();
  void SetReturnsRecords(bool value);
  std::string SQL();
  void SetSQL(const std::string& value);
  bool UseTransaction();
  void SetUseTransaction(bool value);

 protected:
  void Open(std::int32_t mode) override;
  void Close() override;
  void DropReferences() override;

 private:
  dao::QueryDef& Def();
  dao::Properties& Props();
  // Raises "Undefined property." unless the query's DAO type is one of these.
  void Require(bool defined);
  bool TypeIn(std::initializer_list<std::int32_t> types) const;
  // Which properties the query has, by its kind (known while it is open).
  bool HasFields() const;
  bool IsPassThrough() const;
  bool HasFailOnError() const;
  bool IsSelect() const;
  bool HasMaxRecords() const;
  bool HasRecordLocks() const;
  bool HasRecordsetType() const;
  bool IsAction() const;
  com::Variant AppDefined(const char* name, const com::Variant& default_value);
  void SetAppDefined(const char* name, std::int16_t type, const com::Variant& value,
                     const com::Variant& default_value);
  void TearDownFields();

  std::shared_ptr<driver::Project> project_;
  std::shared_ptr<dao::Database> database_;
  bool exclude_fields_ = false;
  std::shared_ptr<dao::QueryDef> query_def_;
  std::shared_ptr<dao::Properties> properties_;
  std::int32_t type_ = 0;  // the DAO type, read when opened and when the SQL changes
  std::shared_ptr<Fields> fields_;
};

}  // namespace objects
