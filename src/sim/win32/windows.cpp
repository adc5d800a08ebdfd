#include "sim/win32/windows.h"

#include <algorithm>
#include <cctype>

#include "sim/win32/user.h"

namespace sim {
namespace {

constexpr std::uint32_t kSwpHideWindow = 0x80;
constexpr std::int32_t kSwHide = 0;
constexpr std::int32_t kSwMaximize = 3;
constexpr std::int32_t kButtonKindMask = 0x000F;
constexpr std::int32_t kComboKindMask = 0x0003;

std::intptr_t MakeWParam(std::int32_t id, std::int32_t code) {
  return static_cast<std::intptr_t>((static_cast<std::uint32_t>(code) << 16) |
                                    (static_cast<std::uint32_t>(id) & 0xFFFF));
}

bool IsCheckBox(const Windows::Window& w) {
  return w.class_name == "Button" && (w.style & kButtonKindMask) == Windows::BS_AUTOCHECKBOX;
}

bool IsPushButton(const Windows::Window& w) {
  const std::int32_t kind = w.style & kButtonKindMask;
  return w.class_name == "Button" && (kind == 0 || kind == Windows::BS_DEFPUSHBUTTON);
}

bool IsDropDownList(const Windows::Window& w) {
  return w.class_name == "ComboBox" && (w.style & kComboKindMask) == Windows::CBS_DROPDOWNLIST;
}

bool TakesText(const Windows::Window& w) {
  return w.class_name == "Edit" || (w.class_name == "ComboBox" && !IsDropDownList(w));
}

// The letter after the "&" of a caption ("&&" is a literal ampersand).
char AccessKeyOf(const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
    ++i;
  }
  return 0;
}

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

namespace sim {

Windows::HWND Windows::CreateWindowEx(const std::string& class_name, const std::string& text,
                                      std::int32_t style, const Rect& rect, HWND parent,
                                      std::int32_t id, WindowProc procedure) {
  const HWND handle = Create(class_name, text, parent, style);
  Window* w = Get(handle);
  w->rect = rect;
  w->id = id;
  w->procedure = std::move(procedure);
  w->visible = parent != 0;
  return handle;
}

bool Windows::DestroyWindow(HWND window) {
  if (!Get(window)) return false;
  Destroy(window);
  return true;
}

Windows::HWND Windows::GetDlgItem(HWND dialog, std::int32_t id) {
  for (HWND child : Children(dialog))
    if (Find(child)->id == id) return child;
  return 0;
}

bool Windows::SetWindowText(HWND window, const std::string& text) {
  Window* w = Get(window);
  if (!w) return false;
  w->text = text;
  w->text_selected = false;
  if (w->class_name == "Edit") Notify(window, EN_CHANGE);
  return true;
}

bool Windows::EnableWindow(HWND window, bool enable) {
  Window* w = Get(window);
  if (!w) return false;
  const bool was_disabled = !w->enabled;
  w->enabled = enable;
  return was_disabled;
}

bool Windows::IsWindowEnabled(HWND window) {
  const Window* w = Get(window);
  return w && w->enabled;
}

void Windows::SetBackColor(HWND window, std::uint32_t color) {
  if (Window* w = Get(window)) w->back_color = color;
}

std::intptr_t Windows::SendMessage(HWND window, std::uint32_t message, std::intptr_t wparam,
                                   std::intptr_t lparam) {
  Window* w = Get(window);
  if (!w) return 0;
  switch (message) {
    case CB_ADDSTRING:
      w->items.emplace_back(reinterpret_cast<const char*>(lparam));
      return static_cast<std::intptr_t>(w->items.size() - 1);
    case CB_RESETCONTENT:
      w->items.clear();
      w->selection = -1;
      return 0;
    case CB_GETCURSEL: return w->selection;
    case CB_SETCURSEL:
      if (wparam < 0 || wparam >= static_cast<std::intptr_t>(w->items.size())) {
        w->selection = -1;
        return -1;
      }
      w->selection = static_cast<std::int32_t>(wparam);
      w->text = w->items[static_cast<std::size_t>(wparam)];
      return wparam;
    case BM_GETCHECK: return w->checked ? 1 : 0;
    case BM_SETCHECK: w->checked = wparam != 0; return 0;
    default: {
      // The procedure may destroy its own window: call a copy.
      const WindowProc procedure = w->procedure;
      if (procedure) procedure(window, message, wparam, lparam);
      return 0;
    }
  }
}

void Windows::RunModal(HWND window) {
  Window* w = Get(window);
  if (!w) return;
  w->visible = true;
  const auto stops = TabStops(window);
  if (!stops.empty()) MoveFocus(window, stops.front(), true);
  modal_.push_back(window);
  std::size_t delivered = posted_.size();
  Activate(window);
  while (Find(window)) {
    if (delivered < posted_.size()) {
      const PostedMessage posted = posted_[delivered++];
      if (posted.window != window) continue;
      if (posted.message == WM_KEYDOWN) PressKey(window, posted.wparam);
      if (posted.message == WM_CLOSE) PressKey(window, VK_ESCAPE);
    } else if (!input_.empty()) {
      const Turn turn = std::move(input_.front());
      input_.pop_front();
      turn(*this, window);
    } else if (user_) {
      user_->Act(*this, window);
    } else {
      PressKey(window, VK_ESCAPE);
      DestroyWindow(window);
    }
  }
  std::erase(modal_, window);
}

void Windows::PressKey(HWND dialog, std::int32_t key, std::int32_t shift) {
  if (!Find(dialog)) return;
  SendMessage(dialog, WM_KEYDOWN, key, shift);
  if (!Find(dialog)) return;
  if (shift & kAltMask) return AccessKey(dialog, static_cast<char>(key));
  const HWND focus = Focused(dialog);
  switch (key) {
    case VK_TAB: return Tab(dialog, shift & kShiftMask);
    case VK_RETURN: return Enter(dialog);
    case VK_ESCAPE:
      SendMessage(dialog, WM_COMMAND, MakeWParam(IDCANCEL, BN_CLICKED), 0);
      return;
    case VK_SPACE:
      if (focus && Find(focus)->class_name == "Button") PressButton(focus);
      return;
    case VK_UP: return Step(focus, -1);
    case VK_DOWN: return Step(focus, 1);
    case VK_BACK:
      return EditText(focus, [](const std::string& text) {
        std::string shorter = text;
        if (!shorter.empty()) shorter.pop_back();
        return shorter;
      });
    default: return;
  }
}

void Windows::Type(HWND dialog, const std::string& text) {
  EditText(Focused(dialog), [&](const std::string& old) { return old + text; });
}

void Windows::Click(HWND control) {
  const Window* w = Find(control);
  if (!w || !w->enabled || !w->parent) return;
  MoveFocus(w->parent, control, false);
  if (w->class_name == "Button") PressButton(control);
}

void Windows::Choose(HWND combo, std::int32_t index) {
  Window* w = Get(combo);
  if (!w || !w->enabled || index < 0 || index >= static_cast<std::int32_t>(w->items.size())) return;
  MoveFocus(w->parent, combo, true);
  SendMessage(combo, CB_SETCURSEL, index, 0);
  Notify(combo, CBN_SELCHANGE);
}

Windows::HWND Windows::Focused(HWND dialog) const {
  const Window* w = Find(dialog);
  return w ? w->focus : 0;
}

Windows::HWND Windows::ControlCaptioned(HWND dialog, const std::string& caption) const {
  const auto children = Children(dialog);
  for (std::size_t i = 0; i < children.size(); ++i) {
    const Window* w = Find(children[i]);
    if (w->text != caption) continue;
    if (w->class_name != "Static") return children[i];
    return i + 1 < children.size() ? children[i + 1] : 0;
  }
  return 0;
}

void Windows::Notify(HWND control, std::int32_t code) {
  const Window* w = Find(control);
  if (!w || !w->parent) return;
  SendMessage(w->parent, WM_COMMAND, MakeWParam(w->id, code), control);
}

std::vector<Windows::HWND> Windows::TabStops(HWND dialog) const {
  std::vector<HWND> stops;
  for (HWND child : Children(dialog)) {
    const Window* w = Find(child);
    if ((w->style & WS_TABSTOP) && w->enabled && w->visible) stops.push_back(child);
  }
  return stops;
}

void Windows::MoveFocus(HWND dialog, HWND control, bool select_text) {
  Window* d = Get(dialog);
  Window* c = Get(control);
  if (!d || !c) return;
  if (Window* old = Get(d->focus)) old->text_selected = false;
  d->focus = control;
  c->text_selected = select_text && TakesText(*c);
}

void Windows::Tab(HWND dialog, bool backwards) {
  const auto stops = TabStops(dialog);
  if (stops.empty()) return;
  const auto at = std::find(stops.begin(), stops.end(), Focused(dialog));
  std::size_t index = at == stops.end() ? 0 : static_cast<std::size_t>(at - stops.begin());
  if (at != stops.end()) index = (index + (backwards ? stops.size() - 1 : 1)) % stops.size();
  MoveFocus(dialog, stops[index], true);
}

// A label's access key moves the focus to the control after it; a button's
// presses the button.
void Windows::AccessKey(HWND dialog, char letter) {
  const char key = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
  const auto children = Children(dialog);
  for (std::size_t i = 0; i < children.size(); ++i) {
    const Window* w = Find(children[i]);
    if (AccessKeyOf(w->text) != key || !w->visible) continue;
    if (w->class_name == "Button" && (w->style & kButtonKindMask) != BS_GROUPBOX)
      return Click(children[i]);
    if (w->class_name != "Static" || i + 1 >= children.size()) continue;
    const Window* next = Find(children[i + 1]);
    if (next->enabled && next->visible) MoveFocus(dialog, children[i + 1], true);
    return;
  }
}

void Windows::PressButton(HWND button) {
  Window* w = Get(button);
  if (!w || !w->enabled) return;
  if (IsCheckBox(*w)) w->checked = !w->checked;
  Notify(button, BN_CLICKED);
}

// Enter presses the focused push button, or else the dialog's default one.
void Windows::Enter(HWND dialog) {
  const Window* focus = Find(Focused(dialog));
  if (focus && IsPushButton(*focus)) return PressButton(focus->handle);
  for (HWND child : Children(dialog)) {
    const Window* w = Find(child);
    if (w->class_name == "Button" && (w->style & kButtonKindMask) == BS_DEFPUSHBUTTON)
      return PressButton(child);
  }
}

void Windows::Step(HWND combo, std::int32_t delta) {
  const Window* w = Find(combo);
  if (!w || w->class_name != "ComboBox" || w->items.empty()) return;
  const std::int32_t last = static_cast<std::int32_t>(w->items.size()) - 1;
  const std::int32_t next = std::clamp(w->selection + delta, 0, last);
  if (next != w->selection) Choose(combo, next);
}

void Windows::EditText(HWND control, const std::function<std::string(const std::string&)>& edit) {
  Window* w = Get(control);
  if (!w || !w->enabled || !TakesText(*w)) return;
  w->text = edit(w->text_selected ? std::string() : w->text);
  w->text_selected = false;
  w->selection = -1;
  Notify(control, w->class_name == "Edit" ? EN_CHANGE : CBN_EDITCHANGE);
}

}  // namespace sim
