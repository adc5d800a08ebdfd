#include "objects/data/table.h"

#include "com/text.h"
#include "driver/project.h"
#include "objects/data/fields.h"
#include "objects/data/indexes.h"
#include "platform/access.h"
#include "platform/system.h"
#include "shared/utility.h"
#include "shared/validation.h"
#include "shared/vxhandler.h"

namespace objects {
namespace {

constexpr std::int32_t kLinkBits = dao::dbAttachedTable | dao::dbAttachedODBC;
// System-object, hidden, exclusive-link and saved-password bits.
constexpr std::int32_t kKeptAttributes = static_cast<std::int32_t>(0x80030003u);
constexpr std::int32_t kSourceObjectNotFound = 3011;
constexpr const char* kCopyExclusions =
    "Name;DateCreated;LastUpdated;Updatable;Connect;SourceTableName;Attributes;RecordCount;"
    "ValidationRule;ValidationText;ConflictTable";

}  // namespace

const com::TypeInfo& Table::Members() const {
  static const com::TypeInfo info =
      com::TypeBuilder<Table>(kClass)
          .Property("Name", &Table::Name, &Table::SetName)
          .Get("Indexes", &Table::GetIndexes)
          .When(&Table::IsLocal)
          .Get("Fields", &Table::GetFields)
          .Property("Connect", &Table::Connect, &Table::SetConnect)
          .When(&Table::IsLinked)
          .Property("Description", &Table::Description, &Table::SetDescription)
          .Property("Filter", &Table::Filter, &Table::SetFilter)
          .Property("OrderBy", &Table::OrderBy, &Table::SetOrderBy)
          .Property("SourceTableName", &Table::SourceTableName, &Table::SetSourceTableName)
          .When(&Table::IsLinked)
          .Get("TableType", &Table::TableType)
          .Property("ValidationRule", &Table::ValidationRule, &Table::SetValidationRule)
          .Property("ValidationText", &Table::ValidationText, &Table::SetValidationText)
          .Build();
  return info;
}

void Table::Initialize(std::shared_ptr<driver::Project> parent,
                       std::shared_ptr<dao::Workspace> workspace,
                       std::shared_ptr<dao::Database> database, const std::string& name,
                       bool exclude_fields) {
  vxhandler::Guard(kClass, "Initialize", [&] {
    project_ = std::move(parent);
    workspace_ = std::move(workspace);
    database_ = std::move(database);
    name_ = name;
    exclude_fields_ = exclude_fields;
    mode_ = driver::kModeClosed;
  });
}

dao::TableDef& Table::Def() {
  if (!table_def_) com::RaiseVb(91);
  return *table_def_;
}

dao::Properties& Table::Props() {
  if (!properties_) com::RaiseVb(91);
  return *properties_;
}

bool Table::IsLinked() { return (Def().Attributes() & kLinkBits) != 0; }
bool Table::IsLocal() { return !IsLinked(); }

void Table::Open(std::int32_t mode) {
  if (mode == driver::kModeUpdate) {
    RefuseWhenOpenInAccess(*project_, msaccess::acTable,
                           "Couldn't save changes safely because the table was already open.");
    database_ = project_->Database();
  }
  if (!database_) com::RaiseVb(91);
  table_def_ = database_->GetTableDefs()->Item(name_);
  properties_ = table_def_->GetProperties();
}

void Table::TearDownSubCollections() {
  if (fields_) fields_->TearDown();
  if (indexes_) indexes_->TearDown();
  fields_.reset();
  indexes_.reset();
}

void Table::Close() {
  TearDownSubCollections();
  table_def_.reset();
  properties_.reset();
}

void Table::DropReferences() {
  TearDownSubCollections();
  table_def_.reset();
  properties_.reset();
  database_.reset();
  workspace_.reset();
  project_.reset();
}

void Table::SetName(const std::string& name) {
  vxhandler::Guard(kClass, "Name", [&] {
    Def().SetName(name);
    database_->GetContainers()->Item("Tables")->GetDocuments()->Refresh();
    name_ = name;
  });
}

std::shared_ptr<Indexes> Table::GetIndexes() {
  return vxhandler::Guard(kClass, "Indexes", [&] {
    validation::RequireProperty(IsLocal());
    if (!indexes_) {
      indexes_ = std::make_shared<Indexes>();
      indexes_->Initialize(Def().GetIndexes());
    }
    return indexes_;
  });
}

std::shared_ptr<Fields> Table::GetFields() {
  return vxhandler::Guard(kClass, "Fields", [&] {
    if (!fields_) {
      fields_ = std::make_shared<Fields>();
      if (Def().Connect().empty() || !exclude_fields_) fields_->Initialize(Def().GetFields());
    }
    return fields_;
  });
}

std::string Table::Connect() {
  validation::RequireProperty(IsLinked());
  return Def().Connect();
}

void Table::SetConnect(const std::string& connect) {
  Def().SetConnect(connect);
  Def().RefreshLink();
}

std::string Table::AppDefined(const char* name) {
  return com::CStr(Utility::GetAppDefinedProperty(Props(), name, com::Variant("")));
}

void Table::SetAppDefined(const char* name, const std::string& value) {
  Utility::SetAppDefinedTableDefProperty(Def(), Props(), name, dao::dbMemo, com::Variant(value),
                                         com::Variant(""));
}

std::string Table::Description() { return AppDefined("Description"); }
void Table::SetDescription(const std::string& value) { SetAppDefined("Description", value); }
std::string Table::Filter() { return AppDefined("Filter"); }
void Table::SetFilter(const std::string& value) { SetAppDefined("Filter", value); }
std::string Table::OrderBy() { return AppDefined("OrderBy"); }
void Table::SetOrderBy(const std::string& value) { SetAppDefined("OrderBy", value); }

std::string Table::SourceTableName() {
  validation::RequireProperty(IsLinked());
  return Def().SourceTableName();
}

TableTypeConstants Table::TableType() {
  const std::int32_t attributes = Def().Attributes();
  if (attributes & dao::dbAttachedODBC) return acODBCTable;
  if (attributes & dao::dbAttachedTable) return acLinkedTable;
  return acBaseTable;
}

std::string Table::ValidationRule() { return Def().ValidationRule(); }
void Table::SetValidationRule(const std::string& value) { Def().SetValidationRule(value); }
std::string Table::ValidationText() { return Def().ValidationText(); }
void Table::SetValidationText(const std::string& value) { Def().SetValidationText(value); }

void Table::RefuseFrontEndRelationships() {
  auto relations = database_->GetRelations();
  relations->Refresh();
  for (std::int32_t i = 0; i < relations->Count(); ++i) {
    auto relation = relations->Item(i);
    if (relation->Attributes() & dao::dbRelationInherited) continue;
    if (com::EqualsNoCase(relation->Table(), name_) ||
        com::EqualsNoCase(relation->ForeignTable(), name_))
      validation::RaiseMessage(
          "The table is involved in one or more relationships which exist in the front-end "
          "database. In order to modify this property you will need to delete the "
          "relationship(s).");
  }
}

// A linked table takes a new source table by being rebuilt: a new linked
// table under a temporary name gets the old one's attributes, properties,
// permissions and owner, the old one is deleted and the new one takes its
// name. Until the old table is gone, a failure deletes the new one again.
void Table::SetSourceTableName(const std::string& source_table) {
  std::shared_ptr<dao::TableDef> created;
  bool appended = false;
  bool old_deleted = false;
  const bool backends_were_open = project_->Backends().Opened();
  vxhandler::GuardWithRollback(
      kClass, "SourceTableName",
      [&] {
        RefuseFrontEndRelationships();
        project_->CloseBackendDatabases();
        auto table_defs = database_->GetTableDefs();
        auto documents = database_->GetContainers()->Item("Tables")->GetDocuments();
        const std::string old_name = name_;
        const std::string connect = Def().Connect();
        const std::string temporary =
            std::to_string(platform::System::Current().clock().GetTickCount()) + "_tvtemp";
        created = database_->CreateTableDef(temporary);
        created->SetSourceTableName(source_table);
        created->SetConnect(connect);
        if (auto error = com::Capture([&] { table_defs->Append(created); })) {
          if (error->Number() == kSourceObjectNotFound)
            validation::RaiseMessage(
                "The specified source table '" + source_table +
                "' was not found in the backend database located at '" + connect + "'." +
                "\r\n\r\nCAUSE: Either the backend table is missing or the front-end table is "
                "linked to the wrong database.\r\n\r\nTIP: When renaming objects in a front-end "
                "database, you should include the backend database(s) in your search to ensure "
                "that all backend table names are updated.");
          com::Raise(error->Number(), error->Description());
        }
        appended = true;
        documents->Refresh();
        auto new_properties = created->GetProperties();
        created->SetAttributes(Def().Attributes() & kKeptAttributes);
        Utility::CopyDaoObjectProperties(Def(), *created, kCopyExclusions);
        Utility::CopyDaoDocumentProperties(*workspace_, *documents->Item(old_name),
                                           *documents->Item(temporary));
        table_def_.reset();
        table_defs->Delete(old_name);
        old_deleted = true;
        table_def_ = created;
        properties_ = new_properties;
        table_def_->SetName(old_name);
        documents->Refresh();
        TearDownSubCollections();
        project_->OpenBackendDatabases();
      },
      [&] {
        if (appended && !old_deleted) database_->GetTableDefs()->Delete(created->Name());
        if (!table_def_) {
          table_def_ = database_->GetTableDefs()->Item(name_);
          properties_ = table_def_->GetProperties();
        }
        if (backends_were_open) project_->OpenBackendDatabases();
      });
}

void Table::IObject_Reconstitute() {
  vxhandler::Guard(kClass, "IObject_Reconstitute", [&] {
    auto table = database_->GetTableDefs()->Item(name_);
    const std::string connect = table->Connect();
    if (connect.empty()) return;
    std::string type, path;
    Utility::ParseConnectString(connect, type, path);
    if (type.empty()) com::IgnoreErrors([&] { table->RefreshLink(); });
  });
}

}  // namespace objects
