#pragma once
// Draws a dialog of the simulated window tree in the terminal: its frame and
// caption, and each control where its rectangle puts it (eight pixels a
// column, twenty a row), with the focused control highlighted, disabled ones
// dimmed and password fields left blank.

#include "sim/win32/windows.h"
#include "tui/terminal.h"

namespace tui {

class DialogPainter {
 public:
  static constexpr int kPixelsPerColumn = 8;
  static constexpr int kPixelsPerRow = 20;

  DialogPainter(Terminal& terminal, const sim::Windows& windows)
      : terminal_(terminal), windows_(windows) {}

  void Paint(sim::Windows::HWND dialog);

 private:
  struct Cell {
    int row = 0, column = 0, width = 0, height = 0;
  };
  Cell Place(const sim::Windows::Rect& rect) const;
  void PaintControl(const sim::Windows::Window& control, bool focused);
  void PaintField(const Cell& at, const std::string& text, int style, bool focused);

  Terminal& terminal_;
  const sim::Windows& windows_;
  int top_ = 0;
  int left_ = 0;
  int cursor_row_ = -1;
  int cursor_column_ = 0;
};

}  // namespace tui
