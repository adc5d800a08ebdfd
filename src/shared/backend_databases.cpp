#include "shared/backend_databases.h"

#include "host/utility.h"
#include "platform/system.h"
#include "problems/prb_open_backend_database.h"
#include "shared/version.h"
#include "shared/vxhandler.h"

namespace shared {
namespace {

constexpr std::uint32_t kRetryMilliseconds = 5000;
constexpr const char* kLinkedTablesSql = "SELECT Name, Database FROM MSysObjects WHERE Type=6;";

}  // namespace

void BackendDatabases::Open(dao::Workspace* workspace, dao::Database* front_end,
                            const std::string& module) {
  if (opened_) return;
  if (!workspace || !front_end) {
    opened_ = true;
    return;
  }
  host::Utility utility;
  auto rows = front_end->OpenRecordset(kLinkedTablesSql, dao::dbOpenDynaset);
  for (; !rows->IsEOF(); rows->MoveNext()) {
    const std::string path =
        utility.ResolvePath(com::CStr(rows->GetFields()->Item("Database")->Value()));
    if (list_.IndexOf(com::Variant(path)) != 0 || !utility.FileExists(path)) continue;
    list_.Add(OpenWithRetry(*workspace, path, module), path);
  }
  rows->Close();
  opened_ = true;
}

std::shared_ptr<dao::Database> BackendDatabases::OpenWithRetry(dao::Workspace& workspace,
                                                               const std::string& path,
                                                               const std::string& module) {
  auto& clock = platform::System::Current().clock();
  const std::uint32_t start = clock.GetTickCount();
  std::shared_ptr<dao::Database> database;
  for (;;) {
    auto error = com::Capture([&] { database = workspace.OpenDatabase(path, false, false, ""); });
    if (!error) return database;
    if (clock.GetTickCount() - start >= kRetryMilliseconds) {
      auto problem = std::make_shared<prbOpenBackendDatabase>();
      problem->Initialize(path, error->Number(), error->Description());
      std::int32_t response = 0;
      vxhandler::LogProblem(problem, kProjectName, module, "OpenBackendDatabases", 0, response);
      return nullptr;
    }
    clock.DoEvents();
  }
}

void BackendDatabases::Close() {
  if (!opened_) return;
  for (std::int32_t i = list_.Count(); i >= 1; --i) {
    if (auto database = list_.Item(i)) database->Close();
    list_.RemoveAt(i);
  }
  opened_ = false;
}

}  // namespace shared
