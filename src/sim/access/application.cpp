#include "sim/access/application.h"

#include "platform/access.h"
#include "sim/access/access_errors.h"
#include "sim/access/access_object.h"
#include "sim/access/all_objects.h"
#include "sim/access/current_project.h"
#include "sim/access/do_cmd.h"
#include "sim/access/members.h"
#include "sim/access/open_documents.h"
#include "sim/access/vbe.h"
#include "sim/machine.h"
#include "sim/office/command_bars.h"

namespace sim::access {
namespace {

constexpr std::int32_t kRelationshipsCommand = 133;

// A member method of no result.
template <class Body>
com::Member Action(std::string name, Body body) {
  return Method<Application>(std::move(name), [body](Application& app, Args args) {
    body(app, args);
    return com::Variant();
  });
}

}  // namespace

std::shared_ptr<Application> Application::Start(Machine& machine, const Settings& settings,
                                                const StartRequest& request) {
  auto logon = std::make_unique<Logon>(machine, request);
  auto file = CurrentFile::Open(machine.sessions(), logon->Session(), request.file,
                                request.exclusive, request.read_only, request.database_password);
  auto app = std::make_shared<Application>(Token{}, machine, settings, std::move(logon));
  machine.processes().Started(app);
  if (auto error = com::Capture([&] { app->Begin(std::move(file), request.bypass_key); })) {
    app->Quit();
    throw *error;
  }
  return app;
}

Application::Application(Token, Machine& machine, Settings settings, std::unique_ptr<Logon> logon)
    : machine_(machine),
      settings_(std::move(settings)),
      logon_(std::move(logon)),
      main_(std::make_unique<MainWindow>(machine.windows())),
      editor_(std::make_unique<CodeEditor>(machine.windows())),
      options_(machine.registry()),
      messages_served_(machine.windows().Posted().size()) {
  main_->Activate();
}

void Application::Begin(std::shared_ptr<CurrentFile> file, bool bypass_key) {
  bypass_key_ = bypass_key;
  add_ins_.Load(machine_, shared_from_this());
  Attach(std::move(file), bypass_key);
  add_ins_.StartupComplete();
}

std::shared_ptr<Application> Application::Served(const std::weak_ptr<Application>& application) {
  auto served = application.lock();
  if (!served) RaiseAccess(kServerUnavailable);
  served->Serve();
  return served;
}

const com::TypeInfo& Application::Members() const {
  static const com::TypeInfo info =
      com::TypeBuilder<Application>("Application")
          .Get("CurrentProject", &Application::CurrentProject)
          .Custom(Method<Application>("CurrentDB", [](Application& app, Args) {
            return com::Variant(app.CurrentDB());
          }))
          .Custom(Method<Application>("CurrentUser", [](Application& app, Args) {
            return com::Variant(app.CurrentUser());
          }))
          .Get("DBEngine", &Application::DBEngine)
          .Custom(Method<Application>("hWndAccessApp", [](Application& app, Args) {
            return com::Variant(app.hWndAccessApp());
          }))
          .Custom(Method<Application>("SysCmd", [](Application& app, Args args) {
            return app.SysCmd(com::CLng(Required(args, 0)));
          }))
          .Custom(Method<Application>("GetOption", [](Application& app, Args args) {
            return app.GetOption(com::CStr(Required(args, 0)));
          }))
          .Custom(Action("SetOption", [](Application& app, Args args) {
            app.SetOption(com::CStr(Required(args, 0)), Required(args, 1));
          }))
          .Custom(Action("Quit", [](Application& app, Args) { app.Quit(); }))
          .Get("VBE", &Application::VBE)
          .Get("DoCmd", &Application::DoCmd)
          .Get("Forms", &Application::Forms)
          .Get("Reports", &Application::Reports)
          .Get("Modules", &Application::Modules)
          .Get("DataAccessPages", &Application::DataAccessPages)
          .Get("CommandBars", &Application::CommandBars)
          .Custom(Action("RunCommand", [](Application& app, Args args) {
            app.RunCommand(com::CLng(Required(args, 0)));
          }))
          .Custom(Action("SaveAsText", [](Application& app, Args args) {
            app.Saved("SaveAsText").SaveAsText(com::CLng(Required(args, 0)),
                                               com::CStr(Required(args, 1)),
                                               com::CStr(Required(args, 2)));
          }))
          .Custom(Action("LoadFromText", [](Application& app, Args args) {
            app.Saved("LoadFromText").LoadFromText(com::CLng(Required(args, 0)),
                                                   com::CStr(Required(args, 1)),
                                                   com::CStr(Required(args, 2)));
          }))
          .Custom(Action("OpenCurrentDatabase", [](Application& app, Args args) {
            const com::Variant exclusive = Arg(args, 1);
            app.OpenCurrentDatabase(com::CStr(Required(args, 0)),
                                    !exclusive.IsEmpty() && com::CBool(exclusive),
                                    com::CStr(Arg(args, 2)));
          }))
          .Custom(Action("CloseCurrentDatabase",
                         [](Application& app, Args) { app.CloseCurrentDatabase(); }))
          .Build();
  return info;
}

com::Variant Application::Get(std::string_view member, std::span<const com::Variant> args) {
  Serve();
  return com::Dispatch::Get(member, args);
}

void Application::Let(std::string_view member, const com::Variant& value) {
  Serve();
  com::Dispatch::Let(member, value);
}

com::ObjectRef Application::CurrentProject() {
  return std::make_shared<access::CurrentProject>(Self());
}

com::ObjectRef Application::CurrentDB() {
  return documents_ ? com::ObjectRef(documents_->File()->CurrentDB()) : nullptr;
}

std::string Application::CurrentUser() { return logon_->User(); }

com::ObjectRef Application::DBEngine() { return logon_->Engine(); }

std::int32_t Application::hWndAccessApp() { return main_->Handle(); }

com::Variant Application::SysCmd(std::int32_t action) {
  if (action != msaccess::acSysCmdAccessVer) com::RaiseVb(5);
  return com::Variant(settings_.version);
}

com::Variant Application::GetOption(const std::string& name) { return options_.Get(name); }

void Application::SetOption(const std::string& name, const com::Variant& value) {
  options_.Set(name, value);
}

com::ObjectRef Application::VBE() { return std::make_shared<Vbe>(Self()); }

com::ObjectRef Application::DoCmd() { return std::make_shared<access::DoCmd>(Self()); }

com::ObjectRef Application::Forms() {
  return std::make_shared<OpenDocuments>(Self(), msaccess::acForm);
}

com::ObjectRef Application::Reports() {
  return std::make_shared<OpenDocuments>(Self(), msaccess::acReport);
}

com::ObjectRef Application::Modules() {
  return std::make_shared<OpenDocuments>(Self(), msaccess::acModule);
}

com::ObjectRef Application::DataAccessPages() {
  return std::make_shared<OpenDocuments>(Self(), msaccess::acDataAccessPage);
}

com::ObjectRef Application::CommandBars() {
  return std::make_shared<office::CommandBars>(Self());
}

void Application::RunCommand(std::int32_t command) {
  switch (command) {
    case kRelationshipsCommand: RequireDocuments("Relationships").OpenRelationships(); break;
    case msaccess::acCmdDesignView: RequireDocuments("Design View").SwitchView(command); break;
    case msaccess::acCmdSQLView: RequireDocuments("SQL View").SwitchView(command); break;
    default: break;
  }
  commands_.push_back(command);
}

void Application::OpenCurrentDatabase(const std::string& path, bool exclusive,
                                      const std::string& database_password) {
  if (documents_) RaiseAccess(kDatabaseAlreadyOpen);
  Attach(CurrentFile::Open(machine_.sessions(), logon_->Session(), path, exclusive, false,
                           database_password),
         false);
}

void Application::CloseCurrentDatabase() {
  if (!documents_) return;
  machine_.running_objects().Revoke(registration_);
  registration_ = 0;
  documents_.reset();
}

void Application::Quit() {
  if (!running_) return;
  auto self = shared_from_this();
  add_ins_.Unload();
  CloseCurrentDatabase();
  editor_.reset();
  main_.reset();
  logon_.reset();
  running_ = false;
  machine_.processes().Exited(*this);
}

Application::HWND Application::ShowFindDialog() { return main_->OpenDialog("Find and Replace"); }

DocumentWindows& Application::RequireDocuments(const std::string& action) {
  if (!documents_) RaiseAccess(kActionNotAvailable, action);
  return *documents_;
}

SavedDocuments Application::Saved(const std::string& action) {
  return SavedDocuments(RequireDocuments(action));
}

MainWindow& Application::Main() {
  if (!main_) RaiseAccess(kServerUnavailable);
  return *main_;
}

CodeEditor& Application::Editor() {
  if (!editor_) RaiseAccess(kServerUnavailable);
  return *editor_;
}

std::weak_ptr<Application> Application::Self() {
  return std::static_pointer_cast<Application>(shared_from_this());
}

void Application::Serve() {
  if (running_) PumpMessages();
  if (!running_) RaiseAccess(kServerUnavailable);
}

void Application::PumpMessages() {
  const auto& posted = machine_.windows().Posted();
  while (running_ && messages_served_ < posted.size()) {
    const auto message = posted[messages_served_++];
    if (message.message == platform::Windows::WM_CLOSE) CloseWindow(message.window);
  }
}

void Application::CloseWindow(HWND window) {
  if (window == main_->Handle()) return Quit();
  if (main_->CloseDialog(window)) return;
  if (documents_) documents_->CloseWindow(window);
}

void Application::Attach(std::shared_ptr<CurrentFile> file, bool bypass_key) {
  documents_ = std::make_unique<DocumentWindows>(Self(), std::move(file), *main_, *editor_);
  registration_ =
      machine_.running_objects().Register(documents_->File()->FullName(), shared_from_this());
  documents_->RunStartup(bypass_key);
}

}  // namespace sim::access
