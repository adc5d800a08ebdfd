#pragma once
// The Windows services the driver and the host support library use, as small
// ports. A Windows build puts the Win32 API behind them; here the simulated
// machine does.

#include <array>
#include <functional>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "com/variant.h"

namespace platform {

// GetTickCount, Sleep and DoEvents. The simulated clock moves only when
// somebody sleeps or yields, so timed loops run in no real time in tests.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::uint32_t GetTickCount() = 0;
  virtual void Sleep(std::uint32_t milliseconds) = 0;
  virtual void DoEvents() = 0;
  // The wall-clock date and time (what Jet stamps designs with).
  virtual com::Date Now() = 0;
};

// Plain file access as VB's Open statement sees it.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Opens the file for reading and closes it again. Raises VB's error when it
  // cannot: 52 for an empty name, 53 when the file is missing, 76 when its
  // folder is, 70 "Permission denied" while another session holds it
  // exclusively.
  virtual void ProbeRead(const std::string& path) = 0;
  // True when the file has the read-only attribute.
  virtual bool IsReadOnly(const std::string& path) = 0;
};

// The registry. Paths are full key paths beginning with the hive name
// ("HKEY_LOCAL_MACHINE\SOFTWARE\..."); the empty value name is the key's
// default value.
class Registry {
 public:
  virtual ~Registry() = default;
  virtual bool KeyExists(const std::string& path) = 0;
  virtual void CreateKey(const std::string& path) = 0;
  virtual std::optional<com::Variant> ReadValue(const std::string& path,
                                                const std::string& name) = 0;
  virtual void WriteValue(const std::string& path, const std::string& name,
                          const com::Variant& value) = 0;
};

// Windows Installer: the three calls that find an installed product's component.
class Installer {
 public:
  static constexpr std::uint32_t kSuccess = 0;
  static constexpr std::uint32_t kNoMoreItems = 259;
  static constexpr std::uint32_t kUnknownProduct = 1605;
  static constexpr std::int32_t kStateUnknown = -1;
  static constexpr std::int32_t kStateAbsent = 2;
  static constexpr std::int32_t kStateLocal = 3;
  static constexpr std::int32_t kStateSource = 4;

  virtual ~Installer() = default;
  virtual std::uint32_t MsiEnumProducts(std::uint32_t index, std::string& product_code) = 0;
  virtual std::uint32_t MsiGetProductInfo(const std::string& product_code,
                                          const std::string& property, std::string& value) = 0;
  virtual std::int32_t MsiGetComponentPath(const std::string& product_code,
                                           const std::string& component, std::string& path) = 0;
};

// The version resource of an executable or library: four 16-bit numbers.
using FileVersion = std::array<std::uint16_t, 4>;

class FileVersions {
 public:
  virtual ~FileVersions() = default;
  virtual std::optional<FileVersion> GetFileVersion(const std::string& path) = 0;
};

// The running-object table: objects published under a name.
class RunningObjectTable {
 public:
  virtual ~RunningObjectTable() = default;
  virtual std::uint32_t Register(const std::string& name, com::ObjectRef object) = 0;
  virtual void Revoke(std::uint32_t cookie) = 0;
  virtual com::ObjectRef Find(const std::string& name) = 0;
};

// The COM class registry: CreateObject by ProgID. An unknown ProgID raises
// 429 "ActiveX component can't create object".
class ClassRegistry {
 public:
  virtual ~ClassRegistry() = default;
  virtual com::ObjectRef CreateObject(const std::string& prog_id) = 0;
};

// Processes and threads: the calling thread, thread input, starting a program
// and reaching its automation object.
class Processes {
 public:
  virtual ~Processes() = default;
  virtual std::uint32_t GetCurrentThreadId() = 0;
  virtual bool AttachThreadInput(std::uint32_t from_thread, std::uint32_t to_thread,
                                 bool attach) = 0;
  // Starts the program of the command line with the document, holding the
  // given key state (16 = Shift) while it starts, and returns its automation
  // object, or nothing when it did not start within the time-out.
  // The full path of the driver's own module (its DLL).
  virtual std::string ModuleFileName() = 0;
  virtual com::ObjectRef LaunchAndAttach(const std::string& command_line,
                                         const std::string& document_path,
                                         const std::string& password, std::int32_t key_state,
                                         std::uint32_t timeout_ms) = 0;
};

// The window tree and window hooks (user32).
class Windows {
 public:
  using HWND = std::int32_t;
  struct Rect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
  };
  // Hook procedure: code, wParam, lParam (a pointer into the process's memory).
  using HookProc = std::function<std::int32_t(std::int32_t, std::int32_t, std::uintptr_t)>;

  static constexpr std::uint32_t GW_HWNDFIRST = 0;
  static constexpr std::uint32_t GW_HWNDNEXT = 2;
  static constexpr std::uint32_t GW_OWNER = 4;
  static constexpr std::uint32_t GW_CHILD = 5;
  static constexpr std::int32_t GWL_STYLE = -16;
  static constexpr std::int32_t WS_POPUP = static_cast<std::int32_t>(0x80000000u);
  static constexpr std::int32_t SW_MINIMIZE = 6;
  static constexpr std::int32_t SW_RESTORE = 9;
  static constexpr std::uint32_t WM_CLOSE = 16;
  static constexpr std::uint32_t WM_KEYDOWN = 256;
  static constexpr std::int32_t WH_CBT = 5;
  static constexpr std::int32_t HCBT_CREATEWND = 3;
  static constexpr std::int32_t HCBT_ACTIVATE = 5;

  // Dialog windows and their controls. A window procedure receives the
  // messages of its window: WM_COMMAND from its controls (wParam: the
  // control's id in the low word, the notification in the high word) and
  // WM_KEYDOWN for every key pressed while it is active (wParam: the virtual
  // key, lParam: the shift state as VB passes it, 1 Shift, 2 Ctrl, 4 Alt).
  using WindowProc = std::function<void(HWND window, std::uint32_t message, std::intptr_t wparam,
                                        std::intptr_t lparam)>;
  static constexpr std::uint32_t WM_COMMAND = 0x0111;
  static constexpr std::int32_t IDOK = 1;
  static constexpr std::int32_t IDCANCEL = 2;
  static constexpr std::int32_t BN_CLICKED = 0;
  static constexpr std::int32_t CBN_SELCHANGE = 1;
  static constexpr std::int32_t CBN_EDITCHANGE = 5;
  static constexpr std::int32_t EN_CHANGE = 0x0300;
  static constexpr std::int32_t WS_TABSTOP = 0x00010000;
  static constexpr std::int32_t ES_PASSWORD = 0x0020;
  static constexpr std::int32_t BS_DEFPUSHBUTTON = 0x0001;
  static constexpr std::int32_t BS_AUTOCHECKBOX = 0x0003;
  static constexpr std::int32_t BS_GROUPBOX = 0x0007;
  static constexpr std::int32_t CBS_DROPDOWN = 0x0002;
  static constexpr std::int32_t CBS_DROPDOWNLIST = 0x0003;
  static constexpr std::uint32_t CB_ADDSTRING = 0x0143;  // lParam: const char*
  static constexpr std::uint32_t CB_GETCURSEL = 0x0147;
  static constexpr std::uint32_t CB_RESETCONTENT = 0x014B;
  static constexpr std::uint32_t CB_SETCURSEL = 0x014E;
  static constexpr std::uint32_t BM_GETCHECK = 0x00F0;
  static constexpr std::uint32_t BM_SETCHECK = 0x00F1;
  static constexpr std::int32_t VK_F1 = 112;
  static constexpr std::int32_t kShiftMask = 1;

  virtual ~Windows() = default;
  // 0 when there is no such window. GW_HWNDFIRST of 0 gives the first top-level window.
  virtual HWND GetWindow(HWND window, std::uint32_t command) = 0;
  virtual std::string GetClassName(HWND window) = 0;
  virtual std::string GetWindowText(HWND window) = 0;
  virtual std::int32_t GetWindowLong(HWND window, std::int32_t index) = 0;
  virtual bool ShowWindow(HWND window, std::int32_t command) = 0;
  virtual bool MoveWindow(HWND window, std::int32_t x, std::int32_t y, std::int32_t width,
                          std::int32_t height, bool repaint) = 0;
  virtual bool SetWindowPos(HWND window, HWND insert_after, std::int32_t x, std::int32_t y,
                            std::int32_t cx, std::int32_t cy, std::uint32_t flags) = 0;
  virtual bool GetWindowRect(HWND window, Rect& rect) = 0;
  virtual bool IsIconic(HWND window) = 0;
  virtual bool IsZoomed(HWND window) = 0;
  virtual bool PostMessage(HWND window, std::uint32_t message, std::int32_t wparam,
                           std::int32_t lparam) = 0;
  // A hook of the given type on the thread; 0 when it could not be set.
  virtual std::intptr_t SetWindowsHookEx(std::int32_t type, HookProc procedure,
                                         std::uint32_t thread) = 0;
  virtual bool UnhookWindowsHookEx(std::intptr_t hook) = 0;

  // Classes: "#32770" (a dialog), "Static", "Button", "Edit", "ComboBox". A
  // control's text may mark its access key with "&".
  virtual HWND CreateWindowEx(const std::string& class_name, const std::string& text,
                              std::int32_t style, const Rect& rect, HWND parent, std::int32_t id,
                              WindowProc procedure) = 0;
  virtual bool DestroyWindow(HWND window) = 0;
  virtual HWND GetDlgItem(HWND dialog, std::int32_t id) = 0;
  // Setting an edit control's text notifies its dialog with EN_CHANGE.
  virtual bool SetWindowText(HWND window, const std::string& text) = 0;
  virtual bool EnableWindow(HWND window, bool enable) = 0;
  virtual bool IsWindowEnabled(HWND window) = 0;
  // The colour a control is painted with (what VB sets as its BackColor).
  virtual void SetBackColor(HWND window, std::uint32_t color) = 0;
  virtual std::intptr_t SendMessage(HWND window, std::uint32_t message, std::intptr_t wparam,
                                    std::intptr_t lparam) = 0;
  // Shows the window modally and hands it the user's input until it is destroyed.
  virtual void RunModal(HWND window) = 0;
};

// Help viewers, the shell and message boxes.
class Shell {
 public:
  static constexpr std::uint32_t HH_DISPLAY_TOPIC = 0;
  static constexpr std::uint32_t HH_HELP_CONTEXT = 15;
  static constexpr std::uint32_t HELP_CONTEXT = 1;
  static constexpr std::uint32_t HELP_FINDER = 11;
  static constexpr std::uint32_t MB_ICONEXCLAMATION = 48;
  static constexpr std::int32_t IDOK = 1;
  static constexpr std::int32_t IDYES = 6;
  static constexpr std::int32_t IDNO = 7;
  static constexpr std::int32_t IDHELP = 9;
  static constexpr std::uint32_t MB_YESNO = 4;
  static constexpr std::uint32_t MB_HELP = 0x4000;
  static constexpr std::uint32_t OFN_PATHMUSTEXIST = 0x0800;
  static constexpr std::uint32_t OFN_FILEMUSTEXIST = 0x1000;

  // GetOpenFileNameA's request: the filter is its pairs of description and
  // pattern; `file` is the name the dialog opens on and, on OK, the chosen one.
  struct OpenFileName {
    std::int32_t owner = 0;
    std::string title;
    std::vector<std::pair<std::string, std::string>> filter;
    std::int32_t filter_index = 1;
    std::string default_extension;
    std::uint32_t flags = 0;
    std::string file;
  };

  virtual ~Shell() = default;
  // HtmlHelpA: the help window's handle, 0 when it could not be shown.
  virtual std::int32_t HtmlHelp(std::int32_t owner, const std::string& file,
                                std::uint32_t command, std::uintptr_t data) = 0;
  virtual bool WinHelp(std::int32_t owner, const std::string& file, std::uint32_t command,
                       std::uintptr_t data) = 0;
  // ShellExecuteA: a result of 32 or less is a failure.
  virtual std::intptr_t ShellExecute(std::int32_t window, const std::string& verb,
                                     const std::string& file, const std::string& parameters,
                                     const std::string& directory, std::int32_t show) = 0;
  // VB's MsgBox: the button the user pressed (IDOK, IDYES, ...).
  virtual std::int32_t MessageBox(const std::string& text, const std::string& title,
                                  std::uint32_t style, const std::string& help_file = "",
                                  std::int32_t help_context = 0) = 0;
  // True when the user chose a file; false when the dialog was cancelled.
  virtual bool GetOpenFileName(OpenFileName& request) = 0;
};

// The screen: VB's Screen.MousePointer and the system colours.
class Screen {
 public:
  virtual ~Screen() = default;
  virtual std::int16_t MousePointer() = 0;
  virtual void SetMousePointer(std::int16_t pointer) = 0;
  virtual std::uint32_t GetSysColor(std::int32_t index) = 0;
  // The screen's size in pixels.
  virtual std::int32_t Width() = 0;
  virtual std::int32_t Height() = 0;
};

// Memory of the process, read by address (hook procedures receive pointers).
class Memory {
 public:
  virtual ~Memory() = default;
  virtual std::int32_t ReadLong(std::uintptr_t address) = 0;
};

}  // namespace platform
