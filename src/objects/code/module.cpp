#include "objects/code/module.h"

#include "driver/project.h"
#include "objects/code/procedures.h"
#include "platform/access.h"
#include "shared/validation.h"
#include "shared/vxhandler.h"
#include "ui/dispatcher.h"

namespace objects {
namespace {

// SccStatus while a source-control tool lets Access open the module.
constexpr std::int32_t kSccOpenable = 4107;
const AccessDocument::Kind kModule{"Module", "Modules", msaccess::acModule, "Modules", "AllModules"};

}  // namespace

Module::Module() : AccessDocument(kModule) {}

const com::TypeInfo& Module::Members() const {
  static const com::TypeInfo info =
      com::TypeBuilder<Module>(kClass)
          .Property("Name", &Module::Name, &Module::SetName)
          .Property("Description", &Module::Description, &Module::SetDescription)
          .Get("Procedures", &Module::GetProcedures)
          .Build();
  return info;
}

std::shared_ptr<Procedures> Module::GetProcedures() {
  return vxhandler::Guard(kClass, "Procedures", [&] {
    if (!procedures_) {
      procedures_ = std::make_shared<Procedures>();
      if (access_module_) procedures_->Initialize(access_module_);
    }
    return procedures_;
  });
}

void Module::Open(std::int32_t mode) {
  project_->CloseDatabase();
  if (mode == driver::kModeUpdate && !project_->IsLocked())
    validation::RaiseMessage("Couldn't obtain exclusive access to the database.");
  App();
  com::ObjectRef found;
  com::IgnoreErrors([&] { found = FindOpen("Modules", name_); });
  if (project_->IsUnderScc())
    com::IgnoreErrors([&] { scc_status_ = Document()->GetProperties()->Find("SccStatus"); });
  const bool was_open = found != nullptr;
  if (was_open && mode == driver::kModeUpdate)
    validation::RaiseMessage("Couldn't save changes safely because the module was already open.");
  BeQuiet();
  if (!was_open) {
    opened_ = true;
    OpenInEditor();
  }
  access_module_ = OpenModuleNamed(name_);
}

// Source-control tools let Access open a module only with SccStatus 4107:
// the module gets it while it opens and has its own back afterwards.
void Module::OpenInEditor() {
  if (scc_status_) {
    const com::Variant status = scc_status_->Value();
    if (com::CLng(status) != kSccOpenable) {
      scc_saved_ = status;
      scc_status_->SetValue(com::Variant(static_cast<std::int16_t>(kSccOpenable)));
    }
  }
  OpenModuleHidden(name_);
  PutBackSccStatus();
}

void Module::PutBackSccStatus() {
  if (scc_status_ && scc_saved_) scc_status_->SetValue(*scc_saved_);
  scc_saved_.reset();
}

void Module::TearDownProcedures() {
  if (procedures_) procedures_->TearDown();
  procedures_.reset();
}

void Module::Close() {
  if (opened_) CloseModuleNamed(name_, mode_ == driver::kModeUpdate);
  opened_ = false;
  access_module_.reset();
  TearDownProcedures();
  EndQuiet();
  scc_status_.reset();
}

void Module::Abandon() {
  com::IgnoreErrors([&] { PutBackSccStatus(); });
  com::IgnoreErrors([&] { TearDownProcedures(); });
  access_module_.reset();
  if (opened_) com::IgnoreErrors([&] { CloseModuleNamed(name_, false); });
  opened_ = false;
  EndQuiet();
  scc_status_.reset();
  mode_ = driver::kModeClosed;
}

void Module::DropReferences() {
  TearDownProcedures();
  access_module_.reset();
  DropDocumentReferences();
}

}  // namespace objects
