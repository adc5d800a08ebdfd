#pragma once
// The source of a table linked to another Jet database (connection string
// ";DATABASE=<path>[;PWD=<password>]"): the definition of the source table,
// as the link copies it, every property marked inherited.

#include <string>

#include "platform/win32.h"
#include "sim/jet/database_builder.h"

namespace sim::jet {

class LinkSource {
 public:
  LinkSource(std::string connect, std::string source_table)
      : connect_(std::move(connect)), source_table_(std::move(source_table)) {}

  // The definition a new link takes: for a link to a Jet database the source
  // table's fields, indexes, validation and (inherited) properties, with the
  // link's own name, connection, attributes and properties; any other table
  // as it is.
  static TableSpec Resolve(const TableSpec& table, platform::Clock& clock);

  // Raises 3024 when the file is missing, 3343 when it is not a database,
  // 3031 for a wrong password, 3011 when it has no such table.
  TableSpec Read(platform::Clock& clock) const;

 private:
  std::string connect_;
  std::string source_table_;
};

}  // namespace sim::jet
