#include "sim/jet/query_design_rows.h"

#include "com/text.h"

namespace sim::jet {
namespace {

// The Attribute of each kind of row.
constexpr std::uint8_t kType = 1;
constexpr std::uint8_t kParameter = 2;
constexpr std::uint8_t kOptions = 3;
constexpr std::uint8_t kRemoteDatabase = 4;
constexpr std::uint8_t kTable = 5;
constexpr std::uint8_t kColumn = 6;
constexpr std::uint8_t kJoin = 7;
constexpr std::uint8_t kWhere = 8;
constexpr std::uint8_t kGroup = 9;
constexpr std::uint8_t kHaving = 10;
constexpr std::uint8_t kOrder = 11;

// The two SELECTs of a union are table rows whose alias is one of these.
constexpr const char* kUnionPartAlias = "X7YZ_____";

// Jet keeps the statement of a pass-through or data-definition query with
// the NUL that ends it; the SQL ends before it.
std::string WithoutNul(std::string text) {
  while (!text.empty() && text.back() == '\0') text.pop_back();
  return text;
}

void ReadType(const DesignRow& row, QueryDesign& design) {
  design.kind = static_cast<QueryDesign::Kind>(row.flag);
  if (design.kind == QueryDesign::Kind::PassThrough)
    design.connect = row.name1;
  else
    design.target = row.name1;
  design.text = WithoutNul(row.expression);
}

void ReadTable(const DesignRow& row, QueryDesign& design) {
  if (com::StartsWithNoCase(row.name2, kUnionPartAlias)) {
    const std::size_t part = row.name2.back() == '2' ? 1 : 0;
    if (design.union_parts.size() <= part) design.union_parts.resize(part + 1);
    design.union_parts[part] = row.expression;
    return;
  }
  design.tables.push_back({row.name1, row.name2});
}

QueryDesign::Crosstab CrosstabOf(std::int32_t flag) {
  return static_cast<QueryDesign::Crosstab>(flag);
}

void ReadRow(const DesignRow& row, QueryDesign& design) {
  switch (row.attribute) {
    case kType: ReadType(row, design); break;
    case kParameter:
      design.parameters.push_back({row.name1, static_cast<std::int16_t>(row.flag)});
      break;
    case kOptions:
      design.options = row.flag;
      design.top = row.name1;
      break;
    case kRemoteDatabase: design.target_database = row.name1; break;
    case kTable: ReadTable(row, design); break;
    case kColumn:
      design.columns.push_back({row.expression, row.name1, row.name2, CrosstabOf(row.flag)});
      break;
    case kJoin:
      design.joins.push_back({row.name1, row.name2, static_cast<std::int16_t>(row.flag),
                              row.expression});
      break;
    case kWhere: design.where = row.expression; break;
    case kGroup: design.groups.push_back({row.expression, CrosstabOf(row.flag)}); break;
    case kHaving: design.having = row.expression; break;
    case kOrder: design.orders.push_back({row.expression, com::EqualsNoCase(row.name1, "D")}); break;
    default: break;  // the first and last rows of a design
  }
}

}  // namespace

QueryDesign QueryDesignRows::Read(const std::vector<DesignRow>& rows) {
  QueryDesign design;
  for (const auto& row : rows) ReadRow(row, design);
  return design;
}

}  // namespace sim::jet
