#include "sim/access/document_windows.h"

#include <algorithm>

#include "com/text.h"
#include "platform/access.h"
#include "sim/access/access_errors.h"
#include "sim/access/document_store.h"
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

}  // namespace

DocumentWindows::DocumentWindows(std::weak_ptr<Application> application,
                                 std::shared_ptr<CurrentFile> file, MainWindow& main,
                                 CodeEditor& editor)
    : application_(std::move(application)), file_(std::move(file)), main_(main), editor_(editor) {
  editor_.Load(file_->ProjectName());
}

DocumentWindows::~DocumentWindows() {
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
  main_.Show({object_type, *stored, view}, kind.window_class, Caption(kind, *stored, view),
             ShowCommand(kind, window_mode));
}

void DocumentWindows::OpenModule(const std::string& name) {
  const auto stored = file_->Find(msaccess::acModule, name);
  if (!stored) RaiseAccess(kModuleNotFound, name);
  if (editor_.FindModule(*stored)) return editor_.Open(*stored);
  const auto document = DocumentStore(file_->Catalog()).Find(msaccess::acModule, *stored);
  editor_.Open(*stored,
               std::make_shared<CodeModule>(application_, *stored, document ? document->text : ""));
}

void DocumentWindows::OpenCodeWindow(const std::string& module) {
  if (file_->Find(msaccess::acModule, module)) return OpenModule(module);
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

void DocumentWindows::Close(std::int32_t object_type, const std::string& name, bool save) {
  if (object_type == msaccess::acModule) return CloseModule(name, save);
  if (const auto* document = main_.Find(object_type, name)) main_.Close(document->handle);
}

void DocumentWindows::CloseActive() {
  if (const auto* active = main_.Active()) main_.Close(active->handle);
}

bool DocumentWindows::CloseWindow(HWND handle) {
  if (main_.FindWindow(handle)) {
    main_.Close(handle);
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
      if (window.type == CodeEditor::kCodeWindow && file_->Find(msaccess::acModule, window.module))
        names.push_back(window.module);
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
  if (save && window->code && window->code->Changed()) SaveModule(window->module, *window->code);
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

}  // namespace sim::access
