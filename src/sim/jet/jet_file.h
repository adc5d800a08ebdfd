#pragma once
// The database file: one SQLite file holding the Jet catalogue (MSysObjects
// with its containers and documents, table and query definitions, relations,
// permissions and properties) in tables of its own, the system tables the
// driver reads with SQL, and a marker row that tells it from any other SQLite
// file.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/win32.h"
#include "sim/jet/sqlite_connection.h"

namespace sim::jet {

// MSysObjects types.
inline constexpr std::int32_t kTypeTable = 1;
inline constexpr std::int32_t kTypeDatabase = 2;
inline constexpr std::int32_t kTypeContainer = 3;
inline constexpr std::int32_t kTypeOdbcLink = 4;
inline constexpr std::int32_t kTypeQuery = 5;
inline constexpr std::int32_t kTypeLink = 6;
inline constexpr std::int32_t kTypeRelation = 8;
inline constexpr std::int32_t kTypeDatabaseDocument = -32757;

class JetFile {
 public:
  // A new, empty database with Jet's containers and system objects,
  // replacing any file at the path.
  static void Create(const std::string& path, platform::Clock& clock);
  // Opens a database file: 3024 when it is missing, 3343 when it is not one,
  // 3049 when it is shorter than its header says (cut off, damaged).
  static std::unique_ptr<SqliteConnection> Open(const std::string& path, bool read_only);
  // 3049 unless the whole file passes SQLite's quick check: what a program
  // about to write it checks first.
  static void CheckIntact(const std::string& path);

  // The MSysObjects type of the documents of a container other than "Tables";
  // 3219 for "Tables", whose documents are tables and queries.
  static std::int32_t DocumentType(const std::string& container);

  // A database read from a real Access file holds no forms, reports, macros,
  // modules or data access pages: Access keeps them in that file in a binary
  // form of its own, which is not read. Their containers then refuse to list
  // them, naming the file.
  static void SetDocumentsUnreadable(SqliteConnection& db, const std::string& real_file);
  // The real file whose documents could not be read; empty for a database
  // that holds its own.
  static std::string UnreadableDocumentsSource(SqliteConnection& db);

  static std::string Password(SqliteConnection& db);
  static void SetPassword(SqliteConnection& db, const std::string& password);
};

}  // namespace sim::jet
