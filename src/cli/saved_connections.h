#pragma once
// The connections `quillnet connect` saved: one parameter string per
// database, kept in the command's state folder (one file per database,
// readable by its owner only; the passwords in it are scrambled as the
// parameter set writes them). Commands on a database that has one use it for
// every option not given on their command line.

#include <optional>
#include <string>

#include "cli/options.h"
#include "engine/search_engine.h"

namespace cli {

class SavedConnections {
 public:
  // The folder of saved connections inside the state folder.
  explicit SavedConnections(const std::string& state_folder);

  // The parameter string saved for the database (an absolute path).
  std::optional<std::string> Find(const std::string& database) const;
  // Replaces what was saved; the file is written whole before it takes its name.
  void Save(const std::string& database, const std::string& parameters) const;
  // False when nothing was saved for the database.
  bool Forget(const std::string& database) const;

  // Fills what the command line left out from the connection saved for the
  // options' database, when there is one.
  void Apply(const Options& given, engine::ProjectOptions& project) const;

 private:
  std::string FileOf(const std::string& database) const;

  std::string folder_;
};

}  // namespace cli
