#include "sim/jet/query_design.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <memory>

#include "com/text.h"

namespace sim::jet {
namespace {

constexpr const char* kLineBreak = "\r\n";

// One item of the FROM clause: a table, or two items joined.
struct Source {
  const QueryDesign::Table* table = nullptr;
  std::unique_ptr<Source> left;
  std::unique_ptr<Source> right;
  std::int16_t type = QueryDesign::kInnerJoin;
  std::vector<std::string> conditions;  // one for each join row, in the order of the rows

  bool Holds(const std::string& key) const {
    if (table) return com::EqualsNoCase(table->alias.empty() ? table->name : table->alias, key);
    return left->Holds(key) || right->Holds(key);
  }
};

std::string TableText(const QueryDesign::Table& table) {
  std::string text = SqlName(table.name);
  if (!table.alias.empty()) text += " AS " + SqlName(table.alias);
  return text;
}

const char* JoinWord(std::int16_t type) {
  if (type == QueryDesign::kLeftJoin) return " LEFT JOIN ";
  if (type == QueryDesign::kRightJoin) return " RIGHT JOIN ";
  return " INNER JOIN ";
}

// Several join rows between the same two tables make one ON clause, each
// condition in parentheses, the last row's first.
std::string Condition(const std::vector<std::string>& conditions) {
  if (conditions.size() == 1) return conditions.front();
  std::vector<std::string> parts;
  for (auto c = conditions.rbegin(); c != conditions.rend(); ++c) parts.push_back("(" + *c + ")");
  return com::Join(parts, " AND ");
}

std::string SourceText(const Source& source) {
  if (source.table) return TableText(*source.table);
  auto side = [](const Source& s) { return s.table ? SourceText(s) : "(" + SourceText(s) + ")"; };
  return side(*source.left) + JoinWord(source.type) + side(*source.right) + " ON " +
         Condition(source.conditions);
}

// The join inside a source that links the two tables, when there is one.
Source* JoinBetween(Source& source, const std::string& a, const std::string& b) {
  if (source.table) return nullptr;
  if ((source.left->Holds(a) && source.right->Holds(b)) ||
      (source.left->Holds(b) && source.right->Holds(a)))
    return &source;
  if (Source* inner = JoinBetween(*source.left, a, b)) return inner;
  return JoinBetween(*source.right, a, b);
}

// Each table is an item of its own until a join row joins the items that
// hold its two tables; the joined item takes the place of the earlier one.
// A join row between tables already joined adds its condition to that join.
std::string FromClause(const QueryDesign& design) {
  std::vector<std::unique_ptr<Source>> items;
  for (const auto& table : design.tables) {
    items.push_back(std::make_unique<Source>());
    items.back()->table = &table;
  }
  auto find = [&](const std::string& key) {
    return std::find_if(items.begin(), items.end(), [&](const auto& s) { return s->Holds(key); });
  };
  for (const auto& join : design.joins) {
    auto left = find(join.left);
    auto right = find(join.right);
    if (left == items.end() || right == items.end()) continue;
    if (left == right) {
      Source* existing = JoinBetween(**left, join.left, join.right);
      (existing ? existing : left->get())->conditions.push_back(join.expression);
      continue;
    }
    auto joined = std::make_unique<Source>();
    joined->type = join.type;
    joined->conditions.push_back(join.expression);
    const bool left_first = left < right;
    joined->left = std::move(*left);
    joined->right = std::move(*right);
    auto keep = left_first ? left : right;
    auto drop = left_first ? right : left;
    *keep = std::move(joined);
    items.erase(drop);
  }
  std::vector<std::string> parts;
  for (const auto& item : items) parts.push_back(SourceText(*item));
  return com::Join(parts, ", ");
}

std::string ColumnText(const QueryDesign::Column& column) {
  return column.alias.empty() ? column.expression
                              : column.expression + " AS " + SqlName(column.alias);
}

// A parameter named by a reference in brackets ("[Forms]![frmOrders]![txtFrom]",
// "[Which city?]") keeps its brackets in the design; it is written as it is.
std::string ParameterName(const std::string& name) {
  return name.starts_with('[') && name.ends_with(']') ? name : SqlName(name);
}

std::string ParametersLine(const QueryDesign& design) {
  if (design.parameters.empty()) return "";
  std::vector<std::string> parts;
  for (const auto& p : design.parameters)
    parts.push_back(ParameterName(p.name) + " " + ParameterTypeWord(p.type));
  return "PARAMETERS " + com::Join(parts, ", ") + ";" + kLineBreak;
}

std::string Predicate(const QueryDesign& design) {
  std::string text;
  if (design.options & QueryDesign::kDistinct) text += "DISTINCT ";
  if (design.options & QueryDesign::kDistinctRow) text += "DISTINCTROW ";
  if (design.options & QueryDesign::kTop) {
    text += "TOP " + design.top + " ";
    if (design.options & QueryDesign::kPercent) text += "PERCENT ";
  }
  return text;
}

std::vector<std::string> SelectList(const QueryDesign& design, bool crosstab) {
  std::vector<std::string> list;
  if (design.options & QueryDesign::kAllColumns) list.push_back("*");
  for (const auto& column : design.columns)
    if (!crosstab || column.crosstab == QueryDesign::Crosstab::RowHeading)
      list.push_back(ColumnText(column));
  return list;
}

// The lines after FROM: WHERE, GROUP BY, HAVING, ORDER BY, each when given.
std::string TailClauses(const QueryDesign& design, bool crosstab) {
  std::string text;
  if (!design.where.empty()) text += kLineBreak + std::string("WHERE ") + design.where;
  std::vector<std::string> groups;
  for (const auto& group : design.groups)
    if (!crosstab || group.crosstab != QueryDesign::Crosstab::ColumnHeading)
      groups.push_back(group.expression);
  if (!groups.empty()) text += kLineBreak + std::string("GROUP BY ") + com::Join(groups, ", ");
  if (!design.having.empty()) text += kLineBreak + std::string("HAVING ") + design.having;
  std::vector<std::string> orders;
  for (const auto& order : design.orders)
    orders.push_back(order.expression + (order.descending ? " DESC" : ""));
  if (!orders.empty()) text += kLineBreak + std::string("ORDER BY ") + com::Join(orders, ", ");
  return text;
}

std::string Ending(const QueryDesign& design) {
  return (design.options & QueryDesign::kOwnerAccess ? std::string(kLineBreak) +
                                                           "WITH OWNERACCESS OPTION;"
                                                     : std::string(";"));
}

std::string TargetText(const QueryDesign& design) {
  std::string text = SqlName(design.target);
  if (!design.target_database.empty()) text += " IN '" + design.target_database + "'";
  return text;
}

std::string FromLine(const QueryDesign& design) {
  const std::string from = FromClause(design);
  return from.empty() ? "" : kLineBreak + std::string("FROM ") + from;
}

std::string SelectSql(const QueryDesign& design) {
  std::string text = "SELECT " + Predicate(design) + com::Join(SelectList(design, false), ", ");
  if (design.kind == QueryDesign::Kind::MakeTable) text += " INTO " + TargetText(design);
  return text + FromLine(design) + TailClauses(design, false);
}

std::string AppendSql(const QueryDesign& design) {
  std::string text = "INSERT INTO " + TargetText(design);
  std::vector<std::string> targets;
  for (const auto& column : design.columns)
    if (!column.target.empty()) targets.push_back(SqlName(column.target));
  if (!targets.empty()) text += " (" + com::Join(targets, ", ") + ")";
  return text + kLineBreak + SelectSql(design);
}

std::string UpdateSql(const QueryDesign& design) {
  std::vector<std::string> assignments;
  for (const auto& column : design.columns)
    assignments.push_back(column.target + " = " + column.expression);
  return "UPDATE " + Predicate(design) + FromClause(design) + kLineBreak + "SET " +
         com::Join(assignments, ", ") + TailClauses(design, false);
}

std::string DeleteSql(const QueryDesign& design) {
  std::vector<std::string> list = SelectList(design, false);
  if (list.empty()) list.push_back("*");
  return "DELETE " + Predicate(design) + com::Join(list, ", ") + FromLine(design) +
         TailClauses(design, false);
}

std::string CrosstabSql(const QueryDesign& design) {
  std::string value;
  std::string pivot;
  for (const auto& column : design.columns) {
    if (column.crosstab == QueryDesign::Crosstab::Value) value = ColumnText(column);
    if (column.crosstab == QueryDesign::Crosstab::ColumnHeading) pivot = column.expression;
  }
  return "TRANSFORM " + value + kLineBreak + "SELECT " + Predicate(design) +
         com::Join(SelectList(design, true), ", ") + FromLine(design) +
         TailClauses(design, true) + kLineBreak + "PIVOT " + pivot;
}

// Line breaks and blanks at the end of a text.
std::string TrimEnd(std::string text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.pop_back();
  return text;
}

std::string UnionSql(const QueryDesign& design) {
  const std::string first = design.union_parts.empty() ? "" : design.union_parts[0];
  const std::string second = design.union_parts.size() < 2 ? "" : design.union_parts[1];
  std::string text = TrimEnd(first) + kLineBreak +
                     (design.options & QueryDesign::kDistinct ? "UNION " : "UNION ALL ") +
                     TrimEnd(second);
  return text + TailClauses(design, false);
}

constexpr std::array<const char*, 16> kTypeWords = {
    "Value", "Bit",  "Byte",       "Short", "Long", "Currency", "IEEESingle", "IEEEDouble",
    "DateTime", "Binary", "Text", "LongBinary", "Memo", "",     "",         "Guid"};

// Words of Jet SQL that a name can only be in brackets.
bool IsKeyword(const std::string& name) {
  static const char* const keywords[] = {
      "ALL",   "AND",   "AS",    "ASC",   "BETWEEN", "BY",      "DELETE", "DESC",  "DISTINCT",
      "FROM",  "GROUP", "HAVING", "IN",   "INNER",   "INSERT",  "INTO",   "IS",    "JOIN",
      "LEFT",  "LIKE",  "NOT",   "NULL",  "ON",      "OR",      "ORDER",  "PIVOT", "RIGHT",
      "SELECT", "SET",  "TOP",   "TRANSFORM", "UNION", "UPDATE", "VALUES", "WHERE", "WITH"};
  return std::any_of(std::begin(keywords), std::end(keywords),
                     [&](const char* k) { return com::EqualsNoCase(name, k); });
}

bool IsPlainWord(const std::string& name) {
  if (name.empty() || std::isdigit(static_cast<unsigned char>(name.front())) || IsKeyword(name))
    return false;
  return std::all_of(name.begin(), name.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return std::isalnum(u) || c == '_' || u >= 0x80;
  });
}

}  // namespace

std::string SqlName(const std::string& name) {
  return IsPlainWord(name) ? name : "[" + name + "]";
}

std::int16_t ParameterType(const std::string& word) {
  for (std::size_t i = 0; i < kTypeWords.size(); ++i)
    if (*kTypeWords[i] && com::EqualsNoCase(word, kTypeWords[i])) return static_cast<std::int16_t>(i);
  static const std::vector<std::pair<const char*, std::int16_t>> other_words = {
      {"YesNo", 1},      {"Logical", 1}, {"Integer", 3}, {"Single", 6},   {"Double", 7},
      {"Float", 7},      {"Date", 8},    {"Time", 8},    {"Money", 5},    {"Char", 10},
      {"VarChar", 10},   {"String", 10}, {"LongText", 12}, {"OLEObject", 11},
      {"GUID", 15},      {"Decimal", 20}, {"Numeric", 20}};
  for (const auto& [w, type] : other_words)
    if (com::EqualsNoCase(word, w)) return type;
  return -1;
}

std::string ParameterTypeWord(std::int16_t type) {
  if (type == 20) return "Decimal";
  if (type >= 0 && static_cast<std::size_t>(type) < kTypeWords.size() && *kTypeWords[type])
    return kTypeWords[type];
  return "Value";
}

std::string QueryDesign::Sql() const {
  switch (kind) {
    case Kind::PassThrough:
    case Kind::DataDefinition: return text;
    case Kind::Union: return ParametersLine(*this) + UnionSql(*this) + ";";
    case Kind::Append: return ParametersLine(*this) + AppendSql(*this) + Ending(*this);
    case Kind::Update: return ParametersLine(*this) + UpdateSql(*this) + Ending(*this);
    case Kind::Delete: return ParametersLine(*this) + DeleteSql(*this) + Ending(*this);
    case Kind::Crosstab: return ParametersLine(*this) + CrosstabSql(*this) + Ending(*this);
    case Kind::Select:
    case Kind::MakeTable: break;
  }
  return ParametersLine(*this) + SelectSql(*this) + Ending(*this);
}

}  // namespace sim::jet
