#pragma once
// The windows in which an Access session shows the objects of its database:
// the Database window, document windows in the main window, the
// Relationships window and code windows in the code editor. They exist while
// the database is open; destroying this object, as closing the database
// does, closes them all and then the file.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sim/access/code_editor.h"
#include "sim/access/current_file.h"
#include "sim/access/document_kind.h"
#include "sim/access/main_window.h"

namespace sim::access {

class Application;

class DocumentWindows {
 public:
  using HWND = platform::Windows::HWND;

  DocumentWindows(std::weak_ptr<Application> application, std::shared_ptr<CurrentFile> file,
                  MainWindow& main, CodeEditor& editor);
  ~DocumentWindows();
  DocumentWindows(const DocumentWindows&) = delete;
  DocumentWindows& operator=(const DocumentWindows&) = delete;

  const std::shared_ptr<CurrentFile>& File() const { return file_; }

  // What Access does once the file is open: the Database window, and the
  // start-up form unless the Shift key bypassed start-up (which the file's
  // AllowBypassKey False forbids).
  void RunStartup(bool bypass_key);

  // Opens an object in a view (AcView) and window mode (AcWindowMode):
  // the kind's own error when the file has no such object; 2046 for a view
  // in which Access would not show it in a window (printing a report,
  // running an action query) and for a dialog window.
  void Open(std::int32_t object_type, const std::string& name, std::int32_t view,
            std::int32_t window_mode);
  // A standard or class module of the file, its code window holding a copy
  // of the text the file keeps; 2516 for any other name.
  void OpenModule(const std::string& name);
  // A code window, also of a form's or report's module ("Form_Orders").
  void OpenCodeWindow(const std::string& module);
  void OpenRelationships();

  // Closing an object that is not open does nothing. A module closed with
  // saving has its copy written to the file when it changed; otherwise the
  // copy is dropped.
  void Close(std::int32_t object_type, const std::string& name, bool save = false);
  void CloseActive();
  // A window of the database told to close (WM_CLOSE); false when it is none.
  bool CloseWindow(HWND handle);
  // 7874 when the file has no such object, 2009 while it is open.
  void Rename(std::int32_t object_type, const std::string& old_name, const std::string& new_name);
  // RunCommand's design view (183) and SQL view (184) of the active window.
  void SwitchView(std::int32_t command);

  bool IsOpen(std::int32_t object_type, const std::string& name) const;
  // The open objects of a kind, in the order they were opened; for modules,
  // the standard and class modules with a code window.
  std::vector<std::string> OpenNames(std::int32_t object_type) const;
  // The copy of an open standard or class module; nothing for another.
  std::shared_ptr<CodeModule> ModuleCode(const std::string& name) const;

 private:
  std::string Caption(const DocumentKind& kind, const std::string& name, std::int32_t view) const;
  bool ShowsInWindow(const DocumentKind& kind, const std::string& name, std::int32_t view) const;
  std::string StartupForm() const;
  bool DatabaseFlag(const std::string& property) const;
  void CloseModule(const std::string& name, bool save);
  void SaveModule(const std::string& name, const CodeModule& code);

  std::weak_ptr<Application> application_;
  std::shared_ptr<CurrentFile> file_;
  MainWindow& main_;
  CodeEditor& editor_;
};

}  // namespace sim::access
