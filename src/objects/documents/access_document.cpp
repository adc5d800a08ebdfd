#include "objects/documents/access_document.h"

#include <optional>

#include "com/text.h"
#include "driver/project.h"
#include "platform/access.h"
#include "shared/no_popups_hook.h"
#include "shared/utility.h"
#include "shared/validation.h"
#include "shared/vxhandler.h"
#include "ui/dispatcher.h"

namespace objects {
namespace {

constexpr std::int32_t kSaveYes = 1;
constexpr std::int32_t kSaveNo = 2;

}  // namespace

void AccessDocument::Initialize(std::shared_ptr<driver::Project> project,
                                std::shared_ptr<ui::Dispatcher> dispatcher,
                                std::int32_t project_type, const std::string& name) {
  vxhandler::Guard(kind_.class_name, "Initialize", [&] {
    project_ = std::move(project);
    dispatcher_ = std::move(dispatcher);
    project_type_ = project_type;
    name_ = name;
    mode_ = driver::kModeClosed;
  });
}

com::ObjectRef AccessDocument::App() const {
  auto app = dispatcher_ ? dispatcher_->AccessApp() : nullptr;
  if (!app) com::RaiseVb(91);
  return app;
}

std::shared_ptr<dao::Document> AccessDocument::Document() {
  auto current = project_->CurrentDB();
  if (!current) com::RaiseVb(91);
  return current->GetContainers()->Item(kind_.container)->GetDocuments()->Item(name_);
}

com::ObjectRef AccessDocument::ProjectItem() const {
  auto all = com::CObj(com::CObj(App()->Get("CurrentProject"))->Get(kind_.all_member));
  return com::CObj(all->Call("Item", {com::Variant(name_)}));
}

std::string AccessDocument::Description() {
  return vxhandler::Guard(kind_.class_name, "Description", [&] {
    switch (project_type_) {
      case msaccess::acADP: return Utility::GetADPDescription(*ProjectItem());
      case msaccess::acMDB: return Utility::GetDocDescription(*Document());
      default: validation::RaiseInvalidCaseSelector(com::Variant(project_type_));
    }
  });
}

void AccessDocument::SetDescription(const std::string& description) {
  vxhandler::Guard(kind_.class_name, "Description", [&] {
    switch (project_type_) {
      case msaccess::acADP: Utility::SetADPDescription(*ProjectItem(), description); break;
      case msaccess::acMDB: Utility::SetDocDescription(*Document(), description); break;
      default: validation::RaiseInvalidCaseSelector(com::Variant(project_type_));
    }
  });
}

void AccessDocument::SetName(const std::string& name) {
  // Refused before anything is closed: the document stays as it was.
  vxhandler::Guard(kind_.class_name, "Name", [&] {
    if (Utility::RelationshipsWindowIsOpen(com::CLng(App()->Get("hWndAccessApp"))))
      validation::RaiseMessage(
          "Can't rename this object while the Relationships window is open. To save this "
          "replacement, you will need to switch to your Access session and close the "
          "Relationships window.");
  });
  std::optional<shared::NoPopupsHook> hook;
  vxhandler::GuardWithRollback(
      kind_.class_name, "Name",
      [&] {
        SetMode(driver::kModeClosed);
        hook.emplace();
        DoCmd()->Call("Rename", {com::Variant(name), com::Variant(kind_.object_type),
                                 com::Variant(name_)});
        hook.reset();
        name_ = name;
        SetMode(driver::kModeUpdate);
      },
      [&] {
        hook.reset();
        SetMode(driver::kModeUpdate);
      });
}

com::ObjectRef AccessDocument::DoCmd() const { return com::CObj(App()->Get("DoCmd")); }

com::ObjectRef AccessDocument::OpenModuleNamed(const std::string& module) const {
  return com::CObj(com::CObj(App()->Get("Modules"))->Call("Item", {com::Variant(module)}));
}

// Goes through the open documents by number: asked for a name that is not
// open, the collection raises an error, and every document asks this before
// it is opened.
com::ObjectRef AccessDocument::FindOpen(const char* collection, const std::string& name) const {
  const auto open = com::CObj(App()->Get(collection));
  const std::int32_t count = com::CLng(open->Get("Count"));
  for (std::int32_t i = 0; i < count; ++i) {
    auto document = com::CObj(open->Call("Item", {com::Variant(i)}));
    if (com::EqualsNoCase(com::CStr(document->Get("Name")), name)) return document;
  }
  return nullptr;
}

void AccessDocument::OpenModuleHidden(const std::string& module) {
  dispatcher_->HideVBEWindow();
  DoCmd()->Call("OpenModule", {com::Variant(module)});
}

void AccessDocument::CloseModuleNamed(const std::string& module, bool save) {
  DoCmd()->Call("Close", {com::Variant(msaccess::acModule), com::Variant(module),
                          com::Variant(save ? kSaveYes : kSaveNo)});
  dispatcher_->RestoreVBEWindow();
}

void AccessDocument::CloseDocument(bool save) {
  DoCmd()->Call("Close", {com::Variant(kind_.object_type), com::Variant(name_),
                          com::Variant(save ? kSaveYes : kSaveNo)});
}

void AccessDocument::BeQuiet() {
  hook_.emplace();
  sounds_.emplace();
}

void AccessDocument::EndQuiet() {
  hook_.reset();
  sounds_.reset();
}

void AccessDocument::DropDocumentReferences() {
  dispatcher_.reset();
  project_.reset();
}

}  // namespace objects
