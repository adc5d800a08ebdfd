#pragma once
// Changes kept in a file between runs, as JSON: the plan a replace writes
// (--plan) for a later --apply, and the journal of the last replace run on a
// database, which undo takes back.

#include <string>
#include <vector>

#include "engine/change.h"

namespace cli {

struct DatabaseChanges {
  std::string database;  // its full path
  std::vector<engine::Change> changes;
};

struct ChangeFile {
  std::string kind;  // "plan" or "journal"
  std::vector<DatabaseChanges> databases;
};

// Written whole or not at all: under a passing name, then renamed.
void WriteChangeFile(const std::string& path, const ChangeFile& file);
// Raises UsageError naming the file when it cannot be read or is not a
// change file of that kind.
ChangeFile ReadChangeFile(const std::string& path, const std::string& kind);

}  // namespace cli
