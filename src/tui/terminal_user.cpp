#include "tui/terminal_user.h"

#include <cctype>
#include <fstream>
#include <iostream>

#include "tui/dialog_painter.h"
#include "tui/file_prompt.h"
#include "tui/message_box_view.h"
#include "tui/pager.h"

namespace tui {
namespace {

using Desktop = sim::Windows;

// The dialog key for a key read from the terminal; 0 for typed text.
std::int32_t VirtualKey(const Key& key) {
  switch (key.code) {
    case Key::kTab: return Desktop::VK_TAB;
    case Key::kEnter: return Desktop::VK_RETURN;
    case Key::kEscape:
    case Key::kNone: return Desktop::VK_ESCAPE;
    case Key::kBackspace: return Desktop::VK_BACK;
    case Key::kUp: return Desktop::VK_UP;
    case Key::kDown: return Desktop::VK_DOWN;
    case Key::kF1: return Desktop::VK_F1;
    default: return 0;
  }
}

}  // namespace

TerminalUser::TerminalUser(sim::Windows& windows, sim::Shell& shell)
    : windows_(windows), shell_(shell), saved_output_(std::cout.rdbuf(output_.rdbuf())) {
  windows_.SetUser(this);
  shell_.SetUser(this);
}

TerminalUser::~TerminalUser() {
  windows_.SetUser(nullptr);
  shell_.SetUser(nullptr);
  std::cout.rdbuf(saved_output_);
}

void TerminalUser::Act(sim::Windows& windows, sim::Windows::HWND dialog) {
  DialogPainter(terminal_, windows).Paint(dialog);
  const Key key = terminal_.ReadKey();
  const std::int32_t shift = (key.shift ? Desktop::kShiftMask : 0);
  if (key.alt && key.code < 256) {
    windows.PressKey(dialog, std::toupper(key.code), Desktop::kAltMask);
  } else if (const std::int32_t vk = VirtualKey(key)) {
    windows.PressKey(dialog, vk, shift);
  } else if (key.code == ' ' && windows.Find(windows.Focused(dialog)) &&
             windows.Find(windows.Focused(dialog))->class_name == "Button") {
    windows.PressKey(dialog, Desktop::VK_SPACE);
  } else if (key.code >= 32 && key.code < 256) {
    windows.Type(dialog, std::string(1, static_cast<char>(key.code)));
  }
  if (key.code == Key::kNone && windows.Find(dialog)) windows.DestroyWindow(dialog);
  ShowOutput();
}

std::int32_t TerminalUser::AnswerMessageBox(const sim::Shell::Message& message) {
  return MessageBoxView(terminal_).Ask(message);
}

bool TerminalUser::ChooseFile(platform::Shell::OpenFileName& request) {
  return FilePrompt(terminal_).Ask(request);
}

void TerminalUser::ShowHelp(const sim::Shell::HelpCall& call) {
  std::string title;
  const std::string topic = HelpTopic(call.file, static_cast<std::uint32_t>(call.data), title);
  if (topic.empty()) {
    MessageBoxView(terminal_).Ask({"Topic " + std::to_string(call.data) + " is not in the help file " +
                                       call.file + ".",
                                   "Quillnet", platform::Shell::MB_ICONEXCLAMATION, "", 0});
    return;
  }
  Pager(terminal_).Show(title, topic);
}

void TerminalUser::ShowOutput() {
  const std::string text = output_.str();
  if (text.empty()) return;
  output_.str("");
  Pager(terminal_).Show("Quillnet", text);
}

std::string HelpTopic(const std::string& file, std::uint32_t topic, std::string& title) {
  std::ifstream in(file, std::ios::binary);
  const std::string header = "[topic " + std::to_string(topic == 0 ? 1 : topic) + "]";
  std::string line, text;
  bool inside = false;
  while (std::getline(in, line)) {
    if (line.rfind("[topic ", 0) == 0) {
      if (inside) break;
      inside = line.rfind(header, 0) == 0;
      if (inside) title = line.size() > header.size() ? line.substr(header.size() + 1) : "";
      continue;
    }
    if (inside) text += line + "\n";
  }
  return text;
}

}  // namespace tui
