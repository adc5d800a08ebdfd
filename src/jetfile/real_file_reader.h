#pragma once
// Reads the catalogue of a real Access file: its database properties, tables
// with their fields, indexes and properties, queries (their SQL built from
// the design Jet keeps), relationships and saved import specifications, and
// the names of the forms, reports, macros and modules it holds. Those
// documents themselves are kept by Access in a binary form of its own, which
// is not read.

#include <map>
#include <string>
#include <vector>

#include "sim/jet/database_builder.h"

namespace jetfile {

struct RealContents {
  std::string path;
  std::vector<sim::jet::PropertySpec> database_properties;
  std::vector<sim::jet::TableSpec> tables;
  std::vector<sim::jet::QuerySpec> queries;
  std::vector<sim::jet::RelationSpec> relations;
  std::vector<sim::jet::ImportSpecSpec> import_specs;
  // When each table and query was last changed, by name.
  std::map<std::string, com::Date> last_updated;
  // The number of documents of each container Access keeps its own objects
  // in ("Forms", "Reports", "Scripts", "Modules", "DataAccessPages").
  std::map<std::string, int> documents;
  // What the file holds that is not carried over, one sentence each.
  std::vector<std::string> left_out;
};

class RealFileReader {
 public:
  // Raises as MdbFile does for a file that cannot be read.
  static RealContents Read(const std::string& path);
};

}  // namespace jetfile
