#include "tui/dialog_painter.h"

#include <algorithm>
#include <string>

namespace tui {
namespace {

using Port = platform::Windows;
constexpr std::int32_t kButtonKindMask = 0x000F;
const std::string kHints =
    "Tab next  Alt+letter go to  Up/Down choose  Space tick  Enter OK  Esc Cancel  F1 help";

int Kind(const sim::Windows::Window& w) { return w.style & kButtonKindMask; }

}  // namespace

DialogPainter::Cell DialogPainter::Place(const sim::Windows::Rect& rect) const {
  return {top_ + 1 + rect.top / kPixelsPerRow, left_ + 1 + rect.left / kPixelsPerColumn,
          std::max(1, (rect.right - rect.left) / kPixelsPerColumn),
          std::max(1, (rect.bottom - rect.top) / kPixelsPerRow)};
}

void DialogPainter::Paint(sim::Windows::HWND dialog) {
  const sim::Windows::Window* form = windows_.Find(dialog);
  if (!form) return;
  const int width = (form->rect.right - form->rect.left) / kPixelsPerColumn + 2;
  const int height = (form->rect.bottom - form->rect.top) / kPixelsPerRow + 2;
  top_ = std::max(0, (terminal_.Rows() - height - 1) / 2);
  left_ = std::max(0, (terminal_.Columns() - width) / 2);
  cursor_row_ = -1;
  terminal_.Clear();
  terminal_.Box(top_, left_, height, width, form->text);
  for (sim::Windows::HWND child : windows_.Children(dialog))
    PaintControl(*windows_.Find(child), child == form->focus);
  const int hints_left = std::max(0, (terminal_.Columns() - static_cast<int>(kHints.size())) / 2);
  terminal_.Text(top_ + height, hints_left, kHints, Terminal::kDisabled,
                 terminal_.Columns() - hints_left);
  terminal_.Cursor(cursor_row_, cursor_column_);
  terminal_.Show();
}

void DialogPainter::PaintControl(const sim::Windows::Window& c, bool focused) {
  if (!c.visible) return;
  const Cell at = Place(c.rect);
  const int state = (c.enabled ? 0 : Terminal::kDisabled) | (focused ? Terminal::kFocus : 0);
  if (c.class_name == "Static") return terminal_.Caption(at.row, at.column, c.text);
  if (c.class_name == "Button" && Kind(c) == Port::BS_GROUPBOX)
    return terminal_.Box(at.row, at.column, at.height + 1, at.width, c.text);
  if (c.class_name == "Button" && Kind(c) == Port::BS_AUTOCHECKBOX) {
    terminal_.Text(at.row, at.column, c.checked ? "[x] " : "[ ] ", state);
    return terminal_.Caption(at.row, at.column + 4, c.text, state);
  }
  if (c.class_name == "Button") {
    const bool default_button = Kind(c) == Port::BS_DEFPUSHBUTTON;
    const std::string label = std::string(default_button ? "<" : "[") + " " +
                              PlainCaption(c.text) + " " + (default_button ? ">" : "]");
    const int pad = std::max(0, (at.width - static_cast<int>(label.size())) / 2);
    return terminal_.Text(at.row, at.column + pad, label, state);
  }
  const bool list = c.class_name == "ComboBox";
  const std::string text = (c.style & Port::ES_PASSWORD) ? std::string() : c.text;
  const int style = c.enabled ? Terminal::kField : Terminal::kDisabled;
  PaintField({at.row, at.column, at.width - (list ? 2 : 0), 1}, text, style, focused);
  if (list) terminal_.Text(at.row, at.column + at.width - 1, "v", state);
}

// The end of a long text shows, as an edit box scrolls to its caret.
void DialogPainter::PaintField(const Cell& at, const std::string& text, int style, bool focused) {
  const std::size_t room = static_cast<std::size_t>(std::max(1, at.width - 1));
  const std::string shown = text.size() > room ? text.substr(text.size() - room) : text;
  terminal_.Text(at.row, at.column, std::string(static_cast<std::size_t>(at.width), ' '), style);
  terminal_.Text(at.row, at.column, shown, style | (focused ? Terminal::kBold : 0));
  if (!focused) return;
  cursor_row_ = at.row;
  cursor_column_ = at.column + static_cast<int>(shown.size());
}

}  // namespace tui
