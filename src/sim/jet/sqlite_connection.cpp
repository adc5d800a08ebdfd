#include "sim/jet/sqlite_connection.h"

#include <sqlite3.h>

#include <filesystem>
#include <map>
#include <mutex>

#include "com/error.h"
#include "com/text.h"
#include "sim/jet/dao_errors.h"

namespace sim::jet {
namespace {

int CompareWithoutCase(void*, int left_size, const void* left, int right_size, const void* right) {
  return com::CompareNoCase(std::string_view(static_cast<const char*>(left), left_size),
                           std::string_view(static_cast<const char*>(right), right_size));
}

int OpenFlags(SqliteConnection::Mode mode) {
  switch (mode) {
    case SqliteConnection::Mode::ReadOnly: return SQLITE_OPEN_READONLY;
    case SqliteConnection::Mode::ReadWrite: return SQLITE_OPEN_READWRITE;
    case SqliteConnection::Mode::Create: return SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
  }
  return SQLITE_OPEN_READONLY;
}

// The file as a URI: "%", "?" and "#" in the path are written as %XX.
std::string FileUri(const std::string& path) {
  std::string uri = "file:";
  for (char c : path) {
    if (c == '%' || c == '?' || c == '#') {
      static const char kHex[] = "0123456789ABCDEF";
      uri += '%';
      uri += kHex[(static_cast<unsigned char>(c) >> 4) & 15];
      uri += kHex[static_cast<unsigned char>(c) & 15];
    } else {
      uri += c;
    }
  }
  // All connections of the simulated machine to one file share one cache, so
  // each sees the others' committed writes at once; the file stays locked by
  // this process while it is open, instead of locking it for every statement.
  return uri + "?cache=shared";
}

// Generations are drawn from one counter, so a value is never seen twice.
std::atomic<std::uint64_t> next_generation{1};

}  // namespace

void SqliteConnection::Closer::operator()(sqlite3* db) const { sqlite3_close(db); }

SqliteConnection::SqliteConnection(const std::string& path, Mode mode)
    : path_(path), read_only_(mode == Mode::ReadOnly), file_(StateOf(path)) {
  Open(mode);
  if (read_only_ && FindsHotJournal()) {
    Open(Mode::ReadWrite);
    FindsHotJournal();  // the read that takes the transaction out
    Open(mode);
    if (FindsHotJournal())
      com::Raise(kDaoDamaged,
                 path_ + " was left half-written by a program that stopped before it finished, "
                         "and cannot be put right while the file or its folder is read-only: "
                         "make them writable and run the command again.");
  }
  // A committed write is on the disk before the commit returns.
  Execute("PRAGMA synchronous = FULL");
  Execute("PRAGMA locking_mode = EXCLUSIVE");
  // The stores keep what they read of the catalogue until it is written, so
  // SQLite's own page cache stays at its usual 2 MiB instead of holding a
  // second copy of a large application; the sorts of the collections' name
  // order stay in memory instead of spilling to temporary files.
  Execute("PRAGMA cache_size = -2048");
  Execute("PRAGMA temp_store = MEMORY");
}

// Connections of this process to one file share its cache: the one open
// before is closed first, so that the new one opens the file in its own mode.
void SqliteConnection::Open(Mode mode) {
  db_.reset();
  sqlite3* db = nullptr;
  const int result =
      // The simulated machine runs on one thread: no connection needs SQLite
      // to lock it around every call.
      sqlite3_open_v2(FileUri(path_).c_str(), &db,
                      OpenFlags(mode) | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr);
  db_.reset(db);
  if (result != SQLITE_OK) Fail(result);
  sqlite3_extended_result_codes(db, 1);
  sqlite3_create_collation(db, "JET", SQLITE_UTF8, nullptr, CompareWithoutCase);
}

// A journal beside the file is hot when the program that wrote it stopped in
// the middle of a transaction (killed, a power cut): the file then holds part
// of that transaction, and SQLite takes it back out the next time it reads the
// file, but only through a connection that may write. A read-only one can only
// refuse every statement (SQLITE_READONLY_ROLLBACK), so such a file is read
// once through one that may. While a connection of this process has the file
// open, its journal is that connection's, not hot.
bool SqliteConnection::FindsHotJournal() {
  std::error_code error;
  if (!std::filesystem::exists(path_ + "-journal", error)) return false;
  TakeTurn();
  return sqlite3_exec(db_.get(), "SELECT 1 FROM sqlite_master LIMIT 1", nullptr, nullptr,
                      nullptr) == SQLITE_READONLY_ROLLBACK;
}

std::shared_ptr<SqliteConnection::FileState> SqliteConnection::StateOf(const std::string& path) {
  static std::mutex guard;
  static std::map<std::string, std::weak_ptr<FileState>> files;
  std::error_code error;
  auto canonical = std::filesystem::weakly_canonical(path, error);
  const std::string key = error ? path : canonical.string();
  std::lock_guard lock(guard);
  std::erase_if(files, [](const auto& entry) { return entry.second.expired(); });
  auto& entry = files[key];
  auto state = entry.lock();
  if (!state) {
    state = std::make_shared<FileState>();
    state->generation = next_generation++;
    entry = state;
  }
  return state;
}

void SqliteConnection::TakeTurn() const {
  if (file_->holder && file_->holder != this) file_->holder->Release();
}

void SqliteConnection::CheckHeld() {
  if (file_->holder != this || !sqlite3_get_autocommit(db_.get())) return;
  file_->holder = nullptr;
  Fail(SQLITE_ABORT_ROLLBACK);
}

void SqliteConnection::Hold() {
  TakeTurn();
  CheckHeld();
  if (file_->holder == this) return;
  Control("BEGIN IMMEDIATE");
  file_->holder = this;
}

void SqliteConnection::Release() {
  if (file_->holder != this) return;
  CheckHeld();
  file_->holder = nullptr;
  if (auto failure = com::Capture([&] { Control("COMMIT"); })) {
    com::IgnoreErrors([&] { Execute("ROLLBACK"); });
    throw *failure;
  }
}

void SqliteConnection::Execute(const std::string& sql) {
  TakeTurn();
  const int result = sqlite3_exec(db_.get(), sql.c_str(), nullptr, nullptr, nullptr);
  NoteWrite();
  if (result != SQLITE_OK) Fail(result);
}

void SqliteConnection::Control(const std::string& sql) {
  // Kept prepared: every write of the store begins and ends a savepoint.
  Prepare(sql).Run();
}

void SqliteConnection::NoteWrite() const { file_->generation = next_generation++; }

SqliteConnection::~SqliteConnection() {
  com::IgnoreErrors([&] { Release(); });
  for (auto& [sql, statement] : idle_) sqlite3_finalize(statement);
}

SqliteStatement SqliteConnection::Prepare(const std::string& sql) {
  TakeTurn();
  if (auto idle = idle_.find(sql); idle != idle_.end()) {
    sqlite3_stmt* statement = idle->second;
    idle_.erase(idle);
    return SqliteStatement(*this, statement, true);
  }
  sqlite3_stmt* statement = nullptr;
  const int result = sqlite3_prepare_v3(db_.get(), sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT,
                                        &statement, nullptr);
  if (result != SQLITE_OK) Fail(result);
  return SqliteStatement(*this, statement, true);
}

SqliteStatement SqliteConnection::Prepare(std::string_view head, std::string_view tail) {
  std::string sql;
  sql.reserve(head.size() + tail.size());
  sql.append(head).append(tail);
  return Prepare(sql);
}

void SqliteConnection::Recycle(sqlite3_stmt* statement) const {
  constexpr std::size_t kMostKept = 512;
  sqlite3_reset(statement);
  sqlite3_clear_bindings(statement);
  if (idle_.size() >= kMostKept) {
    sqlite3_finalize(statement);
    return;
  }
  idle_.emplace(sqlite3_sql(statement), statement);
}

std::optional<SqliteStatement> SqliteConnection::TryPrepare(const std::string& sql,
                                                            std::string& message) {
  TakeTurn();
  sqlite3_stmt* statement = nullptr;
  const char* tail = nullptr;
  const int result = sqlite3_prepare_v2(db_.get(), sql.c_str(), -1, &statement, &tail);
  const bool alone =
      !tail || std::string_view(tail).find_first_not_of(" \t\r\n;") == std::string_view::npos;
  if (result == SQLITE_OK && statement && alone) return SqliteStatement(*this, statement);
  sqlite3_finalize(statement);
  if (result == SQLITE_OK && statement) {
    message = kMoreThanOneStatement;
    return std::nullopt;
  }
  if ((result & 0xFF) == SQLITE_NOTADB) Fail(result);
  message = result == SQLITE_OK ? "empty statement" : sqlite3_errmsg(db_.get());
  return std::nullopt;
}

std::int64_t SqliteConnection::LastInsertId() const { return sqlite3_last_insert_rowid(db_.get()); }

std::string SqliteConnection::Quote(const std::string& name) {
  std::string quoted = "\"";
  for (char c : name) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

bool SqliteConnection::HasTable(const std::string& name) {
  auto statement = Prepare(
      "SELECT 1 FROM sqlite_master WHERE type IN ('table', 'view') AND name = ?1 "
      "COLLATE JET");
  statement.Bind(1, name);
  return statement.Step();
}

void SqliteConnection::Fail(int result) const {
  switch (result & 0xFF) {
    case SQLITE_READONLY: RaiseDao(kDaoReadOnly);
    case SQLITE_BUSY:
    case SQLITE_LOCKED: RaiseDao(kDaoLocked);
    case SQLITE_CONSTRAINT: RaiseDao(kDaoDuplicateValues);
    case SQLITE_CANTOPEN: RaiseDao(kDaoFileNotFound, path_);
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT: RaiseDao(kDaoUnrecognizedFormat, path_);
    default: {
      const char* text = db_ ? sqlite3_errmsg(db_.get()) : sqlite3_errstr(result);
      com::Raise(3000, "Reserved error (" + std::to_string(result) + "); " + text + ".");
    }
  }
}

}  // namespace sim::jet
