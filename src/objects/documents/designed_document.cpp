#include "objects/documents/designed_document.h"

#include "driver/project.h"
#include "objects/code/procedures.h"
#include "objects/documents/controls.h"
#include "objects/documents/sections.h"
#include "platform/access.h"
#include "shared/validation.h"
#include "shared/vxhandler.h"

namespace objects {
std::string DesignedDocument::ModuleName() const { return design_.module_prefix + name_; }

void DesignedDocument::OnlyInProject(com::Member& member) {
  member.get = [get = member.get](com::Dispatch& object, std::span<const com::Variant> args) {
    if (!dynamic_cast<DesignedDocument&>(object).InProject()) validation::RaiseUndefinedProperty();
    return get(object, args);
  };
  member.defined = [](com::Dispatch& object) {
    return dynamic_cast<DesignedDocument&>(object).InProject();
  };
}

com::Dispatch& DesignedDocument::MirrorTarget() {
  if (!document_) com::RaiseVb(91);
  return *document_;
}

std::shared_ptr<Sections> DesignedDocument::GetSections() {
  return vxhandler::Guard(DocumentKind().class_name, "Sections", [&] {
    if (!sections_) {
      sections_ = std::make_shared<Sections>();
      if (document_) FillSections(*sections_, document_);
    }
    return sections_;
  });
}

std::shared_ptr<Controls> DesignedDocument::GetControls() {
  return vxhandler::Guard(DocumentKind().class_name, "Controls", [&] {
    if (!controls_) {
      controls_ = std::make_shared<Controls>();
      if (document_)
        controls_->Initialize(com::CObj(document_->Get("Controls")), DocumentKind().object_type);
    }
    return controls_;
  });
}

std::shared_ptr<Procedures> DesignedDocument::GetProcedures() {
  return vxhandler::Guard(DocumentKind().class_name, "Procedures", [&] {
    if (!procedures_) {
      procedures_ = std::make_shared<Procedures>();
      if (module_) procedures_->Initialize(module_);
    }
    return procedures_;
  });
}

com::ObjectRef DesignedDocument::OpenDocumentNamed() const {
  return com::CObj(com::CObj(App()->Get(DocumentKind().collection))->Call("Item", {com::Variant(name_)}));
}

void DesignedDocument::Open(std::int32_t mode) {
  project_->CloseDatabase();
  if (mode == driver::kModeUpdate && !project_->IsLocked())
    validation::RaiseMessage("Couldn't obtain exclusive access to the database.");
  auto app = App();
  const bool under_scc = project_->IsUnderScc();
  com::ObjectRef open_document;
  com::ObjectRef open_module;
  com::IgnoreErrors([&] { open_document = FindOpen(DocumentKind().collection, name_); });
  com::IgnoreErrors([&] { open_module = FindOpen("Modules", ModuleName()); });
  if (under_scc)
    com::IgnoreErrors([&] {
      if (auto current = project_->CurrentDB()) scc_.Fetch(*current, DocumentKind().container);
    });
  if (open_document) CheckOpenDocument(*open_document, mode);
  if (open_module && mode == driver::kModeUpdate)
    validation::RaiseMessage(std::string("Couldn't save changes safely because the ") +
                             design_.word + "'s module was already open.");
  CheckBeforeOpening();
  BeQuiet();
  if (open_document) {
    document_ = open_document;
  } else {
    OpenDocument();
  }
  OpenModule(open_module != nullptr);
}

void DesignedDocument::OpenDocument() {
  opened_document_ = true;
  scc_.Allow();
  OpenInDesignView();
  scc_.PutBack();
  document_ = OpenDocumentNamed();
  Opened(*document_);
}

void DesignedDocument::OpenModule(bool module_was_open) {
  if (!com::CBool(document_->Get("HasModule"))) return;
  if (!module_was_open) {
    opened_module_ = true;
    OpenModuleHidden(ModuleName());
  }
  module_ = OpenModuleNamed(ModuleName());
}

void DesignedDocument::TearDownSubCollections() {
  if (procedures_) procedures_->TearDown();
  if (sections_) sections_->TearDown();
  if (controls_) controls_->TearDown();
  procedures_.reset();
  sections_.reset();
  controls_.reset();
}

void DesignedDocument::ForgetOpenObjects() {
  TearDownSubCollections();
  document_.reset();
  module_.reset();
  opened_document_ = false;
  opened_module_ = false;
}

void DesignedDocument::Close() {
  const bool save = mode_ == driver::kModeUpdate;
  if (opened_module_) CloseModuleNamed(ModuleName(), save);
  if (opened_document_) CloseDocument(save);
  ForgetOpenObjects();
  EndQuiet();
}

void DesignedDocument::Abandon() {
  com::IgnoreErrors([&] { scc_.PutBack(); });
  com::IgnoreErrors([&] { TearDownSubCollections(); });
  if (opened_module_) com::IgnoreErrors([&] { CloseModuleNamed(ModuleName(), false); });
  if (opened_document_) com::IgnoreErrors([&] { CloseDocument(false); });
  ForgetOpenObjects();
  EndQuiet();
  mode_ = driver::kModeClosed;
}

void DesignedDocument::DropReferences() {
  TearDownSubCollections();
  document_.reset();
  module_.reset();
  DropDocumentReferences();
}

}  // namespace objects
