#include "ui/parameters_validation.h"

#include "com/error.h"
#include "com/text.h"
#include "host/utility.h"
#include "platform/dao.h"
#include "platform/system.h"

namespace ui {
namespace {

constexpr std::int32_t kCannotCreateObject = 429;
constexpr std::int32_t kPropertyNotFound = 3270;
constexpr std::int32_t kUnrecognizedFormat = 3343;

std::string EngineMessage(const com::Error& e) {
  std::string text = "An error occurred while attempting to validate your login information.\r\n\r\n"
                     "CreateObject(\"DAO.DBEngine\") returned error code " +
                     std::to_string(e.Number()) + ": " + e.Description();
  if (e.Number() == kCannotCreateObject)
    text += "\r\n\r\nIt appears that Access 2000 is not installed on this system.";
  return text;
}

std::string VersionMessage(const std::string& version) {
  const std::string major = version.substr(0, 2);
  if (major == "02") return "Access 2.0 databases are not supported by the Access 2000 driver.";
  if (major == "06") return "Access 95 databases are not supported by the Access 2000 driver.";
  if (major == "07") return "Access 97 databases are not supported by the Access 2000 driver.";
  if (major != "08") return "This Jet database has never been opened with Access.";
  return "";
}

std::string ValidateDatabase(const ProjectParametersInput& in) {
  auto& system = platform::System::Current();
  std::shared_ptr<dao::DBEngine> engine;
  if (auto error = com::Capture([&] { engine = system.NewDBEngine(); })) return EngineMessage(*error);
  std::shared_ptr<dao::Workspace> workspace;
  if (auto error = com::Capture([&] {
        engine->SetSystemDB(in.workgroup);
        workspace = engine->CreateWorkspace(
            std::to_string(system.clock().GetTickCount()) + "Quillnet",
            in.username.empty() ? "Admin" : in.username, in.password);
      }))
    return error->Description();
  std::shared_ptr<dao::Database> database;
  if (auto error = com::Capture([&] {
        database = workspace->OpenDatabase(
            in.database, false, true,
            in.database_password.empty() ? "" : ";pwd=" + in.database_password);
      })) {
    workspace->Close();
    if (error->Number() == kUnrecognizedFormat)
      return "Unrecognized database format. The database file was created or converted by a "
             "version of Access later than Access 2000, or the file is not a valid database "
             "file.";
    return error->Description();
  }
  std::string version;
  const auto unreadable = com::Capture(
      [&] { version = com::CStr(database->GetProperties()->Item("AccessVersion")->Value()); });
  database->Close();
  workspace->Close();
  // Only a database Access never opened lacks the property; one that is there
  // but unreadable or empty is damage.
  if (unreadable && unreadable->Number() != kPropertyNotFound)
    return "The database's AccessVersion property cannot be read (" + unreadable->Description() +
           "); the file may be damaged.";
  if (!unreadable && version.empty())
    return "The database's AccessVersion property is empty; the file may be damaged.";
  return VersionMessage(version);
}

}  // namespace

std::string ValidateProjectParameters(const ProjectParametersInput& input) {
  host::Utility utility;
  if (!utility.FileExists(input.database))
    return "Couldn't find the project file '" + input.database + "'.";
  if (input.access_project) return "";
  if (!utility.FileExists(input.workgroup))
    return "Couldn't find the workgroup file '" + input.workgroup + "'.";
  return ValidateDatabase(input);
}

}  // namespace ui
