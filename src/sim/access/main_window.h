#pragma once
// Access's main window ("OMain", captioned "Microsoft Access"), its
// "MDIClient" holding the document windows, and the dialogs the main window
// owns. Windows are made and destroyed through the machine's window tree, so
// CBT hooks see them made; destroying this object destroys them all.

#include <cstdint>
#include <string>
#include <vector>

#include "sim/win32/windows.h"

namespace sim::access {

class MainWindow {
 public:
  using HWND = platform::Windows::HWND;

  struct Document {
    std::int32_t type = 0;  // the kind of object (an AcObjectType, or a window's own kind)
    std::string name;
    std::int32_t view = 0;
    HWND handle = 0;
    std::uint64_t activated = 0;
  };

  explicit MainWindow(Windows& windows);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  HWND Handle() const { return main_; }
  void Activate();

  // Shows the object in the view, in a new window or in the one already
  // showing it, and makes that window the active one. The show command is
  // ShowWindow's (hidden, normal or minimised).
  void Show(Document document, const std::string& window_class, const std::string& caption,
            std::int32_t show_command);
  void SetView(HWND handle, std::int32_t view, const std::string& caption);
  void Close(HWND handle);
  void CloseAll();

  // In the order they were opened.
  const std::vector<Document>& Documents() const { return documents_; }
  const Document* Find(std::int32_t type, const std::string& name) const;
  const Document* FindWindow(HWND handle) const;
  // The document window shown last; nothing when none is open.
  const Document* Active() const;

  // A modeless dialog of Access ("#32770"), owned by the main window.
  HWND OpenDialog(const std::string& caption);
  bool CloseDialog(HWND handle);

  // Access's question with the buttons Yes (the default), No and Cancel, in
  // a modal dialog ("#32770", captioned "Microsoft Access") owned by the main
  // window; the CBT hooks see it made and activated. Nobody sits at the
  // simulated machine: the dialog takes the first answer posted to it while
  // it opens, as a hook that presses Enter for every dialog does (WM_KEYDOWN
  // with Enter or "Y": Yes, "N": No, Esc: Cancel; WM_CLOSE: Cancel). A
  // dialog that got no answer is dismissed, which is Cancel.
  enum class Answer { Yes, No, Cancel };
  Answer AskYesNoCancel(const std::string& question);

  bool IsShown(HWND handle) const;
  void SetShown(HWND handle, bool shown);

 private:
  Document* Get(HWND handle);

  Windows& windows_;
  HWND main_;
  HWND client_;
  std::vector<Document> documents_;
  std::vector<HWND> dialogs_;
  std::uint64_t activations_ = 0;
};

}  // namespace sim::access
