#include "sim/access/query_design_text.h"

#include <algorithm>
#include <optional>

#include "com/error.h"
#include "com/text.h"
#include "platform/dao.h"
#include "sim/access/text_format_error.h"
#include "sim/jet/dao_value.h"
#include "sim/jet/query_design.h"
#include "sim/jet/query_sql_reader.h"
#include "sim/jet/query_text.h"

namespace sim::access {
namespace {

using jet::QueryDesign;
using Form = TextNode::Form;

constexpr std::string_view kSqlProperty = "SQL";

constexpr std::pair<std::string_view, std::int16_t> kTypeWords[] = {
    {"dbBoolean", dao::dbBoolean}, {"dbByte", dao::dbByte},
    {"dbInteger", dao::dbInteger}, {"dbLong", dao::dbLong},
    {"dbCurrency", dao::dbCurrency}, {"dbSingle", dao::dbSingle},
    {"dbDouble", dao::dbDouble},   {"dbDate", dao::dbDate},
    {"dbBinary", dao::dbBinary},   {"dbText", dao::dbText},
    {"dbLongBinary", dao::dbLongBinary}, {"dbMemo", dao::dbMemo},
    {"dbGUID", dao::dbGUID}};

// The items of a design: lines at the left margin, and blocks.
constexpr std::string_view kDesignLines[] = {"Operation", "Name",  "Database", "Option",
                                             "RowCount",  "Where", "Having"};
constexpr std::string_view kDesignBlocks[] = {"InputTables", "OutputColumns", "Parameters",
                                              "Joins",       "OrderBy",       "Groups"};

template <std::size_t N>
bool OneOf(const std::string_view (&words)[N], std::string_view word) {
  return std::find(std::begin(words), std::end(words), word) != std::end(words);
}

bool IsDesignItem(const TextNode& node) {
  if (node.kind == TextNode::Kind::Property) return OneOf(kDesignLines, node.name);
  return node.kind == TextNode::Kind::Block && node.opener == TextNode::Opener::Typed &&
         OneOf(kDesignBlocks, node.name);
}

// `dbText "Description"`: the DAO type (-1 for a word DAO does not have) and
// the property's name; nothing for the name of any other line.
struct TypedName {
  std::int16_t type;
  std::string name;
};

std::optional<TypedName> SplitTypedName(const TextNode& node) {
  if (node.kind != TextNode::Kind::Property) return std::nullopt;
  const auto space = node.name.find(' ');
  if (space == std::string::npos) return std::nullopt;
  const std::string_view word = std::string_view(node.name).substr(0, space);
  std::int16_t type = -1;
  for (const auto& [w, t] : kTypeWords)
    if (w == word) type = t;
  return TypedName{type, node.name.substr(space + 2, node.name.size() - space - 3)};
}

std::string TypeWord(std::int16_t type) {
  for (const auto& [word, t] : kTypeWords)
    if (t == type) return std::string(word);
  return "dbText";
}

bool IsSqlLine(const TextNode& node) {
  const auto typed = SplitTypedName(node);
  return typed && typed->name == kSqlProperty;
}

std::size_t LineCount(const TextNode& node) {
  std::vector<std::string> lines;
  node.Render(0, lines);
  return lines.size();
}

[[noreturn]] void Fail(std::size_t line, const std::string& message) {
  throw TextFormatError(line, message);
}

bool ShowsInGrid(QueryDesign::Kind kind) {
  return kind >= QueryDesign::Kind::Select && kind <= QueryDesign::Kind::Crosstab;
}

// Reads the design items of a text into a query design.
class DesignReader {
 public:
  QueryDesign Read(const std::vector<TextNode>& items) {
    std::size_t line = 1;
    for (const auto& item : items) {
      if (IsDesignItem(item)) Item(item, line);
      line += LineCount(item);
    }
    return design_;
  }

 private:
  static const std::string& Text(const TextNode& node, std::size_t line) {
    if (node.form != Form::String) Fail(line, "the value of " + node.name + " is not a string");
    return node.value;
  }

  static int Number(const TextNode& node, std::size_t line) {
    if (node.form != Form::Number || node.value.find('.') != std::string::npos)
      Fail(line, "the value of " + node.name + " is not a whole number");
    return std::stoi(node.value);
  }

  void Item(const TextNode& node, std::size_t line) {
    if (node.kind == TextNode::Kind::Block) return Block(node, line);
    const std::string& name = node.name;
    if (name == "Operation") {
      const int kind = Number(node, line);
      design_.kind = static_cast<QueryDesign::Kind>(kind);
      if (!ShowsInGrid(design_.kind))
        Fail(line, "Operation =" + node.value + " is no kind of query a design shows");
    } else if (name == "Option") {
      design_.options = Number(node, line);
    } else {
      std::string& field = name == "Name"       ? design_.target
                           : name == "Database" ? design_.target_database
                           : name == "RowCount" ? design_.top
                           : name == "Where"    ? design_.where
                                                : design_.having;
      field = Text(node, line);
    }
  }

  void Block(const TextNode& block, std::size_t line) {
    std::size_t at = line + 1;
    for (const auto& child : block.children) {
      if (child.kind == TextNode::Kind::Block) Fail(at, "a block inside the design's " + block.name);
      if (child.kind == TextNode::Kind::Property) Entry(block.name, child, at);
      at += LineCount(child);
    }
    if (!pending_alias_.empty() || !pending_target_.empty())
      Fail(at, "a column of OutputColumns without its Expression");
  }

  template <class T>
  static T& Last(std::vector<T>& items, const TextNode& node, std::size_t line, const char* first) {
    if (items.empty()) Fail(line, node.name + " before the first " + first);
    return items.back();
  }

  void Entry(const std::string& block, const TextNode& node, std::size_t line) {
    const std::string& key = node.name;
    const auto crosstab = [&] { return static_cast<QueryDesign::Crosstab>(Number(node, line)); };
    if (block == "InputTables" && key == "Name") {
      design_.tables.push_back({Text(node, line), ""});
    } else if (block == "InputTables" && key == "Alias") {
      Last(design_.tables, node, line, "Name").alias = Text(node, line);
    } else if (block == "OutputColumns" && key == "Alias") {
      pending_alias_ = Text(node, line);
    } else if (block == "OutputColumns" && key == "Name") {
      pending_target_ = Text(node, line);
    } else if (block == "OutputColumns" && key == "Expression") {
      design_.columns.push_back({Text(node, line), pending_alias_, pending_target_, {}});
      pending_alias_.clear();
      pending_target_.clear();
    } else if (block == "OutputColumns" && key == "GroupLevel") {
      Last(design_.columns, node, line, "Expression").crosstab = crosstab();
    } else if (block == "Parameters" && key == "Name") {
      design_.parameters.push_back({Text(node, line), 0});
    } else if (block == "Parameters" && key == "Flag") {
      Last(design_.parameters, node, line, "Name").type = static_cast<std::int16_t>(Number(node, line));
    } else if (block == "Joins" && key == "LeftTable") {
      design_.joins.push_back({Text(node, line), "", QueryDesign::kInnerJoin, ""});
    } else if (block == "Joins" && (key == "RightTable" || key == "Expression")) {
      auto& join = Last(design_.joins, node, line, "LeftTable");
      (key == "RightTable" ? join.right : join.expression) = Text(node, line);
    } else if (block == "Joins" && key == "Flag") {
      Last(design_.joins, node, line, "LeftTable").type = static_cast<std::int16_t>(Number(node, line));
    } else if (block == "OrderBy" && key == "Expression") {
      design_.orders.push_back({Text(node, line), false});
    } else if (block == "OrderBy" && key == "Flag") {
      Last(design_.orders, node, line, "Expression").descending = Number(node, line) != 0;
    } else if (block == "Groups" && key == "Expression") {
      design_.groups.push_back({Text(node, line), {}});
    } else if (block == "Groups" && key == "GroupLevel") {
      Last(design_.groups, node, line, "Expression").crosstab = crosstab();
    } else {
      Fail(line, key + " is no item of the design's " + block);
    }
  }

  QueryDesign design_;
  std::string pending_alias_;
  std::string pending_target_;
};

TextNode Line(const char* name, std::string value) {
  return TextNode::Property(name, Form::String, std::move(value));
}

TextNode NumberLine(const char* name, std::int32_t value) {
  return TextNode::Property(name, Form::Number, std::to_string(value));
}

// The design items as Access writes them, in its order.
std::vector<TextNode> DesignItems(const QueryDesign& design) {
  std::vector<TextNode> items{NumberLine("Operation", static_cast<std::int32_t>(design.kind))};
  if (!design.target.empty()) items.push_back(Line("Name", design.target));
  if (!design.target_database.empty()) items.push_back(Line("Database", design.target_database));
  items.push_back(NumberLine("Option", design.options));
  if (design.options & QueryDesign::kTop) items.push_back(Line("RowCount", design.top));
  if (!design.where.empty()) items.push_back(Line("Where", design.where));
  if (!design.having.empty()) items.push_back(Line("Having", design.having));
  const auto block = [&](const char* name, bool always) -> std::vector<TextNode>* {
    if (!always) return nullptr;
    items.push_back(TextNode::Block(TextNode::Opener::Typed, name));
    return &items.back().children;
  };
  auto* tables = block("InputTables", true);
  for (const auto& table : design.tables) {
    tables->push_back(Line("Name", table.name));
    if (!table.alias.empty()) tables->push_back(Line("Alias", table.alias));
  }
  auto* columns = block("OutputColumns", true);
  for (const auto& column : design.columns) {
    if (!column.alias.empty()) columns->push_back(Line("Alias", column.alias));
    if (!column.target.empty()) columns->push_back(Line("Name", column.target));
    columns->push_back(Line("Expression", column.expression));
    if (column.crosstab != QueryDesign::Crosstab::Value)
      columns->push_back(NumberLine("GroupLevel", static_cast<std::int32_t>(column.crosstab)));
  }
  if (auto* parameters = block("Parameters", !design.parameters.empty()))
    for (const auto& parameter : design.parameters) {
      parameters->push_back(Line("Name", parameter.name));
      parameters->push_back(NumberLine("Flag", parameter.type));
    }
  if (auto* joins = block("Joins", !design.joins.empty()))
    for (const auto& join : design.joins) {
      joins->push_back(Line("LeftTable", join.left));
      joins->push_back(Line("RightTable", join.right));
      joins->push_back(Line("Expression", join.expression));
      joins->push_back(NumberLine("Flag", join.type));
    }
  if (auto* orders = block("OrderBy", !design.orders.empty()))
    for (const auto& order : design.orders) {
      orders->push_back(Line("Expression", order.expression));
      orders->push_back(NumberLine("Flag", order.descending ? 1 : 0));
    }
  if (auto* groups = block("Groups", !design.groups.empty()))
    for (const auto& group : design.groups) {
      groups->push_back(Line("Expression", group.expression));
      groups->push_back(NumberLine("GroupLevel", static_cast<std::int32_t>(group.crosstab)));
    }
  return items;
}

TextNode SqlLine(const std::string& sql) {
  return TextNode::Property("dbMemo \"" + std::string(kSqlProperty) + "\"", Form::String, sql);
}

// The items that give the SQL: a design when the SQL reads as one the
// design grid shows and the design gives this very SQL back, else the SQL
// line, so that no SQL is ever changed by being written as a design.
std::vector<TextNode> ItemsFor(const std::string& sql, const std::string& connect) {
  std::optional<QueryDesign> design;
  if (!com::Capture([&] { design = jet::QuerySqlReader::Read(sql, connect); }) &&
      ShowsInGrid(design->kind) && design->Sql() == sql)
    return DesignItems(*design);
  return {SqlLine(sql)};
}

// Two entries with the same content, whatever lines they were read from.
bool SameNode(const TextNode& a, const TextNode& b) {
  if (a.kind != b.kind || a.name != b.name || a.form != b.form || a.opener != b.opener ||
      a.value != b.value || a.children.size() != b.children.size())
    return false;
  for (std::size_t i = 0; i < a.children.size(); ++i)
    if (!SameNode(a.children[i], b.children[i])) return false;
  return true;
}

void CheckPropertyLine(const TextNode& node, const TypedName& typed, std::size_t line) {
  const std::string word = node.name.substr(0, node.name.find(' '));
  if (typed.type < 0) Fail(line, word + " is no DAO type of a property");
  if (IsBinaryProperty(typed.type) != (node.form == Form::Binary))
    Fail(line, "the value of \"" + typed.name + "\" is not what a " + word + " property holds");
  if (node.form == Form::Binary) return;
  if (node.form != Form::String) Fail(line, "the value of \"" + typed.name + "\" is not in quotes");
  if (com::Capture([&] { QueryPropertyValue(typed.type, node.value); }))
    Fail(line, "\"" + node.value + "\" is no value of a " + word + " property");
}

// What a query's text may hold at the left margin; remembers where the
// design and the SQL line are.
struct Outline {
  std::size_t design_line = 0;
  bool operation = false;
  std::size_t sql_line = 0;
  std::string connect;
};

Outline CheckItems(const DocumentText& document) {
  if (document.Code()) throw TextFormatError(0, "a query's text holds a module");
  Outline outline;
  std::size_t line = 1;
  for (const auto& item : document.items()) {
    if (IsDesignItem(item)) {
      if (!outline.design_line) outline.design_line = line;
      outline.operation = outline.operation || item.name == "Operation";
    } else if (const auto typed = SplitTypedName(item)) {
      CheckPropertyLine(item, *typed, line);
      if (typed->name == kSqlProperty) outline.sql_line = line;
      if (typed->name == "Connect") outline.connect = item.value;
    } else if (item.kind == TextNode::Kind::Property) {
      Fail(line, item.name + " is no item of a query's text");
    } else if (item.kind == TextNode::Kind::Block && item.opener != TextNode::Opener::List) {
      Fail(line, "'" + std::string(item.source.lines) + "' is no block of a query's text");
    }
    line += LineCount(item);
  }
  if (outline.design_line && outline.sql_line)
    Fail(outline.sql_line, "a query's text holds both a design and its SQL");
  if (!outline.design_line && !outline.sql_line)
    throw TextFormatError(0, "a query's text holds neither a design (Operation =) nor its SQL "
                             "(dbMemo \"SQL\")");
  if (outline.design_line && !outline.operation)
    Fail(outline.design_line, "the design has no Operation");
  return outline;
}

}  // namespace

std::string QueryPropertyText(std::int16_t type, const com::Variant& value) {
  const com::Variant typed = jet::ToDaoType(type, value);
  if (typed.IsNull()) return "";
  if (type == dao::dbBoolean) return com::CBool(typed) ? "-1" : "0";
  return com::CStr(typed);
}

bool IsBinaryProperty(std::int16_t type) {
  return type == dao::dbBinary || type == dao::dbLongBinary;
}

com::Variant QueryPropertyValue(std::int16_t type, const std::string& text) {
  return jet::ToDaoType(type, com::Variant(text));
}

QueryDesignText QueryDesignText::Parse(std::string_view text) {
  QueryDesignText query(DocumentText::Parse(text));
  const Outline outline = CheckItems(query.text_);
  const std::string sql = query.Sql();
  if (auto error = com::Capture([&] { jet::QueryText(sql).Type(outline.connect, true); }))
    Fail(query.SqlLine(), "the query's SQL is no statement Jet reads (" + error->Description() + ")");
  return query;
}

QueryDesignText QueryDesignText::Of(const std::string& sql, const std::string& connect) {
  DocumentText document;
  document.items() = ItemsFor(sql, connect);
  return QueryDesignText(std::move(document));
}

bool QueryDesignText::IsDesign() const {
  return std::none_of(text_.items().begin(), text_.items().end(), IsSqlLine);
}

std::string QueryDesignText::Sql() const {
  for (const auto& item : text_.items())
    if (IsSqlLine(item)) return item.value;
  return DesignReader().Read(text_.items()).Sql();
}

std::size_t QueryDesignText::SqlLine() const {
  std::size_t line = 1;
  for (const auto& item : text_.items()) {
    if (IsSqlLine(item) || IsDesignItem(item)) return line;
    line += LineCount(item);
  }
  return 0;
}

std::vector<QueryTextProperty> QueryDesignText::Properties() const {
  std::vector<QueryTextProperty> properties;
  std::size_t line = 1;
  for (const auto& item : text_.items()) {
    const auto typed = SplitTypedName(item);
    if (typed && typed->name != kSqlProperty)
      properties.push_back({typed->name, typed->type, item.value, line});
    line += LineCount(item);
  }
  return properties;
}

void QueryDesignText::SetSql(const std::string& sql, const std::string& connect) {
  if (sql == Sql()) return;
  auto& items = text_.items();
  for (auto& item : items)
    if (IsSqlLine(item)) return item.SetString(sql);
  const auto first = std::find_if(items.begin(), items.end(), IsDesignItem);
  const auto at = first - items.begin();
  std::vector<TextNode> old;
  std::vector<TextNode> rest;
  for (auto& item : items) (IsDesignItem(item) ? old : rest).push_back(std::move(item));
  std::vector<TextNode> fresh = ItemsFor(sql, connect);
  for (auto& item : fresh) {
    const auto same = std::find_if(old.begin(), old.end(),
                                   [&](const TextNode& o) { return SameNode(o, item); });
    if (same == old.end()) continue;
    item = std::move(*same);
    old.erase(same);
  }
  rest.insert(rest.begin() + std::min<std::ptrdiff_t>(at, static_cast<std::ptrdiff_t>(rest.size())),
              std::make_move_iterator(fresh.begin()), std::make_move_iterator(fresh.end()));
  items = std::move(rest);
}

void QueryDesignText::SetProperty(const std::string& name, std::int16_t type,
                                  const com::Variant& value) {
  const std::string text = QueryPropertyText(type, value);
  auto& items = text_.items();
  std::ptrdiff_t last = -1;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const auto typed = SplitTypedName(items[i]);
    if (!typed) continue;
    last = static_cast<std::ptrdiff_t>(i);
    if (!com::EqualsNoCase(typed->name, name)) continue;
    if (typed->type == type && QueryPropertyText(type, QueryPropertyValue(type, items[i].value)) == text)
      return;
    items[i].name = TypeWord(type) + " \"" + typed->name + "\"";
    IsBinaryProperty(type) ? items[i].SetBytes(text) : items[i].SetString(text);
    return;
  }
  TextNode line = TextNode::Property(TypeWord(type) + " \"" + name + "\"",
                                     IsBinaryProperty(type) ? Form::Binary : Form::String, text);
  if (last < 0) {
    last = std::find_if(items.begin(), items.end(),
                        [](const TextNode& item) { return !IsDesignItem(item); }) -
           items.begin() - 1;
  }
  items.insert(items.begin() + last + 1, std::move(line));
}

void QueryDesignText::RemoveProperty(const std::string& name) {
  std::erase_if(text_.items(), [&](const TextNode& item) {
    const auto typed = SplitTypedName(item);
    return typed && typed->name != kSqlProperty && com::EqualsNoCase(typed->name, name);
  });
}

}  // namespace sim::access
