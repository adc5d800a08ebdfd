#include "tui/message_box_view.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "tui/pager.h"

namespace tui {
namespace {

using Shell = platform::Shell;
constexpr std::uint32_t kButtonsMask = 0x0F;
constexpr std::uint32_t kIconMask = 0xF0;
constexpr std::uint32_t kOkCancel = 1;
constexpr std::uint32_t kYesNoCancel = 3;
constexpr std::int32_t kIdCancel = 2;
constexpr std::size_t kTextWidth = 60;

const char* IconText(std::uint32_t style) {
  switch (style & kIconMask) {
    case 0x10: return "(x) ";
    case 0x20: return "(?) ";
    case 0x30: return "(!) ";
    case 0x40: return "(i) ";
    default: return "";
  }
}

}  // namespace

std::int32_t MessageBoxView::Ask(const sim::Shell::Message& message) {
  std::vector<Button> buttons;
  switch (message.style & kButtonsMask) {
    case Shell::MB_YESNO: buttons = {{"&Yes", Shell::IDYES}, {"&No", Shell::IDNO}}; break;
    case kYesNoCancel:
      buttons = {{"&Yes", Shell::IDYES}, {"&No", Shell::IDNO}, {"Cancel", kIdCancel}};
      break;
    case kOkCancel: buttons = {{"OK", Shell::IDOK}, {"Cancel", kIdCancel}}; break;
    default: buttons = {{"OK", Shell::IDOK}}; break;
  }
  if (message.style & Shell::MB_HELP) buttons.push_back({"&Help", Shell::IDHELP});
  std::size_t focus = 0;
  for (;;) {
    Paint(message, buttons, focus);
    const Key key = terminal_.ReadKey();
    if (key.code == Key::kNone || key.code == Key::kEnter) return buttons[focus].id;
    if (key.code == Key::kTab || key.code == Key::kRight) focus = (focus + 1) % buttons.size();
    if (key.code == Key::kLeft) focus = (focus + buttons.size() - 1) % buttons.size();
    if (key.code == Key::kEscape) {
      for (const Button& b : buttons)
        if (b.id == kIdCancel) return b.id;
      if (buttons.size() == 1) return buttons[0].id;
    }
    for (const Button& b : buttons) {
      const std::string caption = b.caption;
      const auto amp = caption.find('&');
      if (amp != std::string::npos && key.code < 256 &&
          std::toupper(key.code) == std::toupper(static_cast<unsigned char>(caption[amp + 1])))
        return b.id;
    }
  }
}

void MessageBoxView::Paint(const sim::Shell::Message& message, const std::vector<Button>& buttons,
                           std::size_t focus) {
  const auto lines = WrapLines(IconText(message.style) + message.text, kTextWidth);
  const int width = static_cast<int>(kTextWidth) + 4;
  const int height = static_cast<int>(lines.size()) + 4;
  const int top = std::max(0, (terminal_.Rows() - height) / 2);
  const int left = std::max(0, (terminal_.Columns() - width) / 2);
  terminal_.Fill(top, left, height, width);
  terminal_.Box(top, left, height, width, message.title);
  for (std::size_t i = 0; i < lines.size(); ++i)
    terminal_.Text(top + 1 + static_cast<int>(i), left + 2, lines[i]);
  int column = left + width - 2;
  for (std::size_t i = buttons.size(); i-- > 0;) column -= static_cast<int>(PlainCaption(buttons[i].caption).size()) + 5;
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const int style = i == focus ? Terminal::kFocus : Terminal::kPlain;
    terminal_.Text(top + height - 2, column, "[ ", style);
    terminal_.Caption(top + height - 2, column + 2, buttons[i].caption, style);
    const int end = column + 2 + static_cast<int>(PlainCaption(buttons[i].caption).size());
    terminal_.Text(top + height - 2, end, " ]", style);
    column = end + 3;
  }
  terminal_.Cursor(-1, 0);
  terminal_.Show();
}

}  // namespace tui
