#include "sim/jet/workgroup.h"

#include <filesystem>

#include "com/error.h"
#include "com/text.h"
#include "sim/jet/dao_errors.h"
#include "sim/jet/sqlite_connection.h"
#include "sim/jet/sqlite_transaction.h"

namespace sim::jet {
namespace {

constexpr const char* kMarker = "Quillnet Jet 4.0 workgroup information file";

constexpr const char* kSchema = R"sql(
CREATE TABLE jet_file (key TEXT PRIMARY KEY, value TEXT NOT NULL);
CREATE TABLE wg_accounts (
  name TEXT PRIMARY KEY COLLATE JET,
  is_group BIT NOT NULL,
  password TEXT NOT NULL DEFAULT '');
CREATE TABLE wg_members (
  user TEXT NOT NULL COLLATE JET REFERENCES wg_accounts(name),
  grp TEXT NOT NULL COLLATE JET REFERENCES wg_accounts(name),
  PRIMARY KEY (user, grp));
INSERT INTO wg_accounts (name, is_group) VALUES ('admin', 0), ('Admins', 1), ('Users', 1);
INSERT INTO wg_members VALUES ('admin', 'Admins'), ('admin', 'Users');
)sql";

bool HasMarker(SqliteConnection& db) {
  bool marked = false;
  const auto failure = com::Capture([&] {
    auto statement = db.Prepare("SELECT value FROM jet_file WHERE key = 'format'");
    marked = statement.Step() && statement.Text(0) == kMarker;
  });
  return marked && !failure;
}

std::unique_ptr<SqliteConnection> OpenFile(const std::string& path, SqliteConnection::Mode mode) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) RaiseDao(kDaoWorkgroupMissing);
  std::unique_ptr<SqliteConnection> db;
  if (com::Capture([&] { db = std::make_unique<SqliteConnection>(path, mode); }) || !HasMarker(*db))
    RaiseDao(kDaoWorkgroupMissing);
  return db;
}

bool AccountExists(SqliteConnection& db, const std::string& name, bool is_group) {
  auto statement = db.Prepare("SELECT 1 FROM wg_accounts WHERE name = ?1 AND is_group = ?2");
  statement.BindAll(name, is_group);
  return statement.Step();
}

}  // namespace

std::shared_ptr<const Workgroup> Workgroup::BuiltIn() {
  static const auto built_in = [] {
    auto workgroup = std::make_shared<Workgroup>();
    workgroup->accounts_ = {{"admin", false, "", {"Admins", "Users"}},
                            {"Admins", true, "", {}},
                            {"Users", true, "", {}}};
    return std::shared_ptr<const Workgroup>(workgroup);
  }();
  return built_in;
}

std::shared_ptr<const Workgroup> Workgroup::Load(const std::string& path) {
  auto db = OpenFile(path, SqliteConnection::Mode::ReadOnly);
  auto workgroup = std::make_shared<Workgroup>();
  auto accounts = db->Prepare("SELECT name, is_group, password FROM wg_accounts ORDER BY rowid");
  while (accounts.Step())
    workgroup->accounts_.push_back({accounts.Text(0), accounts.Bool(1), accounts.Text(2), {}});
  for (auto& account : workgroup->accounts_) {
    auto groups = db->Prepare("SELECT grp FROM wg_members WHERE user = ?1 ORDER BY rowid");
    groups.Bind(1, account.name);
    while (groups.Step()) account.groups.push_back(groups.Text(0));
  }
  return workgroup;
}

void Workgroup::CreateFile(const std::string& path) {
  std::filesystem::remove(path);
  SqliteConnection db(path, SqliteConnection::Mode::Create);
  SqliteTransaction transaction(db);
  db.Execute(kSchema);
  db.Prepare("INSERT INTO jet_file VALUES ('format', ?1)").BindAll(kMarker).Run();
  transaction.Commit();
}

void Workgroup::AddAccount(const std::string& path, const std::string& name, bool is_group,
                           const std::string& password, const std::vector<std::string>& groups) {
  auto db = OpenFile(path, SqliteConnection::Mode::ReadWrite);
  SqliteTransaction transaction(*db);
  if (AccountExists(*db, name, false) || AccountExists(*db, name, true))
    RaiseDao(kDaoAccountExists);
  db->Prepare("INSERT INTO wg_accounts VALUES (?1, ?2, ?3)")
      .BindAll(name, is_group, password)
      .Run();
  std::vector<std::string> memberships = groups;
  if (!is_group) memberships.insert(memberships.begin(), "Users");
  for (const auto& group : memberships) {
    if (!AccountExists(*db, group, true)) RaiseDao(kDaoItemNotFound);
    db->Prepare("INSERT OR IGNORE INTO wg_members VALUES (?1, ?2)").BindAll(name, group).Run();
  }
  transaction.Commit();
}

void Workgroup::SetPassword(const std::string& path, const std::string& user,
                            const std::string& password) {
  auto db = OpenFile(path, SqliteConnection::Mode::ReadWrite);
  SqliteTransaction transaction(*db);
  if (!AccountExists(*db, user, false)) RaiseDao(kDaoItemNotFound);
  db->Prepare("UPDATE wg_accounts SET password = ?1 WHERE name = ?2").BindAll(password, user).Run();
  transaction.Commit();
}

const Workgroup::Account* Workgroup::Find(const std::string& name) const {
  for (const auto& account : accounts_)
    if (com::EqualsNoCase(account.name, name)) return &account;
  return nullptr;
}

void Workgroup::Logon(const std::string& user, const std::string& password) const {
  const Account* account = Find(user);
  if (!account || account->is_group || account->password != password) RaiseDao(kDaoBadAccount);
}

std::vector<std::string> Workgroup::Users() const {
  std::vector<std::string> names;
  for (const auto& account : accounts_)
    if (!account.is_group) names.push_back(account.name);
  return names;
}

std::vector<std::string> Workgroup::Groups() const {
  std::vector<std::string> names;
  for (const auto& account : accounts_)
    if (account.is_group) names.push_back(account.name);
  return names;
}

std::vector<std::string> Workgroup::GroupsOf(const std::string& account) const {
  const Account* found = Find(account);
  return found ? found->groups : std::vector<std::string>{};
}

}  // namespace sim::jet
