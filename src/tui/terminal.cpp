#include "tui/terminal.h"

#include <curses.h>

#include <clocale>
#include <cstdio>

#include "com/error.h"

namespace tui {
namespace {

constexpr int kEscapeDelayMs = 25;
constexpr int kShiftF1 = KEY_F(13);  // xterm and its kin send Shift+F1 as F13
constexpr std::int32_t kDeviceUnavailable = 68;

SCREEN*& Session() {
  static SCREEN* screen = nullptr;
  return screen;
}

int Attributes(int style) {
  int a = A_NORMAL;
  if (style & Terminal::kFocus) a |= A_REVERSE;
  if (style & Terminal::kDisabled) a |= A_DIM;
  if (style & Terminal::kField) a |= A_UNDERLINE;
  if (style & Terminal::kUnderline) a |= A_UNDERLINE;
  if (style & Terminal::kBold) a |= A_BOLD;
  return a;
}

Key Named(int code) {
  switch (code) {
    case 3: return {Key::kEscape};  // Ctrl+C, which the raw terminal does not turn into a signal
    case '\t': return {Key::kTab};
    case KEY_BTAB: return {Key::kTab, true};
    case '\n':
    case '\r':
    case KEY_ENTER: return {Key::kEnter};
    case KEY_BACKSPACE:
    case 8:
    case 127: return {Key::kBackspace};
    case KEY_UP: return {Key::kUp};
    case KEY_DOWN: return {Key::kDown};
    case KEY_LEFT: return {Key::kLeft};
    case KEY_RIGHT: return {Key::kRight};
    case KEY_PPAGE: return {Key::kPageUp};
    case KEY_NPAGE: return {Key::kPageDown};
    case KEY_F(1): return {Key::kF1};
    case kShiftF1: return {Key::kF1, true};
    case KEY_RESIZE: return {Key::kResize};
    default: return {code >= 32 && code < 256 ? code : static_cast<int>(Key::kResize)};
  }
}

}  // namespace

Terminal::Terminal() {
  std::setlocale(LC_ALL, "");
  Session() = newterm(nullptr, stdout, stdin);
  if (!Session()) com::Raise(kDeviceUnavailable, "This terminal cannot show a dialog (TERM is not known).");
  set_escdelay(kEscapeDelayMs);
  raw();
  noecho();
  nonl();
  keypad(stdscr, TRUE);
}

Terminal::~Terminal() {
  endwin();
  delscreen(Session());
  Session() = nullptr;
}

// Alt and a key arrive as Escape followed by the key.
Key Terminal::ReadKey() {
  const int code = wgetch(stdscr);
  if (code == ERR) return {Key::kNone};
  if (code != 27) return Named(code);
  nodelay(stdscr, TRUE);
  const int next = wgetch(stdscr);
  nodelay(stdscr, FALSE);
  if (next == ERR) return {Key::kEscape};
  Key key = Named(next);
  key.alt = true;
  return key;
}

int Terminal::Rows() const { return LINES; }
int Terminal::Columns() const { return COLS; }

void Terminal::Clear() { erase(); }

void Terminal::Text(int row, int column, const std::string& text, int style, int width) {
  attrset(Attributes(style));
  if (width < 0) {
    mvaddstr(row, column, text.c_str());
  } else {
    mvaddnstr(row, column, text.c_str(), width);
  }
  attrset(A_NORMAL);
}

void Terminal::Caption(int row, int column, const std::string& caption, int style) {
  move(row, column);
  for (std::size_t i = 0; i < caption.size(); ++i) {
    const bool marked = caption[i] == '&' && i + 1 < caption.size();
    if (marked) ++i;
    attrset(Attributes(style | (marked && caption[i] != '&' ? kUnderline : 0)));
    addch(static_cast<unsigned char>(caption[i]));
  }
  attrset(A_NORMAL);
}

void Terminal::Box(int top, int left, int height, int width, const std::string& title) {
  mvhline(top, left + 1, ACS_HLINE, width - 2);
  mvhline(top + height - 1, left + 1, ACS_HLINE, width - 2);
  mvvline(top + 1, left, ACS_VLINE, height - 2);
  mvvline(top + 1, left + width - 1, ACS_VLINE, height - 2);
  mvaddch(top, left, ACS_ULCORNER);
  mvaddch(top, left + width - 1, ACS_URCORNER);
  mvaddch(top + height - 1, left, ACS_LLCORNER);
  mvaddch(top + height - 1, left + width - 1, ACS_LRCORNER);
  if (!title.empty()) Text(top, left + 2, " " + title + " ", kBold, width - 4);
}

void Terminal::Fill(int top, int left, int height, int width) {
  for (int r = 0; r < height; ++r) mvhline(top + r, left, ' ', width);
}

void Terminal::Cursor(int row, int column) {
  if (row < 0) {
    curs_set(0);
    return;
  }
  curs_set(1);
  move(row, column);
}

void Terminal::Show() { refresh(); }

std::string PlainCaption(const std::string& caption) {
  std::string plain;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    plain += caption[i];
  }
  return plain;
}

}  // namespace tui
