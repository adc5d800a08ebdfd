// What the Utility module knows about Access's windows and sounds.

#include <optional>

#include "com/text.h"
#include "host/registry_key.h"
#include "host/utility.h"
#include "platform/access.h"
#include "platform/system.h"
#include "shared/utility.h"
#include "shared/validation.h"
#include "shared/vxhandler.h"

namespace Utility {
namespace {

using HWND = platform::Windows::HWND;

platform::Windows& Windows() { return platform::System::Current().windows(); }

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> children;
  auto& windows = Windows();
  for (HWND w = windows.GetWindow(parent, platform::Windows::GW_CHILD); w != 0;
       w = windows.GetWindow(w, platform::Windows::GW_HWNDNEXT))
    children.push_back(w);
  return children;
}

// The text before the first " : " of an Access document window's caption
// ("Orders : Form"); nothing when the caption has no such separator.
std::optional<std::string> DocumentCaptionName(const std::string& caption) {
  const auto pos = caption.find(" : ");
  if (pos == std::string::npos) return std::nullopt;
  return caption.substr(0, pos);
}

bool ModuleIsOpen(com::Dispatch& access_app, const std::string& name) {
  const std::string project_file =
      com::CStr(com::CObj(access_app.Get("CurrentProject"))->Get("Name"));
  const auto dot = project_file.rfind('.');
  const std::string expected =
      (dot == std::string::npos ? project_file : project_file.substr(0, dot)) + " - " + name;
  auto vbe = com::CObj(access_app.Get("VBE"));
  const HWND editor = com::CLng(com::CObj(vbe->Get("MainWindow"))->Get("hwnd"));
  for (HWND w : DocumentWindows(editor)) {
    if (!com::EqualsNoCase(ClassName(w), "VbaWindow")) continue;
    const std::string caption = Windows().GetWindowText(w);
    const auto pos = caption.rfind(" (");
    if (pos != std::string::npos && com::EqualsNoCase(caption.substr(0, pos), expected))
      return true;
  }
  return false;
}

const char* DocumentClass(std::int32_t object_type) {
  switch (object_type) {
    case msaccess::acTable: return "OTable";
    case msaccess::acQuery: return "OQry";
    case msaccess::acForm: return "OForm";
    case msaccess::acReport: return "OReport";
    case msaccess::acMacro: return "OScript";
    case msaccess::acDataAccessPage: return "ODataPage";
    default: validation::RaiseInvalidCaseSelector(com::Variant(object_type));
  }
}

constexpr const char* kSoundEvents[] = {".Default", "SystemQuestion", "SystemExclamation",
                                        "SystemHand", "SystemAsterisk"};

}  // namespace

std::string ClassName(HWND window) {
  return vxhandler::Guard("Utility", "ClassName", [&] { return Windows().GetClassName(window); });
}

std::vector<HWND> DocumentWindows(HWND main_window) {
  return vxhandler::Guard("Utility", "DocumentWindows", [&] {
    for (HWND w : Children(main_window))
      if (ClassName(w) == "MDIClient") return Children(w);
    return std::vector<HWND>{};
  });
}

bool RelationshipsWindowIsOpen(HWND main_window) {
  return vxhandler::Guard("Utility", "RelationshipsWindowIsOpen", [&] {
    for (HWND w : DocumentWindows(main_window))
      if (com::EqualsNoCase(ClassName(w), "OSysRel")) return true;
    return false;
  });
}

bool ObjectIsOpen(com::Dispatch& access_app, std::int32_t object_type, const std::string& name) {
  return vxhandler::Guard("Utility", "ObjectIsOpen", [&] {
    if (object_type == msaccess::acModule) return ModuleIsOpen(access_app, name);
    const char* document_class = DocumentClass(object_type);
    const HWND main_window = com::CLng(access_app.Get("hWndAccessApp"));
    for (HWND w : DocumentWindows(main_window)) {
      if (!com::EqualsNoCase(ClassName(w), document_class)) continue;
      auto shown = DocumentCaptionName(Windows().GetWindowText(w));
      if (shown && com::EqualsNoCase(*shown, name)) return true;
    }
    return false;
  });
}

std::string MapControlName(const std::string& name) {
  return vxhandler::Guard("Utility", "MapControlName", [&] {
    std::string mapped;
    for (const std::string& c : com::Characters(name))
      mapped += validation::IsDigit(c) || validation::IsLetter(c) ? c : "_";
    return mapped;
  });
}

std::vector<std::string> SetMsgBoxSound(const std::vector<std::string>& sounds) {
  return vxhandler::Guard("Utility", "SetMsgBoxSound", [&] {
    std::vector<std::string> old;
    for (std::size_t i = 0; i < std::size(kSoundEvents); ++i) {
      host::RegistryKey key;
      key.OpenPath(std::string("HKEY_CURRENT_USER\\AppEvents\\Schemes\\Apps\\.Default\\") +
                   kSoundEvents[i] + "\\.Current");
      key.SetAccess(host::RegistryKey::kRead);
      old.push_back(com::CStr(key.ReadValue("", com::Variant(""))));
      key.SetAccess(host::RegistryKey::kWrite);
      key.WriteValue("", com::Variant(i < sounds.size() ? sounds[i] : std::string()), 0);
      key.SetAccess(host::RegistryKey::kClosed);
    }
    return old;
  });
}

std::int32_t NoPopupsHookProc(std::int32_t code, std::int32_t wparam, std::uintptr_t lparam) {
  auto& windows = Windows();
  if (code == platform::Windows::HCBT_CREATEWND) {
    host::Utility utility;
    const auto create_struct = static_cast<std::uint32_t>(utility.ReadLong(lparam));
    const std::int32_t style = utility.ReadLong(create_struct + 32);
    if (style & platform::Windows::WS_POPUP) {
      constexpr std::int32_t kEnterKey = 13;
      windows.PostMessage(wparam, platform::Windows::WM_KEYDOWN, kEnterKey, 0);
    }
    return 0;
  }
  if (code == platform::Windows::HCBT_ACTIVATE) {
    const std::int32_t style = windows.GetWindowLong(wparam, platform::Windows::GWL_STYLE);
    return (style & platform::Windows::WS_POPUP) ? 0 : 1;
  }
  return 0;
}

}  // namespace Utility
