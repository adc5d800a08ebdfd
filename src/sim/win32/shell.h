#pragma once
// The simulated shell: help viewers, the browser, message boxes and the
// open-file dialog. It records what was opened and shown; message boxes and
// file dialogs are answered from the answers a test queued, then by the user
// at the screen when one is installed, and otherwise with OK and Cancel.
// A message box with a Help button answered IDHELP opens its help topic and
// waits for the next answer, as Windows keeps it open.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace sim {

class User;

class Shell : public platform::Shell {
 public:
  struct HelpCall {
    std::string viewer;  // "HtmlHelp" or "WinHelp"
    std::string file;
    std::uint32_t command;
    std::uintptr_t data;
  };
  struct Message {
    std::string text;
    std::string title;
    std::uint32_t style;
    std::string help_file;
    std::int32_t help_context;
  };

  std::int32_t HtmlHelp(std::int32_t owner, const std::string& file, std::uint32_t command,
                        std::uintptr_t data) override;
  bool WinHelp(std::int32_t owner, const std::string& file, std::uint32_t command,
               std::uintptr_t data) override;
  std::intptr_t ShellExecute(std::int32_t window, const std::string& verb,
                             const std::string& file, const std::string& parameters,
                             const std::string& directory, std::int32_t show) override;
  std::int32_t MessageBox(const std::string& text, const std::string& title, std::uint32_t style,
                          const std::string& help_file, std::int32_t help_context) override;
  bool GetOpenFileName(OpenFileName& request) override;

  // Whether the machine has a browser that ShellExecute can start.
  void SetBrowserInstalled(bool installed) { browser_installed_ = installed; }
  void QueueAnswer(std::int32_t button) { answers_.push_back(button); }
  // The file the user picks in the next file dialog; nothing cancels it.
  void QueueFile(std::optional<std::string> file) { files_.push_back(std::move(file)); }
  void SetUser(User* user) { user_ = user; }

  const std::vector<HelpCall>& HelpCalls() const { return help_calls_; }
  const std::vector<std::string>& OpenedDocuments() const { return opened_; }
  const std::vector<Message>& Messages() const { return messages_; }
  const std::vector<OpenFileName>& FileDialogs() const { return file_dialogs_; }

 private:
  std::int32_t Answer(const Message& message);

  bool browser_installed_ = true;
  std::deque<std::int32_t> answers_;
  std::deque<std::optional<std::string>> files_;
  std::vector<OpenFileName> file_dialogs_;
  User* user_ = nullptr;
  std::vector<HelpCall> help_calls_;
  std::vector<std::string> opened_;
  std::vector<Message> messages_;
};

}  // namespace sim
