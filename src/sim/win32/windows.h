#pragma once
// The simulated window tree of the desktop, with CBT hooks. Programs of the
// machine (the simulated Access) create, activate and destroy windows here;
// every hook of type WH_CBT sees the creation and activation as Windows would
// show it: creation with a pointer to a CBT_CREATEWND structure in the
// process's memory, activation with the window handle.
//
// Dialogs run modally here as under Windows' dialog manager: the user's
// keys move the focus (Tab, Shift+Tab, Alt with an access key), Enter
// presses the focused or the default button, Esc sends IDCANCEL, typing goes
// to the focused edit or combo box, and every key is first shown to the
// dialog as WM_KEYDOWN. The modal loop first takes the keys posted to the
// dialog (WM_KEYDOWN, and WM_CLOSE as Esc), as a hook that answers dialogs
// does; then the user's turns a test queued; then the User a front end
// installed.

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/win32.h"
#include "sim/win32/memory.h"

namespace sim {

class User;

class Windows : public platform::Windows {
 public:
  struct Window {
    HWND handle = 0;
    std::string class_name;
    std::string text;
    std::int32_t style = 0;
    HWND parent = 0;
    HWND owner = 0;
    std::vector<HWND> children;
    Rect rect{0, 0, 800, 600};
    bool iconic = false;
    bool zoomed = false;
    bool visible = true;
    std::int32_t id = 0;
    bool enabled = true;
    std::uint32_t back_color = 0xFFFFFF;
    WindowProc procedure;
    std::vector<std::string> items;  // a combo box's list
    std::int32_t selection = -1;
    bool checked = false;
    HWND focus = 0;             // a dialog's focused control
    bool text_selected = false;  // a control's whole text selected, as Tab leaves it
  };
  static constexpr std::int32_t VK_BACK = 8;
  static constexpr std::int32_t VK_TAB = 9;
  static constexpr std::int32_t VK_RETURN = 13;
  static constexpr std::int32_t VK_ESCAPE = 27;
  static constexpr std::int32_t VK_SPACE = 32;
  static constexpr std::int32_t VK_UP = 38;
  static constexpr std::int32_t VK_DOWN = 40;
  static constexpr std::int32_t kAltMask = 4;
  // One turn of the user at a modal window.
  using Turn = std::function<void(Windows& windows, HWND dialog)>;
  struct PostedMessage {
    HWND window;
    std::uint32_t message;
    std::int32_t wparam;
    std::int32_t lparam;
  };

  explicit Windows(Memory& memory) : memory_(memory) {}

  // Creates a window (a top-level one when the parent is 0), telling the CBT
  // hooks first.
  HWND Create(const std::string& class_name, const std::string& text, HWND parent,
              std::int32_t style = 0, HWND owner = 0);
  // Asks the CBT hooks; true when no hook refused the activation.
  bool Activate(HWND window);
  void Destroy(HWND window);
  void SetText(HWND window, const std::string& text);
  const Window* Find(HWND window) const;
  std::vector<HWND> Children(HWND window) const;

  // The user's input to a dialog. A key with kAltMask and a letter is that
  // access key.
  void PressKey(HWND dialog, std::int32_t key, std::int32_t shift = 0);
  // Characters typed into the dialog's focused control.
  void Type(HWND dialog, const std::string& text);
  // A mouse click on a control: focuses it, and presses a button or ticks a
  // check box. A disabled control ignores it.
  void Click(HWND control);
  // Picks an item from a combo box's list.
  void Choose(HWND combo, std::int32_t index);
  HWND Focused(HWND dialog) const;
  // The control a user knows by its caption, or by the caption of the label
  // before it ("&Filename:"); 0 when there is none.
  HWND ControlCaptioned(HWND dialog, const std::string& caption) const;
  // The modal windows open now, the innermost last.
  const std::vector<HWND>& ModalWindows() const { return modal_; }

  void QueueInput(Turn turn) { input_.push_back(std::move(turn)); }
  void SetUser(User* user) { user_ = user; }

  const std::vector<PostedMessage>& Posted() const { return posted_; }
  std::size_t HookCount() const { return hooks_.size(); }

  HWND GetWindow(HWND window, std::uint32_t command) override;
  std::string GetClassName(HWND window) override;
  std::string GetWindowText(HWND window) override;
  std::int32_t GetWindowLong(HWND window, std::int32_t index) override;
  bool ShowWindow(HWND window, std::int32_t command) override;
  bool MoveWindow(HWND window, std::int32_t x, std::int32_t y, std::int32_t width,
                  std::int32_t height, bool repaint) override;
  bool SetWindowPos(HWND window, HWND insert_after, std::int32_t x, std::int32_t y,
                    std::int32_t cx, std::int32_t cy, std::uint32_t flags) override;
  bool GetWindowRect(HWND window, Rect& rect) override;
  bool IsIconic(HWND window) override;
  bool IsZoomed(HWND window) override;
  bool PostMessage(HWND window, std::uint32_t message, std::int32_t wparam,
                   std::int32_t lparam) override;
  std::intptr_t SetWindowsHookEx(std::int32_t type, HookProc procedure,
                                 std::uint32_t thread) override;
  bool UnhookWindowsHookEx(std::intptr_t hook) override;
  HWND CreateWindowEx(const std::string& class_name, const std::string& text, std::int32_t style,
                      const Rect& rect, HWND parent, std::int32_t id,
                      WindowProc procedure) override;
  bool DestroyWindow(HWND window) override;
  HWND GetDlgItem(HWND dialog, std::int32_t id) override;
  bool SetWindowText(HWND window, const std::string& text) override;
  bool EnableWindow(HWND window, bool enable) override;
  bool IsWindowEnabled(HWND window) override;
  void SetBackColor(HWND window, std::uint32_t color) override;
  std::intptr_t SendMessage(HWND window, std::uint32_t message, std::intptr_t wparam,
                            std::intptr_t lparam) override;
  void RunModal(HWND window) override;

 private:
  // Sends WM_COMMAND with the control's id and the notification to its dialog.
  void Notify(HWND control, std::int32_t code);
  // The tab stops of a dialog that can take the focus, in tab order.
  std::vector<HWND> TabStops(HWND dialog) const;
  void MoveFocus(HWND dialog, HWND control, bool select_text);
  void Tab(HWND dialog, bool backwards);
  void AccessKey(HWND dialog, char letter);
  void PressButton(HWND button);
  void Enter(HWND dialog);
  void Step(HWND combo, std::int32_t delta);
  void EditText(HWND control, const std::function<std::string(const std::string&)>& edit);
  Window* Get(HWND window);
  std::vector<HWND>& Siblings(HWND window);
  // Calls every CBT hook; true when one of them returned non-zero.
  bool CallHooks(std::int32_t code, std::int32_t wparam, std::uintptr_t lparam);

  Memory& memory_;
  std::map<HWND, Window> windows_;
  std::vector<HWND> top_level_;
  std::map<std::intptr_t, HookProc> hooks_;
  std::vector<PostedMessage> posted_;
  HWND next_handle_ = 0x10010;
  std::intptr_t next_hook_ = 1;
  std::deque<Turn> input_;
  User* user_ = nullptr;
  std::vector<HWND> modal_;
};

}  // namespace sim
