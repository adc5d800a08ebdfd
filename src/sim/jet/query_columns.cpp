#include "sim/jet/query_columns.h"

#include <map>

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

// Jet names the output columns that share a name by their source too
// ("Customers.CustomerID", "Orders.CustomerID"), unless AS named them.
void QualifySharedNames(std::vector<QueryColumn>& columns) {
  std::map<std::string, int> uses;
  for (const auto& column : columns) ++uses[com::UCase(column.spec.name)];
  for (auto& column : columns)
    if (uses[com::UCase(column.spec.name)] > 1 && !column.aliased && !column.qualifier.empty())
      column.spec.name = column.qualifier + "." + column.spec.name;
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
    auto found = Expand(column, projection, depth);
    if (column.field == "*") {
      columns.insert(columns.end(), found.begin(), found.end());
      continue;
    }
    if (!found.empty()) {
      found.resize(1);
      found.front().spec.name = column.name;
      found.front().aliased = column.aliased;
    } else {
      FieldSpec expression;
      expression.name = column.name;
      expression.type = column.literal_type ? column.literal_type : std::int16_t{dao::dbText};
      found.push_back({expression, "", "", "", column.aliased});
    }
    columns.insert(columns.end(), found.begin(), found.end());
  }
  QualifySharedNames(columns);
  return columns;
}

// The fields a column names: all fields of its source (or of every source)
// for "*", else the first field of that name.
std::vector<QueryColumn> QueryColumns::Expand(const QueryText::Column& column,
                                              const QueryText::Projection& projection, int depth) {
  if (column.field.empty()) return {};
  const bool qualified = !column.source.empty();
  const auto& searched = qualified ? std::vector{column.source} : projection.sources;
  std::vector<QueryColumn> found;
  for (std::size_t i = 0; i < searched.size(); ++i) {
    const std::string& qualifier = qualified                         ? column.qualifier
                                   : i < projection.qualifiers.size() ? projection.qualifiers[i]
                                                                      : searched[i];
    for (auto& source_column : FieldsOf(searched[i], depth))
      if (column.field == "*" || com::EqualsNoCase(source_column.spec.name, column.field)) {
        source_column.qualifier = qualifier;
        source_column.aliased = false;
        found.push_back(source_column);
      }
  }
  return found;
}

std::vector<QueryColumn> QueryColumns::FieldsOf(const std::string& source, int depth) {
  std::vector<QueryColumn> columns;
  if (const auto table = TableStore(catalog_).Find(source)) {
    for (const auto& field : FieldStore(catalog_).OfTable(table->object.id))
      columns.push_back({field.spec, table->object.name, field.spec.name, "", false});
  } else if (const auto query = QueryStore(catalog_).Find(source)) {
    columns = Resolve(query->sql, depth + 1);
  }
  return columns;
}

}  // namespace sim::jet
