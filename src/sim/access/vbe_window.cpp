#include "sim/access/vbe_window.h"

#include "sim/access/application.h"

namespace sim::access {

const com::TypeInfo& VbeWindow::Members() const {
  static const com::TypeInfo info =
      com::TypeBuilder<VbeWindow>("Window")
          .Get("Caption", &VbeWindow::Caption)
          .Get("Type", &VbeWindow::Type)
          .Get("Visible", &VbeWindow::Visible)
          .Get("hWnd", &VbeWindow::hWnd)
          .Action("Close", &VbeWindow::Close)
          .Build();
  return info;
}

std::string VbeWindow::Caption() { return Read().caption; }
std::int32_t VbeWindow::Type() { return Read().type; }
bool VbeWindow::Visible() { return Read().visible; }
std::int32_t VbeWindow::hWnd() { return Read().handle; }

void VbeWindow::Close() {
  auto application = Application::Served(application_);
  CodeEditor& editor = application->Editor();
  if (id_ == kMain) return editor.Hide();
  Read();
  editor.Close(id_);
}

VbeWindow::State VbeWindow::Read() {
  CodeEditor& editor = Application::Served(application_)->Editor();
  if (id_ == kMain) {
    return {CodeEditor::kMainWindow, editor.Caption(), editor.Handle(), editor.Shown()};
  }
  const auto* window = editor.Find(id_);
  if (!window) com::RaiseVb(91);
  return {window->type, window->caption, window->handle, window->visible};
}

}  // namespace sim::access
