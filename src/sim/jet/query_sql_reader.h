#pragma once
// Reads the SQL of a saved query back into a query design, as Access does
// when a user saves a query from its SQL view: the design gives the same SQL
// again. Expressions are kept as written.

#include <string>

#include "sim/jet/query_design.h"

namespace sim::jet {

class QuerySqlReader {
 public:
  // A pass-through query when the connection string is an ODBC one. Raises
  // 3129 for a text that is none of Jet's statements, 3075 for one whose
  // clauses cannot be read.
  static QueryDesign Read(const std::string& sql, const std::string& connect);
};

}  // namespace sim::jet
