#include "ui/user_guide.h"

#include "com/text.h"
#include "host/registry_key.h"
#include "host/utility.h"
#include "platform/system.h"
#include "shared/vxhandler.h"
#include "ui/mouse_ptr.h"

namespace ui {
namespace {

constexpr const char* kTitle = "Quillnet";
constexpr const char* kHtmlHelpKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\HTML Help";
constexpr const char* kWinHelpKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\Help";

platform::Shell& Shell() { return platform::System::Current().shell(); }

void Warn(const std::string& text) {
  Shell().MessageBox(text, kTitle, platform::Shell::MB_ICONEXCLAMATION);
}

std::string DefaultHelpFile() {
  host::Utility utility;
  std::string folder, name;
  utility.SplitPath(platform::System::Current().processes().ModuleFileName(), folder, name);
  const auto dot = name.rfind('.');
  return utility.JoinPath(folder, (dot == std::string::npos ? name : name.substr(0, dot)) + ".chm");
}

// A help file missing at its path may be registered under the help
// viewer's key, by its bare file name, with the folder it was installed to.
std::string Relocate(const std::string& file, const char* key_path) {
  host::Utility utility;
  if (utility.FileExists(file)) return file;
  std::string folder, name;
  utility.SplitPath(file, folder, name);
  host::RegistryKey key;
  key.OpenPath(key_path);
  if (!key.Exists()) return file;
  key.SetAccess(host::RegistryKey::kRead);
  std::string registered = com::CStr(key.ReadValue(name, com::Variant("")));
  key.SetAccess(host::RegistryKey::kClosed);
  if (registered.empty()) return file;
  return utility.JoinPath(registered, name);
}

void ShowHtmlHelp(const std::string& file, std::int32_t topic) {
  const std::string path = Relocate(file, kHtmlHelpKey);
  if (!host::Utility().FileExists(path)) {
    Warn("Couldn't find help file " + path + ".");
    return;
  }
  MousePtr pointer;
  pointer.SetPointer(0);
  if (topic != 0) {
    Shell().HtmlHelp(0, path, platform::Shell::HH_HELP_CONTEXT, static_cast<std::uintptr_t>(topic));
  } else {
    Shell().HtmlHelp(0, path, platform::Shell::HH_DISPLAY_TOPIC, 0);
  }
}

void ShowWinHelp(const std::string& file, std::int32_t topic) {
  const std::string path = Relocate(file, kWinHelpKey);
  MousePtr pointer;
  if (topic != 0) {
    Shell().WinHelp(0, path, platform::Shell::HELP_CONTEXT, static_cast<std::uintptr_t>(topic));
  } else {
    Shell().WinHelp(0, path, platform::Shell::HELP_FINDER, 0);
  }
}

}  // namespace

const com::TypeInfo& UserGuide::Members() const {
  static const com::TypeInfo info =
      com::TypeBuilder<UserGuide>("UserGuide").Get("Path", &UserGuide::Path).Build();
  return info;
}

void UserGuide::Interact(TopicConstants topic) {
  vxhandler::Guard("UserGuide", "Interact", [&] { ShowHelp(Path(), topic); });
}

std::string UserGuide::Path() {
  return vxhandler::Guard("UserGuide", "Path", [] { return DefaultHelpFile(); });
}

void ShowHelp(const std::string& file, std::int32_t topic) {
  const std::string path = file.empty() ? DefaultHelpFile() : file;
  const std::string extension =
      com::LCase(path.size() >= 4 ? path.substr(path.size() - 4) : std::string());
  if (extension == ".chm") {
    ShowHtmlHelp(path, topic);
  } else if (extension == ".hlp") {
    ShowWinHelp(path, topic);
  } else {
    Warn("Don't know how to open help file " + path + ".");
  }
}

void ShowWebPage(const std::string& url) {
  if (Shell().ShellExecute(0, "", url, "", "", 1) <= 32) Warn("Couldn't open your web browser.");
}

}  // namespace ui
