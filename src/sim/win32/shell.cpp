#include "sim/win32/shell.h"

namespace sim {
namespace {
constexpr std::int32_t kHelpWindow = 0x5000;
constexpr std::intptr_t kErrorFileNotFound = 2;
constexpr std::intptr_t kInstanceHandle = 42;
}  // namespace

std::int32_t Shell::HtmlHelp(std::int32_t, const std::string& file, std::uint32_t command,
                             std::uintptr_t data) {
  help_calls_.push_back({"HtmlHelp", file, command, data});
  return kHelpWindow;
}

bool Shell::WinHelp(std::int32_t, const std::string& file, std::uint32_t command,
                    std::uintptr_t data) {
  help_calls_.push_back({"WinHelp", file, command, data});
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
  if (answers_.empty()) return IDOK;
  const std::int32_t answer = answers_.front();
  answers_.pop_front();
  return answer;
}

}  // namespace sim
