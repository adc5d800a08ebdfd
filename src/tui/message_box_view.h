#pragma once
// A message box in the terminal: its title, its text and its buttons (OK, or
// Yes and No, with Help when the box has it), modal until a button is
// pressed. Left, Right and Tab move between the buttons, Enter presses the
// focused one, a button's letter presses it, and Esc presses Cancel, or OK
// when that is the only button.

#include <cstdint>
#include <string>

#include "sim/win32/shell.h"
#include "tui/terminal.h"

namespace tui {

class MessageBoxView {
 public:
  explicit MessageBoxView(Terminal& terminal) : terminal_(terminal) {}
  // The button pressed (IDOK, IDYES, IDNO, IDHELP, ...).
  std::int32_t Ask(const sim::Shell::Message& message);

 private:
  struct Button {
    const char* caption;
    std::int32_t id;
  };
  void Paint(const sim::Shell::Message& message, const std::vector<Button>& buttons,
             std::size_t focus);

  Terminal& terminal_;
};

}  // namespace tui
