#include "sim/win32/shell.h"

#include "com/text.h"
#include "sim/win32/user.h"

namespace sim {
namespace {
constexpr std::int32_t kHelpWindow = 0x5000;
constexpr std::intptr_t kErrorFileNotFound = 2;
constexpr std::intptr_t kInstanceHandle = 42;
}  // namespace

std::int32_t Shell::HtmlHelp(std::int32_t, const std::string& file, std::uint32_t command,
                             std::uintptr_t data) {
  help_calls_.push_back({"HtmlHelp", file, command, data});
  if (user_) user_->ShowHelp(help_calls_.back());
  return kHelpWindow;
}

bool Shell::WinHelp(std::int32_t, const std::string& file, std::uint32_t command,
                    std::uintptr_t data) {
  help_calls_.push_back({"WinHelp", file, command, data});
  if (user_) user_->ShowHelp(help_calls_.back());
  return true;
}

std::intptr_t Shell::ShellExecute(std::int32_t, const std::string&, const std::string& file,
                                  const std::string&, const std::string&, std::int32_t) {
  if (!browser_installed_) return kErrorFileNotFound;
  opened_.push_back(file);
  return kInstanceHandle;
}

std::int32_t Shell::MessageBox(const std::string& text, const std::string& title,
                               std::uint32_t style, const std::string& help_file,
                               std::int32_t help_context) {
  messages_.push_back({text, title, style, help_file, help_context});
  const Message message = messages_.back();
  for (;;) {
    const std::int32_t answer = Answer(message);
    if (answer != IDHELP || !(style & MB_HELP)) return answer;
    const auto topic = static_cast<std::uintptr_t>(help_context);
    if (com::LCase(help_file).ends_with(".hlp"))
      WinHelp(0, help_file, HELP_CONTEXT, topic);
    else
      HtmlHelp(0, help_file, HH_HELP_CONTEXT, topic);
  }
}

std::int32_t Shell::Answer(const Message& message) {
  if (!answers_.empty()) {
    const std::int32_t answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  return user_ ? user_->AnswerMessageBox(message) : IDOK;
}

bool Shell::GetOpenFileName(OpenFileName& request) {
  file_dialogs_.push_back(request);
  if (!files_.empty()) {
    const std::optional<std::string> file = std::move(files_.front());
    files_.pop_front();
    if (file) request.file = *file;
    return file.has_value();
  }
  return user_ && user_->ChooseFile(request);
}

}  // namespace sim
