#pragma once
// The windows in which an Access session shows the objects of its database:
// the Database window, document windows in the main window, the
// Relationships window and code windows in the code editor. They exist while
// the database is open; destroying this object, as closing the database
// does, closes them all and then the file.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sim/access/code_editor.h"
#include "sim/access/current_file.h"
#include "sim/access/document_kind.h"
#include "sim/access/main_window.h"

namespace sim::access {

class Application;
class DocumentDesign;

// AcCloseSave: what DoCmd.Close does with a changed object.
inline constexpr std::int32_t kSavePrompt = 0;
inline constexpr std::int32_t kSaveYes = 1;
inline constexpr std::int32_t kSaveNo = 2;

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
  // running an action query) and for a dialog window. A form or report
  // whose text the file keeps is read into its live design object, which
  // stays with its window in every view until the window closes.
  void Open(std::int32_t object_type, const std::string& name, std::int32_t view,
            std::int32_t window_mode);
  // A module's code window holding a copy of the module's text: a standard
  // or class module of the file, or the module behind a form or report
  // ("Form_Orders", the text after its `CodeBehindForm`); 2516 for any other
  // name and for a form or report without a module.
  void OpenModule(const std::string& name);
  // A code window, also of a form's or report's module ("Form_Orders"); one
  // of a document whose text has no module shows no copy of any.
  void OpenCodeWindow(const std::string& module);
  void OpenRelationships();

  // Closing an object that is not open does nothing. A module closed with
  // kSaveYes has its copy written to the file when it changed (a form's or
  // report's module into the document's text, and into the document's
  // design when it is open); otherwise the copy is dropped. A form or
  // report whose design changed is written with kSaveYes and dropped with
  // kSaveNo; with kSavePrompt Access asks whether to save it, and the
  // answer Cancel keeps it open and raises 2501. One that did not change
  // closes without a question or a write. 5 for any other save option.
  void Close(std::int32_t object_type, const std::string& name, std::int32_t save = kSaveNo);
  // The active window, as DoCmd.Close without arguments: a changed design
  // asks, as with kSavePrompt.
  void CloseActive();
  // A window of the database told to close (WM_CLOSE); false when it is
  // none. A changed design asks, and Cancel leaves its window open.
  bool CloseWindow(HWND handle);
  // 7874 when the file has no such object, 2009 while it is open.
  void Rename(std::int32_t object_type, const std::string& old_name, const std::string& new_name);
  // RunCommand's design view (183) and SQL view (184) of the active window.
  void SwitchView(std::int32_t command);

  bool IsOpen(std::int32_t object_type, const std::string& name) const;
  // The open objects of a kind, in the order they were opened; for modules,
  // the standard and class modules with a code window.
  std::vector<std::string> OpenNames(std::int32_t object_type) const;
  // The copy of a module open in a code window; nothing for another.
  std::shared_ptr<CodeModule> ModuleCode(const std::string& name) const;
  // The live design of an open form or report; nothing when none is open
  // or the file keeps no text for it.
  std::shared_ptr<DocumentDesign> Design(std::int32_t object_type, const std::string& name) const;
  // The view (AcView) an open object is shown in.
  std::int32_t View(std::int32_t object_type, const std::string& name) const;
  bool Shown(std::int32_t object_type, const std::string& name) const;
  void Show(std::int32_t object_type, const std::string& name, bool shown);

 private:
  std::string Caption(const DocumentKind& kind, const std::string& name, std::int32_t view) const;
  bool ShowsInWindow(const DocumentKind& kind, const std::string& name, std::int32_t view) const;
  std::string StartupForm() const;
  bool DatabaseFlag(const std::string& property) const;
  void CloseModule(const std::string& name, bool save);
  void SaveModule(const std::string& name, const CodeModule& code);
  void OpenDesign(std::int32_t object_type, const std::string& name);
  // Closes a document window, settling its design first; false when the
  // user cancelled.
  bool CloseDocument(HWND handle, std::int32_t save);
  bool Settle(const DocumentDesign& design, std::int32_t save);
  void SaveDesign(const DocumentDesign& design);
  // The module in the text of the document a module name speaks of
  // ("Form_Orders"); nothing when there is none.
  std::optional<std::string> DocumentCode(const std::string& module) const;
  void SaveDocumentCode(const std::string& module, const std::string& code);

  std::weak_ptr<Application> application_;
  std::shared_ptr<CurrentFile> file_;
  MainWindow& main_;
  CodeEditor& editor_;
  std::vector<std::shared_ptr<DocumentDesign>> designs_;
};

}  // namespace sim::access
