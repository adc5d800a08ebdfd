#pragma once
// One Access 2000 database (.mdb and relatives) or Access project (.adp).
// A Project opens nothing when it is made: its private DAO workspace and
// database open on first use, Access is found or started on first use of
// AccessApp, and its collections are made when the host first asks for them.

#include <cstdint>
#include <memory>
#include <string>

#include "com/dispatch.h"
#include "driver/icollection.h"
#include "driver/iproject.h"
#include "host/keyed_collection.h"
#include "platform/dao.h"
#include "shared/backend_databases.h"

namespace ui {
class Dispatcher;
}
namespace objects {
class Tables;
class Queries;
class Relationships;
class ImportSpecs;
}

namespace driver {

class Project : public com::Dispatch, public IProject {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "Project";

 public:
  const com::TypeInfo& Members() const override;

  // ---- opening ----
  void Initialize(const std::string& name, const std::string& parameters);
  const std::string& Name() const { return name_; }
  std::string ProjectPath() const { return project_path_; }
  std::int32_t ProjectType() const { return project_type_; }
  bool ExcludeQueryFields() const { return exclude_query_fields_; }
  bool ExcludeLinkedTableFields() const { return exclude_linked_table_fields_; }
  // The private workspace, or nothing when it could not be created (logged).
  std::shared_ptr<dao::Workspace> Workspace();
  // The project's database, or nothing when it could not be opened (logged).
  std::shared_ptr<dao::Database> Database();
  std::string CurrentUser() const;
  std::string DatabaseUser() const;
  bool IsUnderScc();

  // ---- Access ----
  com::ObjectRef AccessApp();
  bool AccessAppIsLoaded();
  std::shared_ptr<dao::Database> CurrentDB();
  void CloseDatabase();
  std::shared_ptr<ui::Dispatcher> GetDispatcher() const { return dispatcher_; }

  // ---- locking ----
  bool IsUpdatable();
  bool IsLocked() const { return is_locked_; }
  bool ObtainLock(com::Dispatch& instance);
  void ReleaseLock(com::Dispatch& instance);
  com::Variant CheckForOpenObjects(com::Dispatch& instance);

  // ---- collections ----
  // The collections by name; nothing until the host has asked for the
  // collection list, and nothing for a collection the project type lacks.
  std::shared_ptr<objects::Tables> Tables();
  std::shared_ptr<objects::Queries> Queries();
  std::shared_ptr<objects::Relationships> Relationships();
  std::shared_ptr<objects::ImportSpecs> ImportSpecs();
  std::shared_ptr<ICollection> Forms();
  std::shared_ptr<ICollection> Reports();
  std::shared_ptr<ICollection> DataAccessPages();
  std::shared_ptr<ICollection> Macros();
  std::shared_ptr<ICollection> Modules();
  std::shared_ptr<ICollection> CommandBars();
  com::ObjectRef GetCommandBar(const std::string& name);
  com::ObjectRef GetDataAccessPage(const std::string& name);
  com::ObjectRef GetForm(const std::string& name);
  com::ObjectRef GetMacro(const std::string& name);
  com::ObjectRef GetModule(const std::string& name);
  com::ObjectRef GetReport(const std::string& name);
  void OpenBackendDatabases();
  void CloseBackendDatabases();
  const shared::BackendDatabases& Backends() const { return backends_; }

  // ---- IProject ----
  void IProject_UpdateName(const std::string& name) override;
  std::string IProject_EnumCollections() override;
  std::shared_ptr<ICollection> IProject_GetCollection(const std::string& name) override;
  void IProject_Deactivate() override;
  void IProject_ResetActivationFlags() override;
  std::string IProject_EnumCommands() override;
  void IProject_ExecuteCommand(std::int32_t command) override;

 private:
  // Checks a database file before Access is started on it; returns whether
  // the bypass key is allowed.
  bool InspectDatabase();
  com::ObjectRef StartAccess(bool bypass_allowed);
  com::ObjectRef ReachAccess();
  void AttachAccess(const com::ObjectRef& instance);
  void ValidateDispatcher();
  void CloseAccessApp();
  void QuitUnattachedAccess();
  // Opens the driver's own DAO database, retrying for a while; false when it
  // would not open.
  bool OpenOwnDatabase(dao::Workspace& workspace);
  void InitCollections();
  std::shared_ptr<ICollection> Collection(const std::string& name);
  com::ObjectRef GetDocument(const char* procedure, const std::string& name,
                             com::ObjectRef (ui::Dispatcher::*getter)(std::shared_ptr<Project>,
                                                                      std::int32_t,
                                                                      const std::string&));
  std::shared_ptr<Project> Self();

  std::string name_;
  std::int32_t project_type_ = 2;
  std::string project_path_;
  std::string database_password_;
  std::string workgroup_;
  std::string username_;
  std::string password_;
  bool exclude_query_fields_ = true;
  bool exclude_linked_table_fields_ = true;
  bool access_attempted_ = false;
  std::shared_ptr<ui::Dispatcher> dispatcher_;
  bool access_started_by_driver_ = false;
  // An Access the driver started and has not attached yet: the roll-back of
  // a failed attach quits it.
  com::ObjectRef unattached_access_;
  std::shared_ptr<dao::Database> current_db_;
  std::string current_user_;
  std::shared_ptr<dao::DBEngine> db_engine_;
  bool workspace_attempted_ = false;
  std::shared_ptr<dao::Workspace> workspace_;
  std::shared_ptr<dao::Database> database_;
  // database_ is Access's current database (the file is held exclusively).
  bool database_is_accesss_ = false;
  std::string database_user_;
  std::string access_full_name_;
  bool is_locked_ = false;
  bool scc_checked_ = false;
  bool is_under_scc_ = false;
  std::unique_ptr<host::KeyedCollection<ICollection>> collection_registry_;
  com::Variant saved_show_windows_in_taskbar_;
  shared::BackendDatabases backends_;
  bool updatable_computed_ = false;
  bool updatable_ = false;
};

}  // namespace driver
