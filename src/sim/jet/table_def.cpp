#include "sim/jet/table_def.h"

#include "sim/jet/connect_string.h"
#include "sim/jet/dao_errors.h"
#include "sim/jet/field_store.h"
#include "sim/jet/link_source.h"
#include "sim/jet/list_collection.h"
#include "sim/jet/properties.h"
#include "sim/jet/stored_property.h"
#include "sim/jet/table_field.h"
#include "sim/jet/table_index.h"

namespace sim::jet {

TableDef::TableDef(std::shared_ptr<Catalog> catalog, std::string name)
    : catalog_(std::move(catalog)) {
  pending_.name = std::move(name);
}

TableDef::TableDef(std::shared_ptr<Catalog> catalog, std::int64_t id)
    : catalog_(std::move(catalog)), id_(id) {}

const TableRow& TableDef::Row() { return TableStore(*catalog_).Get(*id_); }

void TableDef::Change(const std::function<void(TableRow&)>& change) {
  catalog_->Write([&] {
    TableRow row = Row();
    change(row);
    TableStore(*catalog_).Update(row);
  });
}

void TableDef::ChangeValidation(const std::function<void(TableRow&)>& change) {
  Change([&](TableRow& row) {
    if (!row.connect.empty()) RaiseDao(kDaoReadOnly);
    change(row);
  });
}

std::string TableDef::Name() { return appended() ? Row().object.name : pending_.name; }

void TableDef::SetName(const std::string& name) {
  CheckName(name);
  if (!appended()) {
    pending_.name = name;
    return;
  }
  catalog_->Write([&] { TableStore(*catalog_).Rename(*id_, name); });
}

std::int32_t TableDef::Attributes() {
  if (appended()) return Row().attributes;
  return pending_.attributes | ConnectString(pending_.connect).LinkAttributes();
}

void TableDef::SetAttributes(std::int32_t value) {
  if (!appended()) {
    pending_.attributes = value;
    return;
  }
  Change([&](TableRow& row) { row.attributes = value; });
}

std::string TableDef::Connect() { return appended() ? Row().connect : pending_.connect; }

void TableDef::SetConnect(const std::string& value) {
  if (!appended()) {
    pending_.connect = value;
    return;
  }
  Change([&](TableRow& row) {
    if (row.connect.empty() || value.empty()) RaiseDao(kDaoPropertyFixedInCollection);
    row.connect = value;
  });
}

std::string TableDef::SourceTableName() {
  return appended() ? Row().source_table : pending_.source_table;
}

void TableDef::SetSourceTableName(const std::string& value) {
  if (appended()) RaiseDao(kDaoPropertyFixedInCollection);
  pending_.source_table = value;
}

std::string TableDef::ValidationRule() {
  return appended() ? Row().validation_rule : pending_.validation_rule;
}

void TableDef::SetValidationRule(const std::string& value) {
  if (!appended()) {
    pending_.validation_rule = value;
    return;
  }
  ChangeValidation([&](TableRow& row) { row.validation_rule = value; });
}

std::string TableDef::ValidationText() {
  return appended() ? Row().validation_text : pending_.validation_text;
}

void TableDef::SetValidationText(const std::string& value) {
  if (!appended()) {
    pending_.validation_text = value;
    return;
  }
  ChangeValidation([&](TableRow& row) { row.validation_text = value; });
}

com::Date TableDef::DateCreated() { return appended() ? Row().object.created : com::Date{}; }

com::Date TableDef::LastUpdated() { return appended() ? Row().object.updated : com::Date{}; }

std::shared_ptr<dao::Fields> TableDef::GetFields() {
  auto catalog = catalog_;
  const auto id = id_;
  return std::make_shared<ListCollection<dao::Fields, dao::Field>>([catalog, id] {
    std::vector<std::shared_ptr<dao::Field>> fields;
    if (id)
      for (const std::int64_t field_id : FieldStore(*catalog).IdsOf(*id))
        fields.push_back(std::make_shared<TableField>(catalog, field_id));
    return fields;
  });
}

std::shared_ptr<dao::Indexes> TableDef::GetIndexes() {
  auto catalog = catalog_;
  const auto id = id_;
  return std::make_shared<ListCollection<dao::Indexes, dao::Index>>([catalog, id] {
    std::vector<std::shared_ptr<dao::Index>> indexes;
    if (id)
      for (const auto& index : IndexStore(*catalog).OfTable(*id))
        indexes.push_back(std::make_shared<TableIndex>(catalog, index.id));
    return indexes;
  });
}

void TableDef::RefreshLink() {
  if (!appended()) RaiseDao(kDaoInvalidOperation);
  const TableRow row = Row();
  if (row.connect.empty()) RaiseDao(kDaoInvalidOperation);
  if (!ConnectString(row.connect).IsAccessLink()) return;
  const TableSpec source = LinkSource(row.connect, row.source_table).Read(catalog_->clock());
  catalog_->Write([&] { TableStore(*catalog_).Refresh(*id_, source); });
}

std::shared_ptr<dao::Properties> TableDef::GetProperties() {
  return std::make_shared<Properties>(catalog_, shared_from_this());
}

std::shared_ptr<dao::Property> TableDef::CreateProperty(const std::string& name, std::int16_t type,
                                                        const com::Variant& value) {
  return std::make_shared<StoredProperty>(name, type, value);
}

std::int32_t TableDef::RecordCount() {
  if (!appended()) return 0;
  const TableRow row = Row();
  if (!row.connect.empty()) return -1;
  if (row.storage != "table") return 0;
  auto count =
      catalog_->db().Prepare("SELECT COUNT(*) FROM " + SqliteConnection::Quote(row.object.name));
  count.Step();
  return static_cast<std::int32_t>(count.Int(0));
}

std::vector<BuiltInSpec> TableDef::BuiltIns() {
  auto self = shared_from_this();
  auto text = [self](const char* name, std::string (TableDef::*get)(),
                     void (TableDef::*set)(const std::string&)) {
    return BuiltInSpec{name, dao::dbText, [self, get] { return com::Variant(((*self).*get)()); },
                       [self, set](const com::Variant& v) { ((*self).*set)(com::CStr(v)); }};
  };
  auto date = [self](const char* name, com::Date (TableDef::*get)()) {
    return BuiltInSpec{name, dao::dbDate, [self, get] { return com::Variant(((*self).*get)()); },
                       nullptr};
  };
  return {
      text("Name", &TableDef::Name, &TableDef::SetName),
      {"Updatable", dao::dbBoolean, [self] { return com::Variant(!self->catalog_->read_only()); },
       nullptr},
      date("DateCreated", &TableDef::DateCreated),
      date("LastUpdated", &TableDef::LastUpdated),
      text("Connect", &TableDef::Connect, &TableDef::SetConnect),
      {"Attributes", dao::dbLong, [self] { return com::Variant(self->Attributes()); },
       [self](const com::Variant& v) { self->SetAttributes(com::CLng(v)); }},
      text("SourceTableName", &TableDef::SourceTableName, &TableDef::SetSourceTableName),
      {"RecordCount", dao::dbLong, [self] { return com::Variant(self->RecordCount()); }, nullptr},
      text("ValidationRule", &TableDef::ValidationRule, &TableDef::SetValidationRule),
      text("ValidationText", &TableDef::ValidationText, &TableDef::SetValidationText),
      {"ConflictTable", dao::dbText, [] { return com::Variant(std::string()); }, nullptr}};
}

std::optional<PropertyKey> TableDef::StoredKey() {
  if (!appended()) return std::nullopt;
  return PropertyKey{PropertyKey::kObject, *id_, ""};
}

void TableDef::Attach(std::shared_ptr<Catalog> catalog, std::int64_t id) {
  catalog_ = std::move(catalog);
  id_ = id;
  pending_ = TableSpec{};
}

}  // namespace sim::jet
