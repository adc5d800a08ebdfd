#pragma once
// Microsoft Access 2000's Application object: one Access session on the
// simulated machine, from its start to Quit. It is what late binding reaches
// (members by name, letter case ignored) and a program of the machine's
// processes, which keep it running until it quits.
//
// A session has its main window and code editor, its workgroup logon, its
// COM add-ins and, while a database is open, the database's windows and its
// registration in the running-object table under the file's full path.
// Access serves calls from its message loop: before answering one it handles
// the messages posted to its windows (WM_CLOSE closes a dialog or document
// window; closing the main window quits). Once it has quit, every call on
// it or on an object it gave out raises 462.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "com/dispatch.h"
#include "sim/access/add_ins.h"
#include "sim/access/code_editor.h"
#include "sim/access/document_windows.h"
#include "sim/access/logon.h"
#include "sim/access/main_window.h"
#include "sim/access/options.h"
#include "sim/access/saved_documents.h"
#include "sim/access/settings.h"
#include "sim/access/start_request.h"
#include "sim/win32/program.h"

namespace sim {
class Machine;
}

namespace sim::access {

class Application : public com::Dispatch, public Program {
  struct Token {
    explicit Token() = default;
  };

 public:
  using HWND = platform::Windows::HWND;

  // Starts a session: logs on, opens the file, shows the windows, loads the
  // add-ins and runs the file's start-up. Raises the error that kept the
  // logon or the file from opening; nothing is left running then.
  static std::shared_ptr<Application> Start(Machine& machine, const Settings& settings,
                                            const StartRequest& request);
  Application(Token, Machine& machine, Settings settings, std::unique_ptr<Logon> logon);

  // The session an object of Access works for, once it has served the
  // messages waiting; 462 when it has quit.
  static std::shared_ptr<Application> Served(const std::weak_ptr<Application>& application);

  const com::TypeInfo& Members() const override;
  using com::Dispatch::Get;
  com::Variant Get(std::string_view member, std::span<const com::Variant> args = {}) override;
  void Let(std::string_view member, const com::Variant& value) override;

  // Members.
  com::ObjectRef CurrentProject();
  com::ObjectRef CurrentDB();
  std::string CurrentUser();
  com::ObjectRef DBEngine();
  std::int32_t hWndAccessApp();
  com::Variant SysCmd(std::int32_t action);
  com::Variant GetOption(const std::string& name);
  void SetOption(const std::string& name, const com::Variant& value);
  com::ObjectRef VBE();
  com::ObjectRef DoCmd();
  com::ObjectRef Forms();
  com::ObjectRef Reports();
  com::ObjectRef Modules();
  com::ObjectRef DataAccessPages();
  // Office's command bars: Access's own, then the open database's.
  com::ObjectRef CommandBars();
  // 133 opens the Relationships window; 183 and 184 switch the active
  // window to design or SQL view. Every command that ran is recorded.
  void RunCommand(std::int32_t command);
  // 7867 while a database is open.
  void OpenCurrentDatabase(const std::string& path, bool exclusive = false,
                           const std::string& database_password = "");
  void CloseCurrentDatabase();
  // Closes the database and every window, disconnects the add-ins and ends
  // the logon. Quitting twice does nothing.
  void Quit();

  // What the user does in this session.
  // The Find and Replace dialog, a modeless dialog owned by the main window.
  HWND ShowFindDialog();

  void End() override { Quit(); }

  // The state of the session, for the objects of Access and for tests.
  bool Running() const { return running_; }
  bool BypassKeyHeld() const { return bypass_key_; }
  // The open database's windows; nothing while no database is open.
  DocumentWindows* Documents() { return documents_.get(); }
  // The same for a command that needs an open database: 2046 naming the
  // action while none is.
  DocumentWindows& RequireDocuments(const std::string& action);
  // SaveAsText and LoadFromText on the open database; 2046 naming the
  // action while none is open.
  SavedDocuments Saved(const std::string& action);
  // The windows of a running session; 462 once it has quit.
  MainWindow& Main();
  CodeEditor& Editor();
  const std::vector<std::int32_t>& Commands() const { return commands_; }
  std::vector<std::string> AddInsLoaded() const { return add_ins_.Loaded(); }

 private:
  std::weak_ptr<Application> Self();
  void Serve();
  void PumpMessages();
  void CloseWindow(HWND window);
  void Attach(std::shared_ptr<CurrentFile> file, bool bypass_key);
  void Begin(std::shared_ptr<CurrentFile> file, bool bypass_key);

  Machine& machine_;
  Settings settings_;
  std::unique_ptr<Logon> logon_;
  std::unique_ptr<MainWindow> main_;
  std::unique_ptr<CodeEditor> editor_;
  std::unique_ptr<DocumentWindows> documents_;
  AddIns add_ins_;
  Options options_;
  std::vector<std::int32_t> commands_;
  std::uint32_t registration_ = 0;
  std::size_t messages_served_ = 0;
  bool bypass_key_ = false;
  bool running_ = true;
};

}  // namespace sim::access
