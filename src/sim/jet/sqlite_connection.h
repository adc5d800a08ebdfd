#pragma once
// One connection to a SQLite file, the storage under every Jet database and
// workgroup file of the simulated machine. Failures are raised as the DAO
// errors Jet gives for the same trouble (read-only file, lock, duplicate key).
// Every connection knows the collation JET: text compared without regard to
// case, as Jet compares names and text.

#include <cstdint>
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "sim/jet/sqlite_statement.h"

struct sqlite3;
struct sqlite3_stmt;

namespace sim::jet {

class SqliteConnection {
 public:
  static constexpr const char* kMoreThanOneStatement = "more than one statement";

  enum class Mode { ReadOnly, ReadWrite, Create };

  // Opens an existing file (ReadOnly, ReadWrite) or makes a new one (Create).
  // A file that is not SQLite opens; the first statement then fails. A file a
  // stopped program left half-written is put right first, read-only or not.
  SqliteConnection(const std::string& path, Mode mode);
  ~SqliteConnection();
  SqliteConnection(const SqliteConnection&) = delete;
  SqliteConnection& operator=(const SqliteConnection&) = delete;

  const std::string& path() const { return path_; }
  bool read_only() const { return read_only_; }

  void Execute(const std::string& sql);
  // Starts or ends a transaction or savepoint without taking anything back:
  // no row changes, so what was read stays valid (see Generation).
  void Control(const std::string& sql);
  // Statements of the store's own SQL are kept once prepared and used again.
  SqliteStatement Prepare(const std::string& sql);
  // The same for a statement kept in two pieces: a shared head and its own tail.
  SqliteStatement Prepare(std::string_view head, std::string_view tail);
  // Takes back a statement from Prepare when its user is done with it.
  void Recycle(sqlite3_stmt* statement) const;
  // Nothing when SQLite refuses the text, or when more than one statement
  // follows it (the message is then kMoreThanOneStatement); `message` says why.
  std::optional<SqliteStatement> TryPrepare(const std::string& sql, std::string& message);
  std::int64_t LastInsertId() const;
  bool HasTable(const std::string& name);

  // A name quoted for SQL text, for names that cannot be bound.
  static std::string Quote(const std::string& name);

  sqlite3* handle() const { return db_.get(); }
  // Raises the DAO error for a failed SQLite call.
  [[noreturn]] void Fail(int result) const;

  // Changes whenever any connection of this process writes to the file, or
  // takes writes back; what was read while it had one value may be kept
  // while it keeps it. Beginning and committing change no row: another
  // connection sees a write only after the writer commits, and it reads
  // after the write that changed the generation. Other processes cannot write meanwhile: the file
  // stays locked by this process while any connection to it is open.
  std::uint64_t Generation() const { return file_->generation; }
  // Called after every statement that may have written.
  void NoteWrite() const;

  // As Jet gathers a session's writes before they reach the disk, a
  // connection keeps its writes in one transaction it holds open (each write
  // inside it a savepoint of its own) until it closes, or until another
  // connection to the file runs a statement: that one commits it first, so
  // it sees every write made before. Hold begins that transaction unless it
  // is held already; Release commits it, if held, and raises when it cannot.
  void Hold();
  void Release();
  // Commits another connection's held writes before this one uses the file.
  void TakeTurn() const;

 private:
  struct Closer {
    void operator()(sqlite3* db) const;
  };
  // What the connections to one file share.
  struct FileState {
    std::atomic<std::uint64_t> generation;
    SqliteConnection* holder = nullptr;  // the connection holding its writes open
  };
  static std::shared_ptr<FileState> StateOf(const std::string& path);
  void Open(Mode mode);
  // Whether a read through this connection finds a stopped program's
  // half-done transaction that it cannot take out.
  bool FindsHotJournal();
  // Raises when SQLite gave up the held transaction on its own (a full disk,
  // an I/O error): the writes it held are lost.
  void CheckHeld();

  std::string path_;
  bool read_only_;
  std::unique_ptr<sqlite3, Closer> db_;
  std::shared_ptr<FileState> file_;
  mutable std::unordered_multimap<std::string, sqlite3_stmt*> idle_;  // by SQL text
};

}  // namespace sim::jet
