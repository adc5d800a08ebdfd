#include "sim/access/code_editor.h"

#include <algorithm>

#include "com/text.h"
#include "sim/access/window_styles.h"

namespace sim::access {

CodeEditor::CodeEditor(Windows& windows)
    : windows_(windows),
      main_(windows.Create("wndclass_desked_gsk", "Microsoft Visual Basic", 0,
                           styles::kFrame & ~styles::kVisible)),
      client_(windows.Create("MDIClient", "", main_, styles::kMdiClient)) {
  windows_.ShowWindow(main_, styles::kHide);
  windows_list_.push_back({next_id_++, kProjectWindow, "Project", "", 0, true, nullptr});
  windows_list_.push_back({next_id_++, kPropertyWindow, "Properties", "", 0, true, nullptr});
}

CodeEditor::~CodeEditor() { windows_.Destroy(main_); }

std::string CodeEditor::Caption() const {
  return project_.empty() ? "Microsoft Visual Basic" : "Microsoft Visual Basic - " + project_;
}

bool CodeEditor::Shown() const {
  const Windows::Window* window = windows_.Find(main_);
  return window && window->visible;
}

void CodeEditor::Hide() { windows_.ShowWindow(main_, styles::kHide); }

void CodeEditor::Load(const std::string& project) {
  project_ = project;
  windows_.SetText(main_, Caption());
  windows_list_.front().caption = "Project - " + project;
}

void CodeEditor::Unload() {
  while (windows_list_.back().type == kCodeWindow) Close(windows_list_.back().id);
  project_.clear();
  windows_.SetText(main_, Caption());
  windows_list_.front().caption = "Project";
}

void CodeEditor::Open(const std::string& module, std::shared_ptr<CodeModule> code) {
  if (!FindModule(module)) {
    const HWND handle = windows_.Create("VbaWindow", CodeCaption(module), client_,
                                        styles::kMdiChild | styles::kVisible);
    windows_list_.push_back(
        {next_id_++, kCodeWindow, CodeCaption(module), module, handle, true, std::move(code)});
  }
  ShowMain();
}

void CodeEditor::Close(std::int32_t id) {
  auto window = std::find_if(windows_list_.begin(), windows_list_.end(),
                             [&](const Window& w) { return w.id == id; });
  if (window == windows_list_.end()) return;
  if (window->type != kCodeWindow) {
    window->visible = false;
    return;
  }
  const HWND handle = window->handle;
  if (window->code) window->code->Close();
  windows_list_.erase(window);
  windows_.Destroy(handle);
}

void CodeEditor::CloseModule(const std::string& module) {
  if (const Window* window = FindModule(module)) Close(window->id);
}

const CodeEditor::Window* CodeEditor::Find(std::int32_t id) const {
  for (const Window& window : windows_list_)
    if (window.id == id) return &window;
  return nullptr;
}

const CodeEditor::Window* CodeEditor::FindModule(const std::string& module) const {
  for (const Window& window : windows_list_)
    if (window.type == kCodeWindow && com::EqualsNoCase(window.module, module)) return &window;
  return nullptr;
}

const CodeEditor::Window* CodeEditor::FindHandle(HWND handle) const {
  for (const Window& window : windows_list_)
    if (window.handle != 0 && window.handle == handle) return &window;
  return nullptr;
}

std::string CodeEditor::CodeCaption(const std::string& module) const {
  return project_ + " - " + module + " (Code)";
}

void CodeEditor::ShowMain() {
  if (!Shown()) windows_.ShowWindow(main_, styles::kShowNormal);
  windows_.Activate(main_);
}

}  // namespace sim::access
