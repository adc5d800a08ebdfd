#include "sim/win32/windows.h"

#include <algorithm>

namespace sim {
namespace {

constexpr std::uint32_t kSwpHideWindow = 0x80;
constexpr std::int32_t kSwHide = 0;
constexpr std::int32_t kSwMaximize = 3;

}  // namespace

Windows::HWND Windows::Create(const std::string& class_name, const std::string& text,
                              HWND parent, std::int32_t style, HWND owner) {
  const HWND handle = next_handle_;
  next_handle_ += 4;
  Window w;
  w.handle = handle;
  w.class_name = class_name;
  w.text = text;
  w.style = style;
  w.parent = parent;
  w.owner = owner;
  windows_[handle] = w;
  if (parent == 0) {
    top_level_.push_back(handle);
  } else {
    Get(parent)->children.push_back(handle);
  }
  // The hooks see the new window before it is shown, with a CREATESTRUCT as
  // a 32-bit program lays it out: the style is at offset 32.
  std::vector<std::int32_t> create_struct(12, 0);
  create_struct[3] = parent;
  create_struct[8] = style;
  const std::uintptr_t cs = memory_.Allocate(create_struct);
  const std::uintptr_t cbt = memory_.Allocate({static_cast<std::int32_t>(cs), 0});
  CallHooks(HCBT_CREATEWND, handle, cbt);
  memory_.Free(cbt);
  memory_.Free(cs);
  return handle;
}

bool Windows::Activate(HWND window) {
  if (!Get(window)) return false;
  return !CallHooks(HCBT_ACTIVATE, window, 0);
}

void Windows::Destroy(HWND window) {
  Window* w = Get(window);
  if (!w) return;
  for (HWND child : std::vector<HWND>(w->children)) Destroy(child);
  std::erase(Siblings(window), window);
  windows_.erase(window);
}

void Windows::SetText(HWND window, const std::string& text) {
  if (Window* w = Get(window)) w->text = text;
}

const Windows::Window* Windows::Find(HWND window) const {
  auto found = windows_.find(window);
  return found == windows_.end() ? nullptr : &found->second;
}

std::vector<Windows::HWND> Windows::Children(HWND window) const {
  const Window* w = Find(window);
  return w ? w->children : std::vector<HWND>{};
}

Windows::Window* Windows::Get(HWND window) {
  auto found = windows_.find(window);
  return found == windows_.end() ? nullptr : &found->second;
}

std::vector<Windows::HWND>& Windows::Siblings(HWND window) {
  const Window* w = Get(window);
  return w && w->parent ? Get(w->parent)->children : top_level_;
}

Windows::HWND Windows::GetWindow(HWND window, std::uint32_t command) {
  if (command == GW_HWNDFIRST) {
    const auto& list = window ? Siblings(window) : top_level_;
    return list.empty() ? 0 : list.front();
  }
  const Window* w = Get(window);
  if (!w) return 0;
  switch (command) {
    case GW_HWNDNEXT: {
      const auto& list = Siblings(window);
      auto at = std::find(list.begin(), list.end(), window);
      return at == list.end() || at + 1 == list.end() ? 0 : *(at + 1);
    }
    case GW_OWNER: return w->owner;
    case GW_CHILD: return w->children.empty() ? 0 : w->children.front();
    default: return 0;
  }
}

std::string Windows::GetClassName(HWND window) {
  const Window* w = Get(window);
  return w ? w->class_name.substr(0, 255) : "";
}

std::string Windows::GetWindowText(HWND window) {
  const Window* w = Get(window);
  return w ? w->text.substr(0, 255) : "";
}

std::int32_t Windows::GetWindowLong(HWND window, std::int32_t index) {
  const Window* w = Get(window);
  return w && index == GWL_STYLE ? w->style : 0;
}

bool Windows::ShowWindow(HWND window, std::int32_t command) {
  Window* w = Get(window);
  if (!w) return false;
  const bool was_visible = w->visible;
  w->iconic = command == SW_MINIMIZE;
  w->zoomed = command == kSwMaximize;
  w->visible = command != kSwHide;
  return was_visible;
}

bool Windows::MoveWindow(HWND window, std::int32_t x, std::int32_t y, std::int32_t width,
                         std::int32_t height, bool) {
  Window* w = Get(window);
  if (!w) return false;
  w->rect = {x, y, x + width, y + height};
  return true;
}

bool Windows::SetWindowPos(HWND window, HWND, std::int32_t x, std::int32_t y, std::int32_t cx,
                           std::int32_t cy, std::uint32_t flags) {
  Window* w = Get(window);
  if (!w) return false;
  w->rect = {x, y, x + cx, y + cy};
  if (flags & kSwpHideWindow) w->visible = false;
  return true;
}

bool Windows::GetWindowRect(HWND window, Rect& rect) {
  const Window* w = Get(window);
  if (!w) return false;
  rect = w->rect;
  return true;
}

bool Windows::IsIconic(HWND window) {
  const Window* w = Get(window);
  return w && w->iconic;
}

bool Windows::IsZoomed(HWND window) {
  const Window* w = Get(window);
  return w && w->zoomed;
}

bool Windows::PostMessage(HWND window, std::uint32_t message, std::int32_t wparam,
                          std::int32_t lparam) {
  if (!Get(window)) return false;
  posted_.push_back({window, message, wparam, lparam});
  return true;
}

std::intptr_t Windows::SetWindowsHookEx(std::int32_t type, HookProc procedure, std::uint32_t) {
  if (type != WH_CBT || !procedure) return 0;
  hooks_[next_hook_] = std::move(procedure);
  return next_hook_++;
}

bool Windows::UnhookWindowsHookEx(std::intptr_t hook) { return hooks_.erase(hook) > 0; }

bool Windows::CallHooks(std::int32_t code, std::int32_t wparam, std::uintptr_t lparam) {
  bool refused = false;
  auto hooks = hooks_;  // a hook may unhook itself
  for (auto& [handle, procedure] : hooks) refused = procedure(code, wparam, lparam) != 0 || refused;
  return refused;
}

}  // namespace sim
