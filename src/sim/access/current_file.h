#pragma once
// The database an Access session has open: Access's own Jet connection to
// the file, opened in the session's workspace, and what Access reads of the
// file through it (its objects, their names and the types of its queries).
// The connection closes with this object. A connection that placed the file
// in the state that admits no new connections ("Jet OLEDB:Connection
// Control" 1) ends that state when it closes, as Jet does. Access closes the
// file when it closes the database, whoever still holds this object.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "com/variant.h"
#include "platform/dao.h"
#include "sim/jet/database.h"
#include "sim/jet/sessions.h"

namespace sim::access {

class CurrentFile {
 public:
  // Raises DAO's errors for a file that cannot be opened (3024, 3031, 3045,
  // 3343, 3734).
  static std::shared_ptr<CurrentFile> Open(jet::Sessions& sessions, dao::Workspace& session,
                                           const std::string& path, bool exclusive,
                                           bool read_only, const std::string& database_password);

  CurrentFile(jet::Sessions& sessions, std::shared_ptr<jet::Database> database,
              std::string full_name, std::string connect);
  ~CurrentFile();
  CurrentFile(const CurrentFile&) = delete;
  CurrentFile& operator=(const CurrentFile&) = delete;

  void Close();
  bool IsOpen() const { return open_; }

  const std::string& FullName() const { return full_name_; }
  std::string Name() const;
  std::string Path() const;
  // The name of the file's code project: the file name without its extension.
  std::string ProjectName() const;
  std::string User() const;

  // Access's connection to the file, where it keeps its own documents.
  jet::Catalog& Catalog() const { return *database_->catalog(); }
  // A new Database object over Access's connection.
  std::shared_ptr<dao::Database> CurrentDB() const;
  std::optional<com::Variant> DatabaseProperty(const std::string& name) const;

  // The names of the documents of a container ("Forms", "Reports", ...).
  std::vector<std::string> DocumentNames(const std::string& container) const;
  // The name the file holds the object under (an AcObjectType and a name
  // given in any letter case); nothing when it holds no such object.
  std::optional<std::string> Find(std::int32_t object_type, const std::string& name) const;
  std::int16_t QueryType(const std::string& name) const;
  // Renames an object the file holds; 3012 when the new name is taken, 3125
  // when Jet does not accept it.
  void Rename(std::int32_t object_type, const std::string& old_name, const std::string& new_name);

  std::int32_t ConnectionControl() const;
  // 1 admits no new connections to the file, 2 admits them again.
  void SetConnectionControl(std::int32_t value);

 private:
  void RenameDocument(const std::string& container, const std::string& old_name,
                      const std::string& new_name);

  jet::Sessions& sessions_;
  std::shared_ptr<jet::Database> database_;
  std::string full_name_;
  std::string connect_;
  bool admits_no_connections_ = false;
  bool open_ = true;
};

}  // namespace sim::access
