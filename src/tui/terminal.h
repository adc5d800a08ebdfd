#pragma once
// One ncurses session on the process's terminal: started when made, the
// terminal put back as it was when released. It reads keys as the dialogs
// understand them and draws text, boxes and fields.

#include <string>

namespace tui {

struct Key {
  enum Code : int {
    kNone = 0,  // the input ended: the user has gone
    kTab = 9,
    kEnter = 13,
    kEscape = 27,
    kBackspace = 127,
    kUp = 0x1000,
    kDown,
    kLeft,
    kRight,
    kPageUp,
    kPageDown,
    kF1,
    kResize,
  };
  int code = kNone;  // a Code, or a byte of typed text (32 and above)
  bool shift = false;
  bool alt = false;
};

class Terminal {
 public:
  enum Style : int { kPlain = 0, kFocus = 1, kDisabled = 2, kField = 4, kUnderline = 8, kBold = 16 };

  // Raises when the terminal cannot be driven (no terminal type known).
  Terminal();
  ~Terminal();
  Terminal(const Terminal&) = delete;
  Terminal& operator=(const Terminal&) = delete;

  Key ReadKey();
  int Rows() const;
  int Columns() const;

  void Clear();
  // Text at a row and column, cut at the width when one is given.
  void Text(int row, int column, const std::string& text, int style = kPlain, int width = -1);
  // A caption whose "&" marks its access key: the key is drawn underlined.
  void Caption(int row, int column, const std::string& caption, int style = kPlain);
  void Box(int top, int left, int height, int width, const std::string& title = "");
  void Fill(int top, int left, int height, int width);
  // Where the cursor stands; hidden when `row` is negative.
  void Cursor(int row, int column);
  void Show();
};

// The caption without its "&" marks ("&&" stays one "&").
std::string PlainCaption(const std::string& caption);

}  // namespace tui
