#pragma once
// The command keeps state per database (its claim, its saved connection, the
// journal of its last replace) in files of a folder named after a hash of the
// database's path. Whoever reads one also checks that it names the database.

#include <string>

namespace shared {

// folder/<hash of database><extension>
std::string DatabaseKeyedFile(const std::string& folder, const std::string& database,
                              const std::string& extension);

}  // namespace shared
