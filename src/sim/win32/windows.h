#pragma once
// The simulated window tree of the desktop, with CBT hooks. Programs of the
// machine (the simulated Access) create, activate and destroy windows here;
// every hook of type WH_CBT sees the creation and activation as Windows would
// show it: creation with a pointer to a CBT_CREATEWND structure in the
// process's memory, activation with the window handle.

#include <map>
#include <string>
#include <vector>

#include "platform/win32.h"
#include "sim/win32/memory.h"

namespace sim {

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
  };
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

 private:
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
};

}  // namespace sim
