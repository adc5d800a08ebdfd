#pragma once
// The person at the simulated computer's screen. A test or a terminal front
// end installs one on the machine's windows and shell; the machine asks it
// whenever a modal window waits for input, a message box or a file dialog
// waits for an answer, or a help window opens. Input a test queued on the
// machine comes first; with neither, a message box is answered with OK, a
// file dialog is cancelled and a modal window gets Esc.

#include <cstdint>

#include "sim/win32/shell.h"
#include "sim/win32/windows.h"

namespace sim {

class User {
 public:
  virtual ~User() = default;
  // One turn at a modal window: press keys, type, click through `windows`.
  virtual void Act(Windows& windows, Windows::HWND dialog) = 0;
  // The button pressed (IDOK, IDYES, ...). A message box with a Help button
  // stays open when it is answered IDHELP and asks again.
  virtual std::int32_t AnswerMessageBox(const Shell::Message& message) = 0;
  // Fills in the chosen file and returns true, or returns false to cancel.
  virtual bool ChooseFile(platform::Shell::OpenFileName& request) = 0;
  virtual void ShowHelp(const Shell::HelpCall& call) = 0;
};

}  // namespace sim
