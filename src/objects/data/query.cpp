#include "objects/data/query.h"

#include <algorithm>

#include "driver/project.h"
#include "objects/data/fields.h"
#include "platform/access.h"
#include "shared/utility.h"
#include "shared/validation.h"
#include "shared/vxhandler.h"

namespace objects {
namespace {
constexpr std::int32_t kTypeMask = 240;
}  // namespace

const com::TypeInfo& Query::Members() const {
  static const com::TypeInfo info =
      com::TypeBuilder<Query>(kClass)
          .Property("Name", &Query::Name, &Query::SetName)
          .Get("Fields", &Query::GetFields)
          .When(&Query::HasFields)
          .Property("Connect", &Query::Connect, &Query::SetConnect)
          .When(&Query::IsPassThrough)
          .Property("Description", &Query::Description, &Query::SetDescription)
          .Property("FailOnError", &Query::FailOnError, &Query::SetFailOnError)
          .When(&Query::HasFailOnError)
          .Property("Filter", &Query::Filter, &Query::SetFilter)
          .When(&Query::IsSelect)
          .Property("LogMessages", &Query::LogMessages, &Query::SetLogMessages)
          .When(&Query::IsPassThrough)
          .Property("MaxRecords", &Query::MaxRecords, &Query::SetMaxRecords)
          .When(&Query::HasMaxRecords)
          .Property("ODBCTimeout", &Query::ODBCTimeout, &Query::SetODBCTimeout)
          .Property("OrderBy", &Query::OrderBy, &Query::SetOrderBy)
          .When(&Query::IsSelect)
          .Get("QueryType", &Query::QueryType)
          .Property("RecordLocks", &Query::RecordLocks, &Query::SetRecordLocks)
          .When(&Query::HasRecordLocks)
          .Property("RecordsetType", &Query::RecordsetType, &Query::SetRecordsetType)
          .When(&Query::HasRecordsetType)
          .Property("ReturnsRecords", &Query::ReturnsRecords, &Query::SetReturnsRecords)
          .When(&Query::IsPassThrough)
          .Property("SQL", &Query::SQL, &Query::SetSQL)
          .Property("UseTransaction", &Query::UseTransaction, &Query::SetUseTransaction)
          .When(&Query::IsAction)
          .Build();
  return info;
}

void Query::Initialize(std::shared_ptr<driver::Project> parent,
                       std::shared_ptr<dao::Database> database, const std::string& name,
                       bool exclude_fields) {
  vxhandler::Guard(kClass, "Initialize", [&] {
    if (!parent) validation::RaiseInvalidArgument("Parent", com::Variant::Nothing());
    if (!database) validation::RaiseInvalidArgument("Database", com::Variant::Nothing());
    if (name.empty()) validation::RaiseInvalidArgument("Name", com::Variant(name));
    project_ = std::move(parent);
    database_ = std::move(database);
    name_ = name;
    exclude_fields_ = exclude_fields;
    mode_ = driver::kModeClosed;
  });
}

dao::QueryDef& Query::Def() {
  if (!query_def_) com::RaiseVb(91);
  return *query_def_;
}

dao::Properties& Query::Props() {
  if (!properties_) com::RaiseVb(91);
  return *properties_;
}

void Query::Open(std::int32_t mode) {
  if (mode == driver::kModeUpdate) {
    RefuseWhenOpenInAccess(*project_, msaccess::acQuery,
                           "Couldn't save changes safely because the query was already open.");
    database_ = project_->Database();
  }
  if (!database_) com::RaiseVb(91);
  query_def_ = database_->GetQueryDefs()->Item(name_);
  properties_ = query_def_->GetProperties();
  type_ = query_def_->Type();
}

void Query::TearDownFields() {
  if (fields_) fields_->TearDown();
  fields_.reset();
}

void Query::Close() {
  TearDownFields();
  query_def_.reset();
  properties_.reset();
}

void Query::DropReferences() {
  Close();
  database_.reset();
  project_.reset();
}

// The open query's definition first (91 when closed), then its kind.
void Query::Require(bool defined) {
  Def();
  validation::RequireProperty(defined);
}

bool Query::TypeIn(std::initializer_list<std::int32_t> types) const {
  return std::find(types.begin(), types.end(), type_) != types.end();
}

bool Query::HasFields() const {
  return TypeIn({dbQSelect, dbQUpdate, dbQAppend, dbQMakeTable, dbQSetOperation});
}
bool Query::IsPassThrough() const { return TypeIn({dbQSQLPassThrough}); }
bool Query::HasFailOnError() const { return TypeIn({dbQDelete, dbQUpdate}); }
bool Query::IsSelect() const { return TypeIn({dbQSelect}); }
bool Query::HasMaxRecords() const {
  return TypeIn({dbQSelect, dbQSQLPassThrough, dbQSetOperation});
}
bool Query::HasRecordLocks() const {
  return TypeIn(
      {dbQSelect, dbQCrosstab, dbQDelete, dbQUpdate, dbQAppend, dbQMakeTable, dbQSetOperation});
}
bool Query::IsAction() const { return TypeIn({dbQDelete, dbQUpdate, dbQAppend, dbQMakeTable}); }
bool Query::HasRecordsetType() const {
  const std::int32_t masked = type_ & kTypeMask;
  return masked == dbQSelect || masked == dbQCrosstab;
}

com::Variant Query::AppDefined(const char* name, const com::Variant& default_value) {
  return Utility::GetAppDefinedProperty(Props(), name, default_value);
}

void Query::SetAppDefined(const char* name, std::int16_t type, const com::Variant& value,
                          const com::Variant& default_value) {
  Utility::SetAppDefinedQueryDefProperty(Def(), Props(), name, type, value, default_value);
}

void Query::SetName(const std::string& name) {
  vxhandler::Guard(kClass, "Name", [&] {
    Def().SetName(name);
    Def().SetSQL(Def().SQL());
    database_->GetContainers()->Item("Tables")->GetDocuments()->Refresh();
    name_ = name;
  });
}

std::shared_ptr<Fields> Query::GetFields() {
  return vxhandler::Guard(kClass, "Fields", [&] {
    Require(HasFields());
    if (!fields_) {
      fields_ = std::make_shared<Fields>();
      if (!exclude_fields_) fields_->Initialize(Def().GetFields());
    }
    return fields_;
  });
}

std::string Query::Connect() {
  Require(IsPassThrough());
  return Def().Connect();
}
void Query::SetConnect(const std::string& value) {
  Def().SetConnect(value);
  type_ = Def().Type();
}

std::string Query::Description() { return com::CStr(AppDefined("Description", "")); }
void Query::SetDescription(const std::string& value) {
  SetAppDefined("Description", dao::dbMemo, value, "");
}

bool Query::FailOnError() {
  Require(HasFailOnError());
  return com::CBool(Props().Item("FailOnError")->Value());
}
void Query::SetFailOnError(bool value) { Props().Item("FailOnError")->SetValue(value); }

std::string Query::Filter() {
  Require(IsSelect());
  return com::CStr(AppDefined("Filter", ""));
}
void Query::SetFilter(const std::string& value) { SetAppDefined("Filter", dao::dbMemo, value, ""); }

bool Query::LogMessages() {
  Require(IsPassThrough());
  return com::CBool(Props().Item("LogMessages")->Value());
}
void Query::SetLogMessages(bool value) { Props().Item("LogMessages")->SetValue(value); }

std::int32_t Query::MaxRecords() {
  Require(HasMaxRecords());
  return Def().MaxRecords();
}
void Query::SetMaxRecords(std::int32_t value) { Def().SetMaxRecords(value); }

std::int32_t Query::ODBCTimeout() { return Def().ODBCTimeout(); }
void Query::SetODBCTimeout(std::int32_t value) { Def().SetODBCTimeout(com::CInt(value)); }

std::string Query::OrderBy() {
  Require(IsSelect());
  return com::CStr(AppDefined("OrderBy", ""));
}
void Query::SetOrderBy(const std::string& value) {
  SetAppDefined("OrderBy", dao::dbMemo, value, "");
}

QueryTypeConstants Query::QueryType() {
  Def();
  return static_cast<QueryTypeConstants>(type_ & kTypeMask);
}

RecordLocksConstants Query::RecordLocks() {
  Require(HasRecordLocks());
  return static_cast<RecordLocksConstants>(com::CLng(Props().Item("RecordLocks")->Value()));
}
void Query::SetRecordLocks(RecordLocksConstants value) {
  Props().Item("RecordLocks")->SetValue(static_cast<std::int32_t>(value));
}

RecordSetTypeConstants Query::RecordsetType() {
  Require(HasRecordsetType());
  return static_cast<RecordSetTypeConstants>(
      com::CLng(AppDefined("RecordsetType", std::int16_t{0})));
}
// The value arrives as a 32-bit integer and the default is a 16-bit one, so
// no value equals the default: the property is always stored, never removed.
void Query::SetRecordsetType(RecordSetTypeConstants value) {
  SetAppDefined("RecordsetType", dao::dbByte, static_cast<std::int32_t>(value), std::int16_t{0});
}

bool Query::ReturnsRecords() {
  Require(IsPassThrough());
  return com::CBool(Props().Item("ReturnsRecords")->Value());
}
void Query::SetReturnsRecords(bool value) { Props().Item("ReturnsRecords")->SetValue(value); }

std::string Query::SQL() { return Def().SQL(); }
void Query::SetSQL(const std::string& value) {
  Def().SetSQL(value);
  type_ = Def().Type();
}

bool Query::UseTransaction() {
  Require(IsAction());
  return com::CBool(AppDefined("UseTransaction", false));
}
void Query::SetUseTransaction(bool value) {
  SetAppDefined("UseTransaction", dao::dbBoolean, value, false);
}

}  // namespace objects
