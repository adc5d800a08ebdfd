#include "sim/jet/query_def.h"

#include "sim/jet/dao_errors.h"
#include "sim/jet/list_collection.h"
#include "sim/jet/object_store.h"
#include "sim/jet/properties.h"
#include "sim/jet/query_columns.h"
#include "sim/jet/query_field.h"
#include "sim/jet/query_text.h"
#include "sim/jet/stored_property.h"

namespace sim::jet {
namespace {

bool IsPassThrough(std::int16_t type) {
  return type == dao::dbQSQLPassThrough || type == dao::dbQSPTBulk;
}

bool IsAction(std::int16_t type) {
  return type == dao::dbQDelete || type == dao::dbQUpdate || type == dao::dbQAppend ||
         type == dao::dbQMakeTable;
}

}  // namespace

void QueryDef::Change(const std::function<void(QueryRow&)>& change) {
  catalog_->Write([&] {
    QueryRow row = Row();
    change(row);
    QueryStore(*catalog_).Update(row);
  });
}

void QueryDef::SetName(const std::string& name) {
  CheckName(name);
  catalog_->Write([&] { ObjectStore(*catalog_).Rename(id_, name, kDaoObjectExists); });
}

void QueryDef::SetSQL(const std::string& sql) {
  Change([&](QueryRow& row) { row.sql = sql; });
}

std::int16_t QueryDef::Type() { return QueryStore(*catalog_).Type(id_); }

void QueryDef::SetConnect(const std::string& value) {
  Change([&](QueryRow& row) { row.connect = value; });
}

void QueryDef::SetMaxRecords(std::int32_t value) {
  Change([&](QueryRow& row) { row.max_records = value; });
}

void QueryDef::SetODBCTimeout(std::int16_t value) {
  Change([&](QueryRow& row) { row.odbc_timeout = value; });
}

std::shared_ptr<dao::Fields> QueryDef::GetFields() {
  auto catalog = catalog_;
  const QueryRow row = Row();
  return std::make_shared<ListCollection<dao::Fields, dao::Field>>([catalog, row] {
    std::vector<std::shared_ptr<dao::Field>> fields;
    for (auto& column : QueryColumns(*catalog).Of(row))
      fields.push_back(std::make_shared<QueryField>(catalog, row.object.id, column,
                                                    static_cast<std::int16_t>(fields.size())));
    return fields;
  });
}

std::shared_ptr<dao::Properties> QueryDef::GetProperties() {
  return std::make_shared<Properties>(catalog_, shared_from_this());
}

std::shared_ptr<dao::Property> QueryDef::CreateProperty(const std::string& name, std::int16_t type,
                                                        const com::Variant& value) {
  return std::make_shared<StoredProperty>(name, type, value);
}

// The getters and setters hold the query by address: the Properties
// collection and each property it hands out keep the query alive.
std::vector<BuiltInSpec> QueryDef::BuiltIns() {
  std::vector<BuiltInSpec> specs;
  specs.reserve(kMostBuiltIns);
  AddCommonBuiltIns(specs);
  AddTypeBuiltIns(Type(), specs);
  return specs;
}

std::vector<BuiltInSpec> QueryDef::EveryBuiltIn() {
  std::vector<BuiltInSpec> specs;
  AddCommonBuiltIns(specs);
  for (const std::int16_t type : {dao::dbQSQLPassThrough, dao::dbQDelete, dao::dbQSelect})
    AddTypeBuiltIns(type, specs);
  return specs;
}

void QueryDef::AddCommonBuiltIns(std::vector<BuiltInSpec>& specs) {
  QueryDef* self = this;
  specs.push_back({"Name", dao::dbText, [self] { return com::Variant(self->Name()); },
                   [self](const com::Variant& v) { self->SetName(com::CStr(v)); }});
  specs.push_back({"DateCreated", dao::dbDate,
                   [self] { return com::Variant(self->Row().object.created); }, nullptr});
  specs.push_back({"LastUpdated", dao::dbDate,
                   [self] { return com::Variant(self->Row().object.updated); }, nullptr});
  specs.push_back({"Type", dao::dbInteger, [self] { return com::Variant(self->Type()); }, nullptr});
  specs.push_back({"SQL", dao::dbMemo, [self] { return com::Variant(self->SQL()); },
                   [self](const com::Variant& v) { self->SetSQL(com::CStr(v)); }});
  specs.push_back({"Updatable", dao::dbBoolean,
                   [self] { return com::Variant(!self->catalog_->read_only()); }, nullptr});
  specs.push_back({"Connect", dao::dbMemo, [self] { return com::Variant(self->Connect()); },
                   [self](const com::Variant& v) { self->SetConnect(com::CStr(v)); }});
  specs.push_back({"ODBCTimeout", dao::dbInteger,
                   [self] { return com::Variant(self->ODBCTimeout()); },
                   [self](const com::Variant& v) { self->SetODBCTimeout(com::CInt(v)); }});
  specs.push_back({"MaxRecords", dao::dbLong, [self] { return com::Variant(self->MaxRecords()); },
                   [self](const com::Variant& v) { self->SetMaxRecords(com::CLng(v)); }});
}

void QueryDef::AddTypeBuiltIns(std::int16_t type, std::vector<BuiltInSpec>& specs) {
  QueryDef* self = this;
  auto flag = [self](const char* name, bool QueryRow::*member) {
    return BuiltInSpec{name, dao::dbBoolean,
                       [self, member] { return com::Variant(self->Row().*member); },
                       [self, member](const com::Variant& v) {
                         self->Change([&](QueryRow& row) { row.*member = com::CBool(v); });
                       }};
  };
  if (IsPassThrough(type)) {
    specs.push_back(flag("ReturnsRecords", &QueryRow::returns_records));
    specs.push_back(flag("LogMessages", &QueryRow::log_messages));
  }
  if (IsAction(type)) specs.push_back(flag("FailOnError", &QueryRow::fail_on_error));
  if (!IsPassThrough(type) && type != dao::dbQDDL)
    specs.push_back({"RecordLocks", dao::dbByte,
                     [self] { return com::Variant(self->Row().record_locks); },
                     [self](const com::Variant& v) {
                       self->Change([&](QueryRow& row) { row.record_locks = com::CByte(v); });
                     }});
}

std::optional<PropertyKey> QueryDef::StoredKey() {
  return PropertyKey{PropertyKey::kObject, id_, ""};
}

}  // namespace sim::jet
