#include "driver/project.h"

#include "com/text.h"
#include "host/parameter_set.h"
#include "host/utility.h"
#include "objects/code/macros.h"
#include "objects/code/modules.h"
#include "objects/data/importspecs.h"
#include "objects/data/queries.h"
#include "objects/data/relationships.h"
#include "objects/data/tables.h"
#include "objects/documents/command_bars.h"
#include "objects/documents/data_access_pages.h"
#include "objects/documents/forms.h"
#include "objects/documents/reports.h"
#include "platform/access.h"
#include "platform/ado.h"
#include "platform/system.h"
#include "shared/utility.h"
#include "shared/validation.h"
#include "shared/version.h"
#include "shared/vxhandler.h"
#include "ui/dispatcher.h"

namespace driver {
namespace {

constexpr std::uint32_t kOpenRetryMilliseconds = 2000;
constexpr std::uint32_t kOpenRetryPause = 100;
constexpr std::int32_t kPermissionDenied = 70;
constexpr std::int32_t kUnrecognizedFormat = 3343;
constexpr std::int32_t kShiftKey = 16;
constexpr std::int32_t kFileInUse = 3045;
constexpr std::uint32_t kLaunchTimeout = 10000;
constexpr const char* kConnectionControl = "Jet OLEDB:Connection Control";

platform::System& System() { return platform::System::Current(); }

std::string ConnectString(const std::string& database_password) {
  return database_password.empty() ? "" : ";pwd=" + database_password;
}

com::ObjectRef Member(com::Dispatch& object, const char* name) {
  return com::CObj(object.Get(name));
}

template <class T>
std::shared_ptr<T> As(const com::Variant& value) {
  return std::dynamic_pointer_cast<T>(com::CObj(value));
}

std::string FullName(com::Dispatch& access_app) {
  return com::CStr(Member(access_app, "CurrentProject")->Get("FullName"));
}

// CurrentProject.Connection.Properties("Jet OLEDB:Connection Control") of an Access instance.
void SetConnectionControl(com::Dispatch& access_app, std::int32_t value) {
  auto connection = Member(*Member(access_app, "CurrentProject"), "Connection");
  auto properties = Member(*connection, "Properties");
  com::CObj(properties->Call("Item", {com::Variant(kConnectionControl)}))->Let("Value", value);
}

std::string DatabaseProperty(dao::Database& database, const std::string& name) {
  return com::ValueOr<std::string>(
      [&] { return com::CStr(database.GetProperties()->Item(name)->Value()); }, "");
}

}  // namespace

const com::TypeInfo& Project::Members() const {
  static const com::TypeInfo info = com::TypeBuilder<Project>("Project")
                                        .Get("ProjectPath", &Project::ProjectPath)
                                        .Get("ProjectType", &Project::ProjectType)
                                        .Get("ExcludeQueryFields", &Project::ExcludeQueryFields)
                                        .Get("ExcludeLinkedTableFields",
                                             &Project::ExcludeLinkedTableFields)
                                        .Get("IsLocked", &Project::IsLocked)
                                        .Get("CurrentUser", &Project::CurrentUser)
                                        .Get("DatabaseUser", &Project::DatabaseUser)
                                        .Build();
  return info;
}

std::shared_ptr<Project> Project::Self() {
  return std::static_pointer_cast<Project>(shared_from_this());
}

// ---- opening ----

void Project::Initialize(const std::string& name, const std::string& parameters) {
  vxhandler::Guard(kClass, "Initialize", [&] {
    host::ParameterSet set;
    set.SetText(parameters);
    const std::string type = set.GetValue("ProjectType", "Database");
    if (com::EqualsNoCase(type, "database")) {
      project_type_ = msaccess::acMDB;
    } else if (com::EqualsNoCase(type, "project")) {
      project_type_ = msaccess::acADP;
    } else {
      validation::RaiseInvalidCaseSelector(com::Variant(type));
    }
    name_ = name;
    project_path_ = set.GetValue("Database", "");
    database_password_ = set.GetValue("DatabasePassword", "");
    workgroup_ = set.GetValue("Workgroup", "");
    username_ = set.GetValue("Username", "");
    password_ = set.GetValue("Password", "");
    exclude_query_fields_ = set.GetValue("ExcludeQueryFields", "1") == "1";
    exclude_linked_table_fields_ = set.GetValue("ExcludeLinkedTableFields", "1") == "1";
  });
}

std::shared_ptr<dao::Workspace> Project::Workspace() {
  return vxhandler::Guard(kClass, "Workspace", [&] {
    if (workspace_attempted_) return workspace_;
    auto error = com::Capture([&] {
      db_engine_ = System().NewDBEngine();
      db_engine_->SetSystemDB(workgroup_);
      workspace_ = db_engine_->CreateWorkspace(
          std::to_string(System().clock().GetTickCount()) + "Quillnet",
          username_.empty() ? "Admin" : username_, password_);
    });
    if (error) {
      workspace_.reset();
      vxhandler::LogRuntimeError(error->Number(), error->Description(), "", 0,
                                 shared::kProjectName, kClass, "Workspace", 0);
    }
    workspace_attempted_ = true;
    return workspace_;
  });
}

std::shared_ptr<dao::Database> Project::Database() {
  return vxhandler::Guard(kClass, "Database", [&]() -> std::shared_ptr<dao::Database> {
    // Access's database goes with the link when the user closes it there.
    if (database_is_accesss_ && dispatcher_) ValidateDispatcher();
    if (database_) return database_;
    auto probe = com::Capture([&] { System().files().ProbeRead(project_path_); });
    if (probe && probe->Number() != kPermissionDenied) {
      vxhandler::LogRuntimeError(probe->Number(),
                                 "Couldn't open database '" + project_path_ + "'.\r\n" +
                                     probe->Description(),
                                 "", 0, shared::kProjectName, kClass, "Database", 0);
      return nullptr;
    }
    if (!probe) {
      auto workspace = Workspace();
      if (!workspace) return nullptr;
      if (OpenOwnDatabase(*workspace)) return database_;
    }
    // The file is held exclusively, or it would not open: Access's own
    // database is the way in. When Access cannot be reached either, the
    // reason goes to the problem log.
    if (auto error = com::Capture([&] { database_ = CurrentDB(); })) {
      vxhandler::LogRuntimeError(error->Number(), error->Description(), "", 0,
                                 shared::kProjectName, kClass, "Database", 0);
      return nullptr;
    }
    if (!database_) return nullptr;
    database_is_accesss_ = true;
    database_user_ = current_user_;
    OpenBackendDatabases();
    return database_;
  });
}

bool Project::OpenOwnDatabase(dao::Workspace& workspace) {
  // Access's lock admits no new connection: it is lifted while the driver
  // opens its own and held again after, so IsLocked stays true to the file.
  const bool locked_by_access = dispatcher_ && project_type_ == msaccess::acMDB;
  if (locked_by_access) SetConnectionControl(*dispatcher_->AccessApp(), 2);
  auto& clock = System().clock();
  const std::uint32_t start = clock.GetTickCount();
  do {
    auto error = com::Capture([&] {
      database_ = workspace.OpenDatabase(project_path_, false, false,
                                         ConnectString(database_password_));
    });
    if (!error) {
      database_user_ = username_;
      break;
    }
    clock.Sleep(kOpenRetryPause);
  } while (clock.GetTickCount() - start < kOpenRetryMilliseconds);
  if (locked_by_access && is_locked_) SetConnectionControl(*dispatcher_->AccessApp(), 1);
  return database_ != nullptr;
}

std::string Project::CurrentUser() const { return current_user_.empty() ? "Admin" : current_user_; }

std::string Project::DatabaseUser() const {
  return database_user_.empty() ? "Admin" : database_user_;
}

bool Project::IsUnderScc() {
  return vxhandler::Guard(kClass, "IsUnderScc", [&] {
    if (scc_checked_) return is_under_scc_;
    if (project_type_ == msaccess::acMDB) {
      std::shared_ptr<dao::Database> database = database_;
      if (!database && dispatcher_)
        database = As<dao::Database>(dispatcher_->AccessApp()->Call("CurrentDB"));
      if (!database) validation::RaiseObjectNotInProperState();
      is_under_scc_ = !DatabaseProperty(*database, "SccPath").empty();
    }
    scc_checked_ = true;
    return is_under_scc_;
  });
}

bool Project::InspectDatabase() {
  return vxhandler::Guard(kClass, "InspectDatabase", [&] {
    host::Utility utility;
    if (!utility.FileExists(project_path_))
      validation::RaiseMessage("Couldn't find the database file '" + project_path_ + "'.");
    auto engine = System().NewDBEngine();
    if (!utility.FileExists(workgroup_))
      validation::RaiseMessage("Couldn't find the workgroup file '" + workgroup_ + "'.");
    engine->SetSystemDB(workgroup_);
    auto workspace =
        engine->CreateWorkspace(std::to_string(System().clock().GetTickCount()) + "Quillnet",
                                username_.empty() ? "Admin" : username_, password_);
    std::shared_ptr<dao::Database> database;
    auto error = com::Capture([&] {
      database = workspace->OpenDatabase(project_path_, false, true,
                                         ConnectString(database_password_));
    });
    if (error) {
      workspace->Close();
      if (error->Number() == kUnrecognizedFormat)
        validation::RaiseMessage(
            "Unrecognized database format. The database file was created or converted by a "
            "version of Access later than Access 2000, or the file is not a valid database "
            "file.");
      com::Raise(error->Number(), error->Description());
    }
    const std::string scc_path = DatabaseProperty(*database, "SccPath");
    const std::string version = DatabaseProperty(*database, "AccessVersion");
    const bool bypass = com::ValueOr<bool>(
        [&] { return com::CBool(database->GetProperties()->Item("AllowBypassKey")->Value()); },
        true);
    bool has_startup = false;
    if (!bypass) {
      has_startup = !DatabaseProperty(*database, "StartupForm").empty() ||
                    !com::Capture([&] {
                       database->GetContainers()->Item("Scripts")->GetDocuments()->Item("AutoExec");
                     }).has_value();
    }
    database->Close();
    workspace->Close();
    const std::string major = version.substr(0, 2);
    if (major == "02")
      validation::RaiseMessage("Access 2.0 databases are not supported by the Access 2000 driver.");
    if (major == "06")
      validation::RaiseMessage("Access 95 databases are not supported by the Access 2000 driver.");
    if (major == "07")
      validation::RaiseMessage("Access 97 databases are not supported by the Access 2000 driver.");
    if (major != "08")
      validation::RaiseMessage(
          "This Jet database cannot be inspected because it has not previously been opened "
          "with Access.");
    if (has_startup)
      validation::RaiseMessage(
          std::string("This Access 2000 database cannot be inspected because it contains an "
                      "AutoExec macro") +
          " and/or a startup form, and the AllowBypassKey property is set to False.");
    if (!scc_path.empty()) CloseDatabase();
    return bypass;
  });
}

// ---- Access ----

com::ObjectRef Project::AccessApp() {
  return vxhandler::GuardWithRollback(
      kClass, "AccessApp",
      [&]() -> com::ObjectRef {
        if (dispatcher_) ValidateDispatcher();
        if (!dispatcher_ && !access_attempted_) {
          access_full_name_.clear();
          if (auto instance = ReachAccess()) AttachAccess(instance);
          access_attempted_ = true;
        }
        return dispatcher_ ? dispatcher_->AccessApp() : nullptr;
      },
      [&] {
        CloseAccessApp();
        QuitUnattachedAccess();
      });
}

// A running Access that has the file open, or a new one started on it.
com::ObjectRef Project::ReachAccess() {
  auto running = host::Utility().GetRunningObject(project_path_);
  if (running && com::Capture([&] { FullName(*running); })) running.reset();
  if (running) {
    access_started_by_driver_ = false;
    return running;
  }
  auto bypass = project_type_ == msaccess::acMDB ? InspectDatabase() : false;
  if (project_type_ == msaccess::acADP && !host::Utility().FileExists(project_path_))
    validation::RaiseMessage("Couldn't find the project file '" + project_path_ + "'.");
  auto started = StartAccess(bypass);
  access_started_by_driver_ = true;
  return started;
}

void Project::AttachAccess(const com::ObjectRef& instance) {
  const std::string name =
      shared::kProjectName + std::to_string(com::CLng(instance->Get("hWndAccessApp")));
  dispatcher_ = std::dynamic_pointer_cast<ui::Dispatcher>(host::Utility().GetRunningObject(name));
  // Without the add-in there is no way to talk to this Access.
  if (!dispatcher_) validation::RaiseMessage("Unable to start and/or communicate with Access 2000");
  dispatcher_->Initialize2(vxhandler::ProblemLog());
  current_user_ = com::CStr(instance->Get("CurrentUser"));
  access_full_name_ = FullName(*instance);
  dispatcher_->OpenBackendDatabases();
  is_locked_ = project_type_ == msaccess::acMDB ? ObtainLock(*instance) : true;
  saved_show_windows_in_taskbar_ =
      instance->Call("GetOption", {com::Variant("ShowWindowsInTaskbar")});
  instance->Call("SetOption", {com::Variant("ShowWindowsInTaskbar"), com::Variant(0)});
  unattached_access_.reset();
}

com::ObjectRef Project::StartAccess(bool bypass_allowed) {
  return vxhandler::Guard(kClass, "StartAccess", [&] {
    auto quoted = [](const std::string& s) { return "\"" + s + "\""; };
    std::string command = quoted(Utility::Access9EXEPath()) + " " + quoted(project_path_);
    const bool database = project_type_ == msaccess::acMDB;
    if (database) {
      command += " /wrkgrp " + quoted(workgroup_);
      if (!username_.empty()) command += " /user " + quoted(username_);
      if (!password_.empty()) command += " /pwd " + quoted(password_);
    }
    auto instance = host::Utility().LaunchAndAttach(
        command, project_path_, "", database ? database_password_ : "",
        database && bypass_allowed ? kShiftKey : 0, true, kLaunchTimeout);
    if (!instance) validation::RaiseMessage("Unable to start and/or communicate with Access 2000");
    unattached_access_ = instance;
    auto windows = Member(*Member(*instance, "VBE"), "Windows");
    for (std::int32_t i = com::CLng(windows->Get("Count")); i >= 1; --i) {
      auto window = com::CObj(windows->Call("Item", {com::Variant(i)}));
      if (com::CLng(window->Get("Type")) == 0) window->Call("Close");
    }
    return instance;
  });
}

void Project::ValidateDispatcher() {
  vxhandler::Guard(kClass, "ValidateDispatcher", [&] {
    const std::string full_name = com::ValueOr<std::string>(
        [&] { return FullName(*dispatcher_->AccessApp()); }, "");
    if (com::EqualsNoCase(full_name, access_full_name_)) return;
    current_db_.reset();
    current_user_.clear();
    if (database_is_accesss_) {
      CloseBackendDatabases();
      database_.reset();
      database_user_.clear();
      database_is_accesss_ = false;
    }
    if (dispatcher_) dispatcher_->Disconnect2();
    dispatcher_.reset();
    access_full_name_.clear();
    access_started_by_driver_ = false;
    access_attempted_ = false;
  });
}

bool Project::AccessAppIsLoaded() {
  return vxhandler::Guard(kClass, "AccessAppIsLoaded", [&] {
    if (dispatcher_) ValidateDispatcher();
    return dispatcher_ != nullptr;
  });
}

std::shared_ptr<dao::Database> Project::CurrentDB() {
  return vxhandler::Guard(kClass, "CurrentDB", [&] {
    if (!current_db_) {
      if (auto instance = AccessApp()) {
        current_db_ = As<dao::Database>(instance->Call("CurrentDB"));
        current_user_ = com::CStr(instance->Get("CurrentUser"));
      }
    }
    return current_db_;
  });
}

void Project::CloseAccessApp() {
  vxhandler::Guard(kClass, "CloseAccessApp", [&] {
    if (dispatcher_) ValidateDispatcher();
    if (!dispatcher_) return;
    database_.reset();
    database_user_.clear();
    current_db_.reset();
    current_user_.clear();
    dispatcher_->CloseBackendDatabases();
    auto instance = dispatcher_->AccessApp();
    dispatcher_->Disconnect2();
    if (access_started_by_driver_) {
      instance->Call("SetOption",
                     {com::Variant("ShowWindowsInTaskbar"), saved_show_windows_in_taskbar_});
      instance->Call("Quit", {com::Variant(msaccess::acQuitSaveNone)});
      access_started_by_driver_ = false;
      unattached_access_.reset();
    } else {
      ReleaseLock(*instance);
    }
    dispatcher_.reset();
    access_full_name_.clear();
    access_attempted_ = false;
  });
}

// A failure between starting Access and attaching to it leaves no Access
// behind: validation would take an instance whose file was not recorded yet
// for one the user changed, and let it run.
void Project::QuitUnattachedAccess() {
  if (!unattached_access_) return;
  com::IgnoreErrors(
      [&] { unattached_access_->Call("Quit", {com::Variant(msaccess::acQuitSaveNone)}); });
  unattached_access_.reset();
  access_started_by_driver_ = false;
}

void Project::CloseDatabase() {
  vxhandler::Guard(kClass, "CloseDatabase", [&] {
    CloseBackendDatabases();
    if (database_) {
      if (!dispatcher_) database_->Close();
      database_.reset();
      database_user_.clear();
      database_is_accesss_ = false;
    }
    if (workspace_) {
      workspace_->Close();
      workspace_.reset();
      workspace_attempted_ = false;
    }
    db_engine_.reset();
  });
}

// ---- locking ----

bool Project::IsUpdatable() {
  return vxhandler::Guard(kClass, "IsUpdatable", [&] {
    if (updatable_computed_) return updatable_;
    updatable_ = [&] {
      if (!host::Utility().FileExists(project_path_)) return false;
      if (System().files().IsReadOnly(project_path_)) return false;
      if (project_type_ == msaccess::acADP) return true;
      auto database = Database();
      if (!database) return false;
      const std::string replica = DatabaseProperty(*database, "ReplicaID");
      if (replica.empty()) return true;
      const std::string master = DatabaseProperty(*database, "DesignMasterID");
      return master.empty() || master == replica;
    }();
    updatable_computed_ = true;
    return updatable_;
  });
}

bool Project::ObtainLock(com::Dispatch& instance) {
  return vxhandler::Guard(kClass, "ObtainLock", [&] {
    const std::string scc = com::ValueOr<std::string>(
        [&] {
          auto current = As<dao::Database>(instance.Call("CurrentDB"));
          return com::CStr(current->GetProperties()->Item("SccPath")->Value());
        },
        "");
    if (!scc.empty()) return true;
    auto connection = System().NewAdoConnection();
    connection->SetProvider("Microsoft.Jet.OLEDB.4.0");
    connection->SetProperty("Jet OLEDB:System Database", workgroup_);
    if (!database_password_.empty())
      connection->SetProperty("Jet OLEDB:Database Password", database_password_);
    // Jet refuses the roster connection (3045) only when the file is open
    // exclusively; the instance reached has it open, so it is the one that
    // holds it, and the database is Access's alone already.
    if (auto refused = com::Capture(
            [&] { connection->Open(FullName(instance), username_, password_); })) {
      if (refused->Number() == kFileInUse) return true;
      throw *refused;
    }
    auto roster = connection->OpenSchema(ado::adSchemaProviderSpecific, ado::JET_SCHEMA_USERROSTER);
    bool alone = true;
    const std::string first = com::Trim(com::CStr(roster->Field(0)));
    for (roster->MoveNext(); !roster->IsEOF(); roster->MoveNext()) {
      if (!com::EqualsNoCase(com::Trim(com::CStr(roster->Field(0))), first)) {
        alone = false;
        break;
      }
    }
    roster->Close();
    connection->Close();
    if (alone) SetConnectionControl(instance, 1);
    return alone;
  });
}

void Project::ReleaseLock(com::Dispatch& instance) {
  vxhandler::Guard(kClass, "ReleaseLock", [&] { SetConnectionControl(instance, 2); });
}

com::Variant Project::CheckForOpenObjects(com::Dispatch& instance) {
  return vxhandler::Guard(kClass, "CheckForOpenObjects", [&] {
    if (com::CLng(Member(instance, "Modules")->Get("Count")) > 0) return com::Variant(true);
    static const char* const kDocumentClasses[] = {"OTable",    "OQry",    "OForm",  "OReport",
                                                   "ODataPage", "OScript", "OSysRel"};
    auto& windows = System().windows();
    for (auto window : Utility::DocumentWindows(com::CLng(instance.Get("hWndAccessApp")))) {
      const std::string class_name = windows.GetClassName(window);
      for (const char* document_class : kDocumentClasses)
        if (class_name == document_class) return com::Variant(true);
    }
    return com::Variant(false);
  });
}

// ---- collections and commands ----

com::ObjectRef Project::GetDocument(const char* procedure, const std::string& name,
                                    com::ObjectRef (ui::Dispatcher::*getter)(
                                        std::shared_ptr<Project>, std::int32_t,
                                        const std::string&)) {
  return vxhandler::Guard(kClass, procedure, [&]() -> com::ObjectRef {
    if (!AccessApp()) return nullptr;
    return ((*dispatcher_).*getter)(Self(), project_type_, name);
  });
}

com::ObjectRef Project::GetCommandBar(const std::string& name) {
  return vxhandler::Guard(kClass, "GetCommandBar", [&]() -> com::ObjectRef {
    if (!AccessApp()) return nullptr;
    return dispatcher_->GetCommandBar(Self(), name);
  });
}

com::ObjectRef Project::GetDataAccessPage(const std::string& name) {
  return GetDocument("GetDataAccessPage", name, &ui::Dispatcher::GetDataAccessPage);
}
com::ObjectRef Project::GetForm(const std::string& name) {
  return GetDocument("GetForm", name, &ui::Dispatcher::GetForm);
}
com::ObjectRef Project::GetMacro(const std::string& name) {
  return GetDocument("GetMacro", name, &ui::Dispatcher::GetMacro);
}
com::ObjectRef Project::GetModule(const std::string& name) {
  return GetDocument("GetModule", name, &ui::Dispatcher::GetModule);
}
com::ObjectRef Project::GetReport(const std::string& name) {
  return GetDocument("GetReport", name, &ui::Dispatcher::GetReport);
}

void Project::OpenBackendDatabases() {
  vxhandler::Guard(kClass, "OpenBackendDatabases", [&] {
    if (backends_.Opened()) return;
    auto workspace = Workspace();
    auto database = workspace ? Database() : nullptr;
    backends_.Open(workspace.get(), database.get(), kClass);
  });
}

void Project::CloseBackendDatabases() {
  vxhandler::Guard(kClass, "CloseBackendDatabases", [&] { backends_.Close(); });
}

void Project::IProject_UpdateName(const std::string& name) {
  vxhandler::Guard(kClass, "IProject_UpdateName", [&] { name_ = name; });
}

std::string Project::IProject_EnumCollections() {
  return vxhandler::Guard(kClass, "IProject_EnumCollections", [&] {
    InitCollections();
    std::string names;
    for (std::int32_t i = 1; i <= collection_registry_->Count(); ++i) {
      if (i > 1) names += '\t';
      names += collection_registry_->KeyAt(i);
    }
    return names;
  });
}

std::shared_ptr<ICollection> Project::IProject_GetCollection(const std::string& name) {
  return vxhandler::Guard(kClass, "IProject_GetCollection", [&] {
    InitCollections();
    return Collection(name);
  });
}

std::shared_ptr<ICollection> Project::Collection(const std::string& name) {
  if (!collection_registry_) return nullptr;
  return collection_registry_->Item(collection_registry_->IndexOf(com::Variant(name)));
}

void Project::InitCollections() {
  if (collection_registry_) return;
  collection_registry_ = std::make_unique<host::KeyedCollection<ICollection>>();
  auto add = [&](const std::shared_ptr<objects::CollectionBase>& collection, const char* key) {
    collection->Initialize(Self());
    collection_registry_->Add(collection, key);
  };
  if (project_type_ == msaccess::acMDB) {
    add(std::make_shared<objects::Tables>(), "Tables");
    add(std::make_shared<objects::Queries>(), "Queries");
    add(std::make_shared<objects::Relationships>(), "Relationships");
    add(std::make_shared<objects::ImportSpecs>(), "ImportSpecs");
  }
  add(std::make_shared<objects::Forms>(), "Forms");
  add(std::make_shared<objects::Reports>(), "Reports");
  add(std::make_shared<objects::DataAccessPages>(), "DataAccessPages");
  add(std::make_shared<objects::Macros>(), "Macros");
  add(std::make_shared<objects::Modules>(), "Modules");
  add(std::make_shared<objects::CommandBars>(), "CommandBars");
}

std::shared_ptr<objects::Tables> Project::Tables() {
  return std::dynamic_pointer_cast<objects::Tables>(Collection("Tables"));
}
std::shared_ptr<objects::Queries> Project::Queries() {
  return std::dynamic_pointer_cast<objects::Queries>(Collection("Queries"));
}
std::shared_ptr<objects::Relationships> Project::Relationships() {
  return std::dynamic_pointer_cast<objects::Relationships>(Collection("Relationships"));
}
std::shared_ptr<objects::ImportSpecs> Project::ImportSpecs() {
  return std::dynamic_pointer_cast<objects::ImportSpecs>(Collection("ImportSpecs"));
}
std::shared_ptr<ICollection> Project::Forms() { return Collection("Forms"); }
std::shared_ptr<ICollection> Project::Reports() { return Collection("Reports"); }
std::shared_ptr<ICollection> Project::DataAccessPages() { return Collection("DataAccessPages"); }
std::shared_ptr<ICollection> Project::Macros() { return Collection("Macros"); }
std::shared_ptr<ICollection> Project::Modules() { return Collection("Modules"); }
std::shared_ptr<ICollection> Project::CommandBars() { return Collection("CommandBars"); }

void Project::IProject_Deactivate() {
  vxhandler::Guard(kClass, "IProject_Deactivate", [&] {
    CloseDatabase();
    CloseAccessApp();
  });
}

void Project::IProject_ResetActivationFlags() {
  vxhandler::Guard(kClass, "IProject_ResetActivationFlags", [&] {
    access_attempted_ = false;
    workspace_attempted_ = false;
  });
}

std::string Project::IProject_EnumCommands() {
  return vxhandler::Guard(kClass, "IProject_EnumCommands", [] { return std::string(); });
}

void Project::IProject_ExecuteCommand(std::int32_t) {
  vxhandler::Guard(kClass, "IProject_ExecuteCommand", [] {});
}

}  // namespace driver
