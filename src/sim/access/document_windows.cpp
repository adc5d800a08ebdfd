#include "sim/access/document_windows.h"

#include <algorithm>

#include "com/text.h"
#include "platform/access.h"
#include "sim/access/access_errors.h"
#include "sim/access/document_design.h"
#include "sim/access/document_store.h"
#include "sim/access/page_links.h"
#include "sim/access/window_styles.h"

namespace sim::access {
namespace {

constexpr std::int32_t kFormView = 0;
constexpr std::int32_t kWindowNormal = 0;
constexpr std::int32_t kWindowHidden = 1;
constexpr std::int32_t kWindowIcon = 2;

// The DoCmd action that opens objects of the kind ("OpenDataAccessPage").
std::string OpenAction(const DocumentKind& kind) {
  std::string action = "Open";
  for (char c : std::string(kind.caption_word))
    if (c != ' ') action += c;
  return action;
}

std::int32_t ShowCommand(const DocumentKind& kind, std::int32_t window_mode) {
  switch (window_mode) {
    case kWindowNormal: return styles::kShowNormal;
    case kWindowHidden: return styles::kHide;
    case kWindowIcon: return styles::kMinimize;
    default: RaiseAccess(kActionNotAvailable, OpenAction(kind));
  }
}

// A form's or report's module is named after it: "Form_Orders", "Report_Sales".
std::optional<std::pair<std::int32_t, std::string>> DocumentOfModule(const std::string& module) {
  if (com::StartsWithNoCase(module, "Form_")) return std::make_pair(msaccess::acForm, module.substr(5));
  if (com::StartsWithNoCase(module, "Report_"))
    return std::make_pair(msaccess::acReport, module.substr(7));
  return std::nullopt;
}

std::string ModuleOfDocument(std::int32_t object_type, const std::string& name) {
  return (object_type == msaccess::acForm ? "Form_" : "Report_") + name;
}

bool HasDesign(std::int32_t object_type) {
  return object_type == msaccess::acForm || object_type == msaccess::acReport;
}

}  // namespace

DocumentWindows::DocumentWindows(std::weak_ptr<Application> application,
                                 std::shared_ptr<CurrentFile> file, MainWindow& main,
                                 CodeEditor& editor)
    : application_(std::move(application)), file_(std::move(file)), main_(main), editor_(editor) {
  editor_.Load(file_->ProjectName());
}

DocumentWindows::~DocumentWindows() {
  for (const auto& design : designs_) design->Close();
  main_.CloseAll();
  editor_.Unload();
  file_->Close();
}

void DocumentWindows::RunStartup(bool bypass_key) {
  const bool startup = !(bypass_key && DatabaseFlag("AllowBypassKey"));
  if (!startup || DatabaseFlag("StartupShowDBWindow")) {
    const auto& kind = KindOf(kDatabaseWindow);
    main_.Show({kDatabaseWindow, file_->ProjectName()}, kind.window_class,
               Caption(kind, file_->ProjectName(), kFormView), styles::kShowNormal);
  }
  if (!startup) return;
  // A start-up form the file no longer holds is only reported to the user.
  const std::string form = StartupForm();
  if (!form.empty() && file_->Find(msaccess::acForm, form))
    Open(msaccess::acForm, form, kFormView, kWindowNormal);
}

void DocumentWindows::Open(std::int32_t object_type, const std::string& name, std::int32_t view,
                           std::int32_t window_mode) {
  if (object_type == msaccess::acModule) return OpenModule(name);
  const DocumentKind& kind = KindOf(object_type);
  const auto stored = file_->Find(object_type, name);
  if (!stored) RaiseAccess(kind.missing_error, name);
  if (view < 0 || !ShowsInWindow(kind, *stored, view))
    RaiseAccess(kActionNotAvailable, OpenAction(kind));
  const std::int32_t show = ShowCommand(kind, window_mode);
  // Access cannot show a page whose HTML file is gone: it says so, and the
  // action is cancelled.
  if (object_type == msaccess::acDataAccessPage && PageFileMissing(file_->Catalog(), *stored))
    RaiseAccess(kActionCanceled, OpenAction(kind));
  if (HasDesign(object_type)) OpenDesign(object_type, *stored);
  main_.Show({object_type, *stored, view}, kind.window_class, Caption(kind, *stored, view), show);
}

void DocumentWindows::OpenModule(const std::string& name) {
  if (const auto stored = file_->Find(msaccess::acModule, name)) {
    if (editor_.FindModule(*stored)) return editor_.Open(*stored);
    const auto document = DocumentStore(file_->Catalog()).Find(msaccess::acModule, *stored);
    return editor_.Open(
        *stored, std::make_shared<CodeModule>(application_, *stored, document ? document->text : ""));
  }
  const auto code = DocumentCode(name);
  if (!code) RaiseAccess(kModuleNotFound, name);
  const auto owner = DocumentOfModule(name);
  const std::string module = ModuleOfDocument(owner->first, *file_->Find(owner->first, owner->second));
  if (editor_.FindModule(module)) return editor_.Open(module);
  editor_.Open(module, std::make_shared<CodeModule>(application_, module, *code));
}

void DocumentWindows::OpenCodeWindow(const std::string& module) {
  if (file_->Find(msaccess::acModule, module) || DocumentCode(module)) return OpenModule(module);
  const auto document = DocumentOfModule(module);
  if (!document || !file_->Find(document->first, document->second))
    RaiseAccess(kModuleNotFound, module);
  editor_.Open(module);
}

void DocumentWindows::OpenRelationships() {
  const auto& kind = KindOf(kRelationshipsWindow);
  main_.Show({kRelationshipsWindow, kind.caption_word}, kind.window_class, kind.caption_word,
             styles::kShowNormal);
}

void DocumentWindows::Close(std::int32_t object_type, const std::string& name, std::int32_t save) {
  if (save < kSavePrompt || save > kSaveNo) com::RaiseVb(5);
  if (object_type == msaccess::acModule) return CloseModule(name, save == kSaveYes);
  const auto* document = main_.Find(object_type, name);
  if (document && !CloseDocument(document->handle, save)) RaiseAccess(kActionCanceled, "Close");
}

void DocumentWindows::CloseActive() {
  const auto* active = main_.Active();
  if (active && !CloseDocument(active->handle, kSavePrompt)) RaiseAccess(kActionCanceled, "Close");
}

bool DocumentWindows::CloseWindow(HWND handle) {
  if (main_.FindWindow(handle)) {
    CloseDocument(handle, kSavePrompt);
    return true;
  }
  const auto* code = editor_.FindHandle(handle);
  if (code) editor_.Close(code->id);
  return code != nullptr;
}

void DocumentWindows::Rename(std::int32_t object_type, const std::string& old_name,
                             const std::string& new_name) {
  KindOf(object_type);
  const auto stored = file_->Find(object_type, old_name);
  if (!stored) RaiseAccess(kObjectNotFound, old_name);
  if (IsOpen(object_type, *stored)) RaiseAccess(kCantRenameOpenObject, *stored);
  file_->Rename(object_type, *stored, new_name);
}

void DocumentWindows::SwitchView(std::int32_t command) {
  const bool sql = command == msaccess::acCmdSQLView;
  const auto* active = main_.Active();
  const bool available =
      active && active->type >= 0 && (!sql || active->type == msaccess::acQuery);
  if (!available) RaiseAccess(kActionNotAvailable, sql ? "SQL View" : "Design View");
  const std::int32_t view = sql ? kSqlView : msaccess::acViewDesign;
  main_.SetView(active->handle, view, Caption(KindOf(active->type), active->name, view));
}

bool DocumentWindows::IsOpen(std::int32_t object_type, const std::string& name) const {
  if (object_type == msaccess::acModule) return editor_.FindModule(name) != nullptr;
  return main_.Find(object_type, name) != nullptr;
}

std::vector<std::string> DocumentWindows::OpenNames(std::int32_t object_type) const {
  std::vector<std::string> names;
  if (object_type == msaccess::acModule) {
    for (const auto& window : editor_.List())
      if (window.type == CodeEditor::kCodeWindow && window.code) names.push_back(window.module);
    return names;
  }
  for (const auto& document : main_.Documents())
    if (document.type == object_type) names.push_back(document.name);
  return names;
}

std::shared_ptr<CodeModule> DocumentWindows::ModuleCode(const std::string& name) const {
  const auto* window = editor_.FindModule(name);
  return window ? window->code : nullptr;
}

std::shared_ptr<DocumentDesign> DocumentWindows::Design(std::int32_t object_type,
                                                        const std::string& name) const {
  for (const auto& design : designs_)
    if (design->ObjectType() == object_type && com::EqualsNoCase(design->DocumentName(), name))
      return design;
  return nullptr;
}

std::int32_t DocumentWindows::View(std::int32_t object_type, const std::string& name) const {
  const auto* document = main_.Find(object_type, name);
  return document ? document->view : msaccess::acViewDesign;
}

bool DocumentWindows::Shown(std::int32_t object_type, const std::string& name) const {
  const auto* document = main_.Find(object_type, name);
  return document && main_.IsShown(document->handle);
}

void DocumentWindows::Show(std::int32_t object_type, const std::string& name, bool shown) {
  if (const auto* document = main_.Find(object_type, name)) main_.SetShown(document->handle, shown);
}

std::string DocumentWindows::Caption(const DocumentKind& kind, const std::string& name,
                                     std::int32_t view) const {
  const std::string word =
      kind.object_type == msaccess::acQuery ? QueryCaptionWord(file_->QueryType(name)) : kind.caption_word;
  return WindowCaption(kind, name, view, word);
}

bool DocumentWindows::ShowsInWindow(const DocumentKind& kind, const std::string& name,
                                    std::int32_t view) const {
  if (std::find(kind.views.begin(), kind.views.end(), view) == kind.views.end()) return false;
  return kind.object_type != msaccess::acQuery || view == msaccess::acViewDesign ||
         ShowsRows(file_->QueryType(name));
}

std::string DocumentWindows::StartupForm() const {
  const auto form = file_->DatabaseProperty("StartupForm");
  return form ? com::ValueOr<std::string>([&] { return com::CStr(*form); }, "") : "";
}

// A Yes/No database property, Yes when the file does not set it.
bool DocumentWindows::DatabaseFlag(const std::string& property) const {
  const auto value = file_->DatabaseProperty(property);
  return !value || com::ValueOr<bool>([&] { return com::CBool(*value); }, true);
}

void DocumentWindows::CloseModule(const std::string& name, bool save) {
  const auto* window = editor_.FindModule(name);
  if (!window) return;
  if (save && window->code && window->code->Changed()) {
    if (file_->Find(msaccess::acModule, window->module)) {
      SaveModule(window->module, *window->code);
    } else {
      SaveDocumentCode(window->module, window->code->Text());
    }
  }
  editor_.Close(window->id);
}

// The file keeps the module's framing and layout; the bytes it came from
// no longer match the text.
void DocumentWindows::SaveModule(const std::string& name, const CodeModule& code) {
  DocumentStore store(file_->Catalog());
  StoredDocument document = store.Find(msaccess::acModule, name)
                                .value_or(StoredDocument{msaccess::acModule, name, "", {}, {}, {}});
  document.text = code.Text();
  document.source.reset();
  document.layout.code_source.reset();
  store.Put(document);
}

void DocumentWindows::OpenDesign(std::int32_t object_type, const std::string& name) {
  if (Design(object_type, name)) return;
  if (const auto document = DocumentStore(file_->Catalog()).Find(object_type, name))
    designs_.push_back(DocumentDesign::Open(application_, *document));
}

bool DocumentWindows::CloseDocument(HWND handle, std::int32_t save) {
  const auto* document = main_.FindWindow(handle);
  if (const auto design = document ? Design(document->type, document->name) : nullptr) {
    if (!Settle(*design, save)) return false;
    design->Close();
    std::erase(designs_, design);
  }
  main_.Close(handle);
  return true;
}

bool DocumentWindows::Settle(const DocumentDesign& design, std::int32_t save) {
  if (!design.Changed()) return true;
  const auto stored = DocumentStore(file_->Catalog()).Find(design.ObjectType(), design.DocumentName());
  if (!stored || stored->text == design.Text()) return true;
  if (save == kSavePrompt) {
    const auto answer = main_.AskYesNoCancel("Do you want to save changes to the design of " +
                                             DocumentWord(design.ObjectType()) + " '" +
                                             design.DocumentName() + "'?");
    if (answer == MainWindow::Answer::Cancel) return false;
    save = answer == MainWindow::Answer::Yes ? kSaveYes : kSaveNo;
  }
  if (save == kSaveYes) SaveDesign(design);
  return true;
}

// The module in the design is the one the file keeps, so the bytes the
// module's file came from still match it.
void DocumentWindows::SaveDesign(const DocumentDesign& design) {
  DocumentStore store(file_->Catalog());
  auto document = store.Find(design.ObjectType(), design.DocumentName());
  document->text = design.Text();
  document->source.reset();
  store.Put(*document);
}

std::optional<std::string> DocumentWindows::DocumentCode(const std::string& module) const {
  const auto owner = DocumentOfModule(module);
  if (!owner) return std::nullopt;
  // An open design keeps the module the file keeps.
  if (const auto design = Design(owner->first, owner->second)) return design->Code();
  const auto document = DocumentStore(file_->Catalog()).Find(owner->first, owner->second);
  if (!document) return std::nullopt;
  return DocumentText::Parse(document->text, owner->first).Code();
}

void DocumentWindows::SaveDocumentCode(const std::string& module, const std::string& code) {
  const auto owner = DocumentOfModule(module);
  DocumentStore store(file_->Catalog());
  auto document = store.Find(owner->first, owner->second);
  if (!document) return;
  DocumentText text = DocumentText::Parse(document->text, owner->first);
  text.SetCode(code);
  document->text = text.Render();
  document->source.reset();
  document->layout.code_source.reset();
  store.Put(*document);
  if (const auto design = Design(owner->first, owner->second)) design->SetCode(code);
}

}  // namespace sim::access
