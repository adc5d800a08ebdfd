#include "sim/jet/document.h"

#include "sim/jet/properties.h"
#include "sim/jet/stored_property.h"

namespace sim::jet {

Document::Document(std::shared_ptr<Catalog> catalog, std::int64_t id)
    : catalog_(std::move(catalog)), id_(id), user_name_(catalog_->account().user) {}

std::string Document::Container() { return ObjectStore(*catalog_).Get(Row().parent_id).name; }

std::int32_t Document::Permissions() { return ObjectStore(*catalog_).Permissions(id_, user_name_); }

void Document::SetPermissions(std::int32_t value) {
  catalog_->Write([&] { ObjectStore(*catalog_).SetPermissions(id_, user_name_, value); });
}

std::int32_t Document::AllPermissions() {
  ObjectStore objects(*catalog_);
  std::int32_t permissions = objects.Permissions(id_, user_name_);
  for (const auto& group : catalog_->account().workgroup->GroupsOf(user_name_))
    permissions |= objects.Permissions(id_, group);
  return permissions;
}

void Document::SetOwner(const std::string& account) {
  catalog_->Write([&] { ObjectStore(*catalog_).SetOwner(id_, account); });
}

std::shared_ptr<dao::Properties> Document::GetProperties() {
  return std::make_shared<Properties>(catalog_, shared_from_this());
}

std::shared_ptr<dao::Property> Document::CreateProperty(const std::string& name, std::int16_t type,
                                                        const com::Variant& value) {
  return std::make_shared<StoredProperty>(name, type, value);
}

std::vector<BuiltInSpec> Document::BuiltIns() {
  auto self = shared_from_this();
  auto text = [self](const char* name, std::string (Document::*get)()) {
    return BuiltInSpec{name, dao::dbText, [self, get] { return com::Variant(((*self).*get)()); },
                       nullptr};
  };
  auto number = [self](const char* name, std::int32_t (Document::*get)()) {
    return BuiltInSpec{name, dao::dbLong, [self, get] { return com::Variant(((*self).*get)()); },
                       nullptr};
  };
  auto date = [self](const char* name, com::Date (Document::*get)()) {
    return BuiltInSpec{name, dao::dbDate, [self, get] { return com::Variant(((*self).*get)()); },
                       nullptr};
  };
  std::vector<BuiltInSpec> specs = {text("Name", &Document::Name),
                                    text("Owner", &Document::Owner),
                                    text("Container", &Document::Container),
                                    text("UserName", &Document::UserName),
                                    number("Permissions", &Document::Permissions),
                                    number("AllPermissions", &Document::AllPermissions),
                                    date("DateCreated", &Document::DateCreated),
                                    date("LastUpdated", &Document::LastUpdated)};
  specs[1].set = [self](const com::Variant& v) { self->SetOwner(com::CStr(v)); };
  specs[3].set = [self](const com::Variant& v) { self->SetUserName(com::CStr(v)); };
  specs[4].set = [self](const com::Variant& v) { self->SetPermissions(com::CLng(v)); };
  return specs;
}

std::optional<PropertyKey> Document::StoredKey() {
  return PropertyKey{PropertyKey::kObject, id_, ""};
}

}  // namespace sim::jet
