#include "sim/jet/query_columns.h"

#include "com/text.h"
#include "platform/dao.h"
#include "sim/jet/field_store.h"
#include "sim/jet/query_text.h"
#include "sim/jet/table_store.h"

namespace sim::jet {
namespace {

// Queries built on queries are followed this deep; a cycle ends there.
constexpr int kMaxDepth = 16;

bool HasFields(std::int16_t type) {
  return type == dao::dbQSelect || type == dao::dbQUpdate || type == dao::dbQAppend ||
         type == dao::dbQMakeTable || type == dao::dbQSetOperation;
}

}  // namespace

std::vector<QueryColumn> QueryColumns::Of(const QueryRow& query) {
  if (!HasFields(QueryText(query.sql).Type(query.connect, query.returns_records))) return {};
  return Resolve(query.sql, 0);
}

std::vector<QueryColumn> QueryColumns::Resolve(const std::string& sql, int depth) {
  if (depth > kMaxDepth) return {};
  const QueryText::Projection projection = QueryText(sql).Columns();
  std::vector<QueryColumn> columns;
  for (const auto& column : projection.columns) {
    auto found = Expand(column.source, column.field, projection.sources, depth);
    if (column.field == "*") {
      columns.insert(columns.end(), found.begin(), found.end());
      continue;
    }
    if (!found.empty()) {
      found.resize(1);
      found.front().spec.name = column.name;
    } else {
      FieldSpec expression;
      expression.name = column.name;
      expression.type = column.literal_type ? column.literal_type : std::int16_t{dao::dbText};
      found.push_back({expression, "", ""});
    }
    columns.insert(columns.end(), found.begin(), found.end());
  }
  return columns;
}

// The fields a column names: all fields of its source (or of every source)
// for "*", else the first field of that name.
std::vector<QueryColumn> QueryColumns::Expand(const std::string& source, const std::string& field,
                                              const std::vector<std::string>& sources, int depth) {
  if (field.empty()) return {};
  const std::vector<std::string> searched = source.empty() ? sources : std::vector{source};
  std::vector<QueryColumn> found;
  for (const auto& name : searched)
    for (auto& column : FieldsOf(name, depth))
      if (field == "*" || com::EqualsNoCase(column.spec.name, field)) found.push_back(column);
  return found;
}

std::vector<QueryColumn> QueryColumns::FieldsOf(const std::string& source, int depth) {
  std::vector<QueryColumn> columns;
  if (const auto table = TableStore(catalog_).Find(source)) {
    for (const auto& field : FieldStore(catalog_).OfTable(table->object.id))
      columns.push_back({field.spec, table->object.name, field.spec.name});
  } else if (const auto query = QueryStore(catalog_).Find(source)) {
    columns = Resolve(query->sql, depth + 1);
  }
  return columns;
}

}  // namespace sim::jet
