#include "ui/dispatcher.h"

#include <vector>

#include "host/tracer.h"
#include "objects/code/macro.h"
#include "objects/code/module.h"
#include "objects/documents/command_bar.h"
#include "objects/documents/data_access_page.h"
#include "objects/documents/form.h"
#include "objects/documents/report.h"
#include "platform/dao.h"
#include "platform/system.h"
#include "shared/validation.h"
#include "shared/vxhandler.h"

namespace ui {
namespace {

platform::Windows& Windows() { return platform::System::Current().windows(); }

template <class T>
std::shared_ptr<T> As(const com::Variant& value) {
  return std::dynamic_pointer_cast<T>(com::CObj(value));
}

}  // namespace

const com::TypeInfo& Dispatcher::Members() const {
  static const com::TypeInfo info =
      com::TypeBuilder<Dispatcher>("Dispatcher").Get("AccessApp", &Dispatcher::AccessApp).Build();
  return info;
}

void Dispatcher::Initialize(com::ObjectRef access_app) {
  vxhandler::Guard(kClass, "Initialize", [&] { access_app_ = std::move(access_app); });
}

void Dispatcher::Initialize2(std::shared_ptr<host::ProblemLog> problem_log) {
  vxhandler::Guard(kClass, "Initialize2", [&] {
    vxhandler::SetProblemLog(problem_log);
    problem_log_ = problem_log;
    const auto main_window = com::CLng(access_app_->Get("hWndAccessApp"));
    auto& windows = Windows();
    windows.ShowWindow(main_window, platform::Windows::SW_MINIMIZE);
    std::vector<platform::Windows::HWND> owned;
    for (auto w = windows.GetWindow(0, platform::Windows::GW_HWNDFIRST); w != 0;
         w = windows.GetWindow(w, platform::Windows::GW_HWNDNEXT))
      if (windows.GetWindow(w, platform::Windows::GW_OWNER) == main_window) owned.push_back(w);
    for (auto w : owned) {
      windows.PostMessage(w, platform::Windows::WM_CLOSE, 0, 0);
      platform::System::Current().clock().DoEvents();
    }
  });
}

platform::Windows::HWND Dispatcher::EditorWindow() const {
  auto vbe = com::CObj(access_app_->Get("VBE"));
  return com::CLng(com::CObj(vbe->Get("MainWindow"))->Get("hwnd"));
}

void Dispatcher::HideVBEWindow() {
  vxhandler::Guard(kClass, "HideVBEWindow", [&] {
    if (editor_hidden_) return;
    auto& windows = Windows();
    const auto editor = EditorWindow();
    if (windows.IsIconic(editor) || windows.IsZoomed(editor))
      windows.ShowWindow(editor, platform::Windows::SW_RESTORE);
    windows.GetWindowRect(editor, editor_rect_);
    windows.MoveWindow(editor, 4000, 4000, 1000, 1000, true);
    platform::System::Current().clock().DoEvents();
    editor_hidden_ = true;
  });
}

void Dispatcher::RestoreVBEWindow() {
  vxhandler::Guard(kClass, "RestoreVBEWindow", [&] {
    if (!editor_hidden_) return;
    editor_hidden_ = false;
    if (!access_app_) return;
    auto& windows = Windows();
    const auto editor = EditorWindow();
    if (windows.IsIconic(editor) || windows.IsZoomed(editor))
      windows.ShowWindow(editor, platform::Windows::SW_RESTORE);
    constexpr std::uint32_t kNoZOrderHide = 132;  // SWP_NOZORDER | SWP_HIDEWINDOW
    windows.SetWindowPos(editor, 0, editor_rect_.left, editor_rect_.top,
                         editor_rect_.right - editor_rect_.left,
                         editor_rect_.bottom - editor_rect_.top, kNoZOrderHide);
    platform::System::Current().clock().DoEvents();
  });
}

void Dispatcher::Disconnect() {
  vxhandler::Guard(kClass, "Disconnect", [&] {
    access_app_.reset();
    problem_log_.reset();
    host::Tracer::Instance().Flush();
  });
}

void Dispatcher::Disconnect2() { vxhandler::Guard(kClass, "Disconnect2", [] {}); }

com::ObjectRef Dispatcher::GetCommandBar(std::shared_ptr<driver::Project> project,
                                         const std::string& name) {
  return vxhandler::Guard(kClass, "GetCommandBar", [&] {
    auto bar = std::make_shared<objects::CommandBar>();
    bar->Initialize(std::move(project), std::static_pointer_cast<Dispatcher>(shared_from_this()),
                    name);
    return com::ObjectRef(bar);
  });
}

com::ObjectRef Dispatcher::GetDataAccessPage(std::shared_ptr<driver::Project> project,
                                             std::int32_t project_type, const std::string& name) {
  return vxhandler::Guard(kClass, "GetDataAccessPage", [&] {
    auto page = std::make_shared<objects::DataAccessPage>();
    page->Initialize(std::move(project), std::static_pointer_cast<Dispatcher>(shared_from_this()),
                     project_type, name);
    return com::ObjectRef(page);
  });
}

com::ObjectRef Dispatcher::GetForm(std::shared_ptr<driver::Project> project,
                                   std::int32_t project_type, const std::string& name) {
  return vxhandler::Guard(kClass, "GetForm", [&] {
    auto form = std::make_shared<objects::Form>();
    form->Initialize(std::move(project), std::static_pointer_cast<Dispatcher>(shared_from_this()),
                     project_type, name);
    return com::ObjectRef(form);
  });
}

com::ObjectRef Dispatcher::GetMacro(std::shared_ptr<driver::Project> project,
                                    std::int32_t project_type, const std::string& name) {
  return vxhandler::Guard(kClass, "GetMacro", [&] {
    auto macro = std::make_shared<objects::Macro>();
    macro->Initialize(std::move(project),
                      std::static_pointer_cast<Dispatcher>(shared_from_this()), project_type,
                      name);
    return com::ObjectRef(macro);
  });
}

com::ObjectRef Dispatcher::GetModule(std::shared_ptr<driver::Project> project,
                                     std::int32_t project_type, const std::string& name) {
  return vxhandler::Guard(kClass, "GetModule", [&] {
    auto module = std::make_shared<objects::Module>();
    module->Initialize(std::move(project),
                       std::static_pointer_cast<Dispatcher>(shared_from_this()), project_type,
                       name);
    return com::ObjectRef(module);
  });
}

com::ObjectRef Dispatcher::GetReport(std::shared_ptr<driver::Project> project,
                                     std::int32_t project_type, const std::string& name) {
  return vxhandler::Guard(kClass, "GetReport", [&] {
    auto report = std::make_shared<objects::Report>();
    report->Initialize(std::move(project),
                       std::static_pointer_cast<Dispatcher>(shared_from_this()), project_type,
                       name);
    return com::ObjectRef(report);
  });
}

void Dispatcher::OpenBackendDatabases() {
  vxhandler::Guard(kClass, "OpenBackendDatabases", [&] {
    if (backends_.Opened()) return;
    std::shared_ptr<dao::Workspace> workspace;
    if (auto engine = As<dao::DBEngine>(access_app_->Get("DBEngine")))
      workspace = engine->GetWorkspaces()->Item(0);
    auto current = As<dao::Database>(access_app_->Call("CurrentDB"));
    backends_.Open(workspace.get(), current.get(), kClass);
  });
}

void Dispatcher::CloseBackendDatabases() {
  vxhandler::Guard(kClass, "CloseBackendDatabases", [&] { backends_.Close(); });
}

}  // namespace ui
