#pragma once
// The output fields of a saved query, as DAO lists them in QueryDef.Fields:
// the columns of its select list (or the columns an update or append query
// writes), each typed from the field of the table or query it names.
// Expressions that name no field are text, or the type of their literal.

#include <string>
#include <vector>

#include "sim/jet/catalog.h"
#include "sim/jet/database_builder.h"
#include "sim/jet/query_store.h"
#include "sim/jet/query_text.h"

namespace sim::jet {

struct QueryColumn {
  FieldSpec spec;  // its name in the result, and the type of its source
  std::string source_table;
  std::string source_field;
  std::string qualifier;  // the source as the query names it
  bool aliased = false;   // named with AS
};

class QueryColumns {
 public:
  explicit QueryColumns(Catalog& catalog) : catalog_(catalog) {}

  std::vector<QueryColumn> Of(const QueryRow& query);

 private:
  std::vector<QueryColumn> Resolve(const std::string& sql, int depth);
  std::vector<QueryColumn> FieldsOf(const std::string& source, int depth);
  std::vector<QueryColumn> Expand(const QueryText::Column& column,
                                  const QueryText::Projection& projection, int depth);

  Catalog& catalog_;
};

}  // namespace sim::jet
