#include "tui/pager.h"

#include <algorithm>
#include <vector>

namespace tui {

std::vector<std::string> WrapLines(const std::string& text, std::size_t width) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    while (line.size() > width) {
      std::size_t cut = line.rfind(' ', width);
      if (cut == std::string::npos || cut == 0) cut = width;
      lines.push_back(line.substr(0, cut));
      line = line.substr(line[cut] == ' ' ? cut + 1 : cut);
    }
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

void Pager::Show(const std::string& title, const std::string& text) {
  int first = 0;
  for (;;) {
    const int height = std::max(3, terminal_.Rows() - 1);
    const int width = std::max(20, terminal_.Columns());
    const auto lines = WrapLines(text, static_cast<std::size_t>(width - 4));
    const int room = height - 2;
    const int last_first = std::max(0, static_cast<int>(lines.size()) - room);
    first = std::clamp(first, 0, last_first);
    terminal_.Clear();
    terminal_.Box(0, 0, height, width, title);
    for (int i = 0; i < room && first + i < static_cast<int>(lines.size()); ++i)
      terminal_.Text(1 + i, 2, lines[static_cast<std::size_t>(first + i)], Terminal::kPlain,
                     width - 4);
    terminal_.Text(height, 0, "Up/Down/PgUp/PgDn: scroll  Esc, Enter or q: close",
                   Terminal::kDisabled, width);
    terminal_.Cursor(-1, 0);
    terminal_.Show();
    const Key key = terminal_.ReadKey();
    switch (key.code) {
      case Key::kNone:
      case Key::kEscape:
      case Key::kEnter:
      case 'q': return;
      case Key::kUp: --first; break;
      case Key::kDown: ++first; break;
      case Key::kPageUp: first -= room; break;
      case Key::kPageDown: first += room; break;
      default: break;
    }
  }
}

}  // namespace tui
