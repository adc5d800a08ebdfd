#include "sim/access/open_documents.h"

#include "platform/access.h"
#include "sim/access/access_errors.h"
#include "sim/access/access_object.h"
#include "sim/access/application.h"
#include "sim/access/document_design.h"
#include "sim/access/item_lookup.h"

namespace sim::access {
namespace {

[[noreturn]] void RaiseMissing(std::int32_t object_type, const com::Variant& index) {
  const bool by_name = index.IsString();
  switch (object_type) {
    case msaccess::acForm:
      RaiseAccess(by_name ? kOpenFormNotFound : kInvalidFormNumber, com::CStr(index));
    case msaccess::acReport:
      RaiseAccess(by_name ? kOpenReportNotFound : kInvalidReportNumber, com::CStr(index));
    default: RaiseAccess(kObjectClosedOrMissing);
  }
}

}  // namespace

const com::TypeInfo& OpenDocuments::Members() const {
  static const com::TypeInfo info = com::TypeBuilder<OpenDocuments>("OpenDocuments")
                                        .Get("Count", &OpenDocuments::Count)
                                        .Method("Item", &OpenDocuments::Item)
                                        .Build();
  return info;
}

std::int32_t OpenDocuments::Count() { return static_cast<std::int32_t>(Names().size()); }

com::ObjectRef OpenDocuments::Item(const com::Variant& index) {
  const auto name = ItemName(Names(), index, 0);
  if (!name) RaiseMissing(type_, index);
  auto* documents = Application::Served(application_)->Documents();
  if (type_ == msaccess::acModule) return documents->ModuleCode(*name);
  if (auto design = documents->Design(type_, *name)) return design;
  return std::make_shared<AccessObject>(application_, type_, *name);
}

std::vector<std::string> OpenDocuments::Names() const {
  auto* documents = Application::Served(application_)->Documents();
  return documents ? documents->OpenNames(type_) : std::vector<std::string>{};
}

}  // namespace sim::access
