#pragma once
// A box of text over the whole terminal, read with the arrow and page keys
// and closed with Esc, Enter or q: help topics and the problem log.

#include <string>
#include <vector>

#include "tui/terminal.h"

namespace tui {

class Pager {
 public:
  explicit Pager(Terminal& terminal) : terminal_(terminal) {}
  void Show(const std::string& title, const std::string& text);

 private:
  Terminal& terminal_;
};

// Splits text at its line breaks (CR LF or LF) and wraps lines longer than
// the width at a blank where there is one.
std::vector<std::string> WrapLines(const std::string& text, std::size_t width);

}  // namespace tui
