#include "sim/jet/workspace.h"

#include <filesystem>

#include "jetfile/mdb_file.h"
#include "jetfile/real_file_store.h"
#include "sim/jet/connect_string.h"
#include "sim/jet/dao_errors.h"
#include "sim/jet/database.h"
#include "sim/jet/jet_file.h"
#include "sim/jet/list_collection.h"
#include "sim/jet/workgroup_account.h"

namespace sim::jet {
namespace {

// A file without any write permission bit has the read-only attribute.
bool IsWritable(const std::string& path) {
  using std::filesystem::perms;
  const perms writable = perms::owner_write | perms::group_write | perms::others_write;
  return (std::filesystem::status(path).permissions() & writable) != perms::none;
}

template <class Collection, class Account>
std::shared_ptr<Collection> Accounts(const std::vector<std::string>& names) {
  return std::make_shared<ListCollection<Collection, Account>>([names] {
    std::vector<std::shared_ptr<Account>> accounts;
    for (const auto& name : names)
      accounts.push_back(std::make_shared<WorkgroupAccount<Account>>(name));
    return accounts;
  });
}

}  // namespace

const com::TypeInfo& Workspace::Members() const {
  static const com::TypeInfo info =
      com::TypeBuilder<Workspace>("Workspace")
          .Get("Name", &Workspace::Name)
          .Get("UserName", &Workspace::UserName)
          .Action("Close", &Workspace::Close)
          .Build();
  return info;
}

void Workspace::CheckOpen() const {
  if (closed_) RaiseDao(kDaoObjectInvalid);
}

std::shared_ptr<dao::Database> Workspace::OpenDatabase(const std::string& path, bool exclusive,
                                                       bool read_only, const std::string& connect) {
  CheckOpen();
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) RaiseDao(kDaoFileNotFound, path);
  auto lease =
      std::make_unique<SessionLease>(environment_.sessions, path, environment_.computer, exclusive);
  // A real Access file is read whole into a database of this program's own
  // format, which DAO opens read-only in its place.
  auto db = jetfile::MdbFile::LooksLikeAccessFile(path)
                ? jetfile::RealFileStore::OpenReadOnly(path)
                : JetFile::Open(path, read_only || !IsWritable(path));
  const std::string password = JetFile::Password(*db);
  if (!password.empty() && ConnectString(connect).Value("PWD") != password)
    RaiseDao(kDaoBadPassword);
  auto catalog = std::make_shared<Catalog>(std::move(db), environment_.clock,
                                           Catalog::Account{user_, workgroup_}, std::move(lease));
  databases_.push_back(catalog);
  return std::make_shared<Database>(catalog, path, connect);
}

void Workspace::Close() {
  CheckOpen();
  for (const auto& database : databases_)
    if (auto catalog = database.lock()) catalog->Close();
  databases_.clear();
  closed_ = true;
}

std::shared_ptr<dao::Users> Workspace::GetUsers() {
  CheckOpen();
  return Accounts<dao::Users, dao::User>(workgroup_->Users());
}

std::shared_ptr<dao::Groups> Workspace::GetGroups() {
  CheckOpen();
  return Accounts<dao::Groups, dao::Group>(workgroup_->Groups());
}

}  // namespace sim::jet
