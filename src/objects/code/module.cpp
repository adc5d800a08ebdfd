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
constexpr std::int32_t kSaveYes = 1;
constexpr std::int32_t kSaveNo = 2;

com::ObjectRef DoCmd(com::Dispatch& app) { return com::CObj(app.Get("DoCmd")); }

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

com::ObjectRef Module::OpenModule() const {
  return com::CObj(com::CObj(App()->Get("Modules"))->Call("Item", {com::Variant(name_)}));
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
  com::IgnoreErrors([&] { found = OpenModule(); });
  if (project_->IsUnderScc())
    com::IgnoreErrors([&] { scc_status_ = Document()->GetProperties()->Find("SccStatus"); });
  was_open_ = found != nullptr;
  if (was_open_ && mode == driver::kModeUpdate)
    validation::RaiseMessage("Couldn't save changes safely because the module was already open.");
  hook_.emplace();
  sounds_.emplace();
  if (!was_open_) OpenInEditor();
  access_module_ = OpenModule();
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
  dispatcher_->HideVBEWindow();
  DoCmd(*App())->Call("OpenModule", {com::Variant(name_)});
  PutBackSccStatus();
}

void Module::PutBackSccStatus() {
  if (scc_status_ && scc_saved_) scc_status_->SetValue(*scc_saved_);
  scc_saved_.reset();
}

void Module::CloseInEditor(bool save) {
  DoCmd(*App())->Call("Close", {com::Variant(msaccess::acModule), com::Variant(name_),
                                com::Variant(save ? kSaveYes : kSaveNo)});
  dispatcher_->RestoreVBEWindow();
}

void Module::TearDownProcedures() {
  if (procedures_) procedures_->TearDown();
  procedures_.reset();
}

void Module::Close() {
  if (!was_open_) CloseInEditor(mode_ == driver::kModeUpdate);
  access_module_.reset();
  TearDownProcedures();
  hook_.reset();
  sounds_.reset();
  scc_status_.reset();
}

void Module::Abandon() {
  com::IgnoreErrors([&] { PutBackSccStatus(); });
  com::IgnoreErrors([&] { TearDownProcedures(); });
  access_module_.reset();
  if (!was_open_) com::IgnoreErrors([&] { CloseInEditor(false); });
  hook_.reset();
  sounds_.reset();
  scc_status_.reset();
  mode_ = driver::kModeClosed;
}

void Module::DropReferences() {
  TearDownProcedures();
  access_module_.reset();
  DropDocumentReferences();
}

}  // namespace objects
