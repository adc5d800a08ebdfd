#include "sim/access/current_file.h"

#include <filesystem>

#include "com/error.h"
#include "platform/access.h"
#include "sim/access/access_errors.h"
#include "sim/access/current_database.h"
#include "sim/access/document_kind.h"
#include "sim/jet/dao_errors.h"
#include "sim/jet/object_store.h"

namespace sim::access {
namespace {

constexpr std::int32_t kAdmitsNoConnections = 1;
constexpr std::int32_t kAdmitsConnections = 2;

}  // namespace

std::shared_ptr<CurrentFile> CurrentFile::Open(jet::Sessions& sessions, dao::Workspace& session,
                                               const std::string& path, bool exclusive,
                                               bool read_only,
                                               const std::string& database_password) {
  const std::string full_name = std::filesystem::absolute(path).lexically_normal().string();
  const std::string connect = database_password.empty() ? "" : ";PWD=" + database_password;
  auto database = std::dynamic_pointer_cast<jet::Database>(
      session.OpenDatabase(full_name, exclusive, read_only, connect));
  return std::make_shared<CurrentFile>(sessions, std::move(database), full_name, connect);
}

CurrentFile::CurrentFile(jet::Sessions& sessions, std::shared_ptr<jet::Database> database,
                         std::string full_name, std::string connect)
    : sessions_(sessions),
      database_(std::move(database)),
      full_name_(std::move(full_name)),
      connect_(std::move(connect)) {}

CurrentFile::~CurrentFile() { Close(); }

void CurrentFile::Close() {
  if (!open_) return;
  open_ = false;
  if (admits_no_connections_ && ConnectionControl() == kAdmitsNoConnections)
    sessions_.SetConnectionControl(full_name_, kAdmitsConnections);
  com::IgnoreErrors([&] { database_->Close(); });
}

std::string CurrentFile::Name() const {
  return std::filesystem::path(full_name_).filename().string();
}

std::string CurrentFile::Path() const {
  return std::filesystem::path(full_name_).parent_path().string();
}

std::string CurrentFile::ProjectName() const {
  return std::filesystem::path(full_name_).stem().string();
}

std::string CurrentFile::User() const { return database_->catalog()->account().user; }

std::shared_ptr<dao::Database> CurrentFile::CurrentDB() const {
  return std::make_shared<CurrentDatabase>(database_->catalog(), full_name_, connect_);
}

std::optional<com::Variant> CurrentFile::DatabaseProperty(const std::string& name) const {
  std::optional<com::Variant> value;
  com::IgnoreErrors([&] { value = database_->GetProperties()->Item(name)->Value(); });
  return value;
}

std::vector<std::string> CurrentFile::DocumentNames(const std::string& container) const {
  auto documents = database_->GetContainers()->Item(container)->GetDocuments();
  std::vector<std::string> names;
  for (std::int32_t i = 0; i < documents->Count(); ++i) names.push_back(documents->Item(i)->Name());
  return names;
}

std::optional<std::string> CurrentFile::Find(std::int32_t object_type,
                                             const std::string& name) const {
  std::optional<std::string> found;
  com::IgnoreErrors([&] {
    switch (object_type) {
      case msaccess::acTable: found = database_->GetTableDefs()->Item(name)->Name(); break;
      case msaccess::acQuery: found = database_->GetQueryDefs()->Item(name)->Name(); break;
      default:
        found = database_->GetContainers()
                    ->Item(KindOf(object_type).container)
                    ->GetDocuments()
                    ->Item(name)
                    ->Name();
    }
  });
  return found;
}

std::int16_t CurrentFile::QueryType(const std::string& name) const {
  return database_->GetQueryDefs()->Item(name)->Type();
}

void CurrentFile::Rename(std::int32_t object_type, const std::string& old_name,
                         const std::string& new_name) {
  switch (object_type) {
    case msaccess::acTable: database_->GetTableDefs()->Item(old_name)->SetName(new_name); break;
    case msaccess::acQuery: database_->GetQueryDefs()->Item(old_name)->SetName(new_name); break;
    default: RenameDocument(KindOf(object_type).container, old_name, new_name);
  }
}

void CurrentFile::RenameDocument(const std::string& container, const std::string& old_name,
                                 const std::string& new_name) {
  jet::CheckName(new_name);
  auto& catalog = *database_->catalog();
  catalog.Write([&] {
    jet::ObjectStore objects(catalog);
    const auto document = objects.Find(objects.Container(container), old_name);
    if (!document) jet::RaiseDao(jet::kDaoObjectNotFound, old_name);
    objects.Rename(document->id, new_name, jet::kDaoObjectExists);
  });
}

std::int32_t CurrentFile::ConnectionControl() const {
  return sessions_.ConnectionControl(full_name_);
}

void CurrentFile::SetConnectionControl(std::int32_t value) {
  if (value != kAdmitsNoConnections && value != kAdmitsConnections)
    RaiseAccess(kAdoInvalidArgument);
  sessions_.SetConnectionControl(full_name_, value);
  admits_no_connections_ = value == kAdmitsNoConnections;
}

}  // namespace sim::access
