#pragma once
// The code editor of an Access session (the Visual Basic Editor): its main
// window ("wndclass_desked_gsk"), hidden until a code window opens, the
// "MDIClient" in it holding the code windows ("VbaWindow", captioned
// "Sales - Module1 (Code)" after the file's code project and the module), and
// the docked Project and Properties windows. Its windows are listed as
// VBE.Windows lists them: the docked ones first, then the code windows in the
// order they were opened. Closing a docked window hides it; closing a code
// window destroys it and drops the copy of the module it held.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sim/access/code_module.h"
#include "sim/win32/windows.h"

namespace sim::access {

class CodeEditor {
 public:
  using HWND = platform::Windows::HWND;

  // vbext_WindowType.
  static constexpr std::int32_t kCodeWindow = 0;
  static constexpr std::int32_t kProjectWindow = 6;
  static constexpr std::int32_t kPropertyWindow = 7;
  static constexpr std::int32_t kMainWindow = 100;

  struct Window {
    std::int32_t id = 0;
    std::int32_t type = kCodeWindow;
    std::string caption;
    std::string module;  // of a code window
    HWND handle = 0;     // a docked window has none of its own
    bool visible = true;
    // The editor's copy of the module's text; closing the window drops it.
    std::shared_ptr<CodeModule> code;
  };

  explicit CodeEditor(Windows& windows);
  ~CodeEditor();
  CodeEditor(const CodeEditor&) = delete;
  CodeEditor& operator=(const CodeEditor&) = delete;

  HWND Handle() const { return main_; }
  std::string Caption() const;
  // Whether the main window is shown; closing it hides it.
  bool Shown() const;
  void Hide();

  // The code project of a database that opened, or closed.
  void Load(const std::string& project);
  void Unload();

  // Opens the module's code window over the copy of its text, or brings
  // forward the one open, and shows and activates the editor's main window.
  void Open(const std::string& module, std::shared_ptr<CodeModule> code = nullptr);
  void Close(std::int32_t id);
  void CloseModule(const std::string& module);

  const std::vector<Window>& List() const { return windows_list_; }
  const Window* Find(std::int32_t id) const;
  const Window* FindModule(const std::string& module) const;
  const Window* FindHandle(HWND handle) const;

 private:
  std::string CodeCaption(const std::string& module) const;
  void ShowMain();

  Windows& windows_;
  HWND main_;
  HWND client_;
  std::string project_;
  std::vector<Window> windows_list_;
  std::int32_t next_id_ = 1;
};

}  // namespace sim::access
