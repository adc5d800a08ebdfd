#pragma once
// The user at the terminal, as the simulated computer sees its user: the
// modal dialogs, message boxes, file dialogs and help topics of the machine
// are drawn in the terminal and answered with the keyboard. What the program
// writes to its standard output while the terminal is in use (the problem
// log) is shown in a box instead of over the screen.

#include <sstream>
#include <streambuf>

#include "sim/win32/user.h"
#include "tui/terminal.h"

namespace tui {

class TerminalUser : public sim::User {
 public:
  // Starts the terminal session; the machine's windows and shell turn to this user.
  TerminalUser(sim::Windows& windows, sim::Shell& shell);
  ~TerminalUser() override;
  TerminalUser(const TerminalUser&) = delete;
  TerminalUser& operator=(const TerminalUser&) = delete;

  void Act(sim::Windows& windows, sim::Windows::HWND dialog) override;
  std::int32_t AnswerMessageBox(const sim::Shell::Message& message) override;
  bool ChooseFile(platform::Shell::OpenFileName& request) override;
  void ShowHelp(const sim::Shell::HelpCall& call) override;

 private:
  void ShowOutput();

  Terminal terminal_;
  sim::Windows& windows_;
  sim::Shell& shell_;
  std::ostringstream output_;
  std::streambuf* saved_output_;
};

// The text of a topic of a help file: the lines after its "[topic N] Title"
// line, up to the next topic; the title in `title`. Empty when the file has
// no such topic.
std::string HelpTopic(const std::string& file, std::uint32_t topic, std::string& title);

}  // namespace tui
