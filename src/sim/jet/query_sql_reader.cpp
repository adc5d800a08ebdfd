#include "sim/jet/query_sql_reader.h"

#include <cctype>
#include <functional>
#include <memory>

#include "com/text.h"
#include "sim/jet/dao_errors.h"

namespace sim::jet {
namespace {

enum class Kind { Word, Name, Literal, Open, Close, Symbol };

struct Token {
  Kind kind;
  std::size_t begin;
  std::size_t end;
  int depth;  // parentheses around it; a parenthesis counts as outside itself
};

bool IsWordCharacter(char c) {
  const auto u = static_cast<unsigned char>(c);
  return std::isalnum(u) || c == '_' || u >= 0x80;
}

// Skips a quoted text; a doubled quote stands for one.
std::size_t QuotedEnd(const std::string& sql, std::size_t i) {
  const char quote = sql[i++];
  while (i < sql.size()) {
    if (sql[i] == quote && i + 1 < sql.size() && sql[i + 1] == quote) {
      i += 2;
      continue;
    }
    if (sql[i] == quote) return i + 1;
    ++i;
  }
  RaiseDao(kDaoSyntaxError, sql);
}

std::size_t DelimitedEnd(const std::string& sql, std::size_t i, char close) {
  const std::size_t end = sql.find(close, i + 1);
  if (end == std::string::npos) RaiseDao(kDaoSyntaxError, sql);
  return end + 1;
}

std::vector<Token> Tokenize(const std::string& sql) {
  std::vector<Token> tokens;
  int depth = 0;
  std::size_t i = 0;
  while (i < sql.size()) {
    const char c = sql[i];
    if (std::isspace(static_cast<unsigned char>(c)) || c == '\0') {
      ++i;
      continue;
    }
    const std::size_t begin = i;
    Kind kind = Kind::Symbol;
    if (c == '"' || c == '\'') {
      i = QuotedEnd(sql, i);
      kind = Kind::Literal;
    } else if (c == '#') {
      i = DelimitedEnd(sql, i, '#');
      kind = Kind::Literal;
    } else if (c == '[' || c == '`') {
      i = DelimitedEnd(sql, i, c == '[' ? ']' : '`');
      kind = Kind::Name;
    } else if (IsWordCharacter(c)) {
      while (i < sql.size() && IsWordCharacter(sql[i])) ++i;
      kind = Kind::Word;
    } else if (c == '(' || c == ')') {
      ++i;
      kind = c == '(' ? Kind::Open : Kind::Close;
      if (c == ')') --depth;
    } else {
      ++i;
      if ((c == '<' || c == '>') && i < sql.size() && (sql[i] == '=' || sql[i] == '>')) ++i;
    }
    tokens.push_back({kind, begin, i, depth});
    if (c == '(') ++depth;
  }
  if (depth != 0) RaiseDao(kDaoSyntaxError, sql);
  return tokens;
}

// One item of a FROM clause while it is read: a table, or two items joined.
struct FromNode {
  std::size_t table = 0;
  std::unique_ptr<FromNode> left;
  std::unique_ptr<FromNode> right;
  std::int16_t type = QueryDesign::kInnerJoin;
  std::size_t condition_begin = 0;  // tokens of the ON condition
  std::size_t condition_end = 0;
};

class Parser {
 public:
  explicit Parser(const std::string& sql) : sql_(sql), tokens_(Tokenize(sql)) {}

  QueryDesign Read() {
    std::size_t at = ReadParameters();
    if (at >= tokens_.size()) RaiseDao(kDaoInvalidSqlStatement);
    if (IsWord(at, "TRANSFORM")) return ReadCrosstab(at);
    if (IsWord(at, "SELECT")) {
      const std::size_t union_at = LastWord(at, tokens_.size(), "UNION");
      return union_at == kNone ? ReadSelect(at) : ReadUnion(at, union_at);
    }
    if (IsWord(at, "INSERT")) return ReadAppend(at);
    if (IsWord(at, "UPDATE")) return ReadUpdate(at);
    if (IsWord(at, "DELETE")) return ReadDelete(at);
    if (IsWord(at, "CREATE") || IsWord(at, "ALTER") || IsWord(at, "DROP")) {
      design_.kind = QueryDesign::Kind::DataDefinition;
      design_.text = sql_;
      return design_;
    }
    RaiseDao(kDaoInvalidSqlStatement);
  }

 private:
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

  [[noreturn]] void Fail() const { RaiseDao(kDaoSyntaxError, sql_); }

  bool IsWord(std::size_t at, const char* word) const {
    return at < tokens_.size() && tokens_[at].kind == Kind::Word &&
           com::EqualsNoCase(Raw(at), word);
  }
  bool IsSymbol(std::size_t at, char symbol) const {
    return at < tokens_.size() && tokens_[at].kind == Kind::Symbol &&
           tokens_[at].end - tokens_[at].begin == 1 && sql_[tokens_[at].begin] == symbol;
  }
  std::string Raw(std::size_t at) const {
    return sql_.substr(tokens_[at].begin, tokens_[at].end - tokens_[at].begin);
  }
  // The text of tokens [from, to) as written.
  std::string Text(std::size_t from, std::size_t to) const {
    if (from >= to) return "";
    return sql_.substr(tokens_[from].begin, tokens_[to - 1].end - tokens_[from].begin);
  }
  // A name without its brackets.
  std::string NameAt(std::size_t at) const {
    if (at >= tokens_.size() || (tokens_[at].kind != Kind::Word && tokens_[at].kind != Kind::Name))
      Fail();
    const std::string raw = Raw(at);
    return tokens_[at].kind == Kind::Name ? raw.substr(1, raw.size() - 2) : raw;
  }

  // The first token at the depth of `from`, before `to`, that is the word.
  std::size_t FindWord(std::size_t from, std::size_t to, const char* word) const {
    const int depth = from < tokens_.size() ? tokens_[from].depth : 0;
    for (std::size_t i = from; i < to; ++i)
      if (tokens_[i].depth == depth && IsWord(i, word)) return i;
    return kNone;
  }
  std::size_t LastWord(std::size_t from, std::size_t to, const char* word) const {
    std::size_t found = kNone;
    if (from >= to) return found;
    for (std::size_t i = from; i < to; ++i)
      if (tokens_[i].depth == tokens_[from].depth && IsWord(i, word)) found = i;
    return found;
  }

  // The items between `from` and `to` separated by commas at their depth.
  std::vector<std::pair<std::size_t, std::size_t>> Items(std::size_t from, std::size_t to) const {
    std::vector<std::pair<std::size_t, std::size_t>> items;
    if (from >= to) return items;
    const int depth = tokens_[from].depth;
    std::size_t start = from;
    for (std::size_t i = from; i < to; ++i)
      if (tokens_[i].depth == depth && IsSymbol(i, ',')) {
        items.push_back({start, i});
        start = i + 1;
      }
    items.push_back({start, to});
    return items;
  }

  // The end of the statement: its ";" or the end of the text.
  std::size_t StatementEnd(std::size_t from) const {
    for (std::size_t i = from; i < tokens_.size(); ++i)
      if (tokens_[i].depth == 0 && IsSymbol(i, ';')) return i;
    return tokens_.size();
  }

  std::size_t ReadParameters() {
    if (!IsWord(0, "PARAMETERS")) return 0;
    const std::size_t end = StatementEnd(1);
    for (const auto& [from, to] : Items(1, end)) {
      std::size_t last = to;
      if (last > from && tokens_[last - 1].kind == Kind::Close) {
        while (last > from && tokens_[last - 1].kind != Kind::Open) --last;
        --last;
      }
      if (last <= from + 1) Fail();
      const std::int16_t type = ParameterType(Raw(last - 1));
      if (type < 0) Fail();
      const std::string name =
          last - 1 == from + 1 ? NameAt(from) : com::Trim(Text(from, last - 1));
      design_.parameters.push_back({name, type});
    }
    return end + 1;
  }

  // SELECT's predicate words; the first token of the select list.
  std::size_t ReadPredicate(std::size_t at) {
    for (;; ++at) {
      if (IsWord(at, "DISTINCT")) {
        design_.options |= QueryDesign::kDistinct;
      } else if (IsWord(at, "DISTINCTROW")) {
        design_.options |= QueryDesign::kDistinctRow;
      } else if (IsWord(at, "ALL")) {
      } else if (IsWord(at, "TOP") && at + 1 < tokens_.size()) {
        design_.options |= QueryDesign::kTop;
        design_.top = Raw(++at);
        if (IsWord(at + 1, "PERCENT")) {
          design_.options |= QueryDesign::kPercent;
          ++at;
        }
      } else {
        return at;
      }
    }
  }

  QueryDesign::Column ColumnOf(std::size_t from, std::size_t to) const {
    const std::size_t as = LastWord(from, to, "AS");
    if (as == kNone || as + 2 != to) return {Text(from, to), "", "", QueryDesign::Crosstab::Value};
    return {Text(from, as), NameAt(as + 1), "", QueryDesign::Crosstab::Value};
  }

  void ReadSelectList(std::size_t from, std::size_t to, QueryDesign::Crosstab crosstab) {
    for (const auto& [begin, end] : Items(from, to)) {
      if (begin + 1 == end && IsSymbol(begin, '*')) {
        design_.options |= QueryDesign::kAllColumns;
        continue;
      }
      if (begin == end) Fail();
      auto column = ColumnOf(begin, end);
      column.crosstab = crosstab;
      design_.columns.push_back(column);
    }
  }

  // The clauses of a SELECT after its list, each from its keyword to the
  // next one; where each clause begins, or kNone.
  struct Clauses {
    std::size_t into = kNone, from = kNone, where = kNone, group = kNone, having = kNone,
                order = kNone, pivot = kNone, with = kNone, end = kNone;
  };
  Clauses FindClauses(std::size_t from, std::size_t end) const {
    Clauses c;
    c.end = end;
    if (from >= end) return c;
    const int depth = tokens_[from].depth;
    for (std::size_t i = from; i < end; ++i) {
      if (tokens_[i].depth != depth) continue;
      if (IsWord(i, "INTO") && c.from == kNone) c.into = i;
      if (IsWord(i, "FROM") && c.from == kNone) c.from = i;
      if (IsWord(i, "WHERE")) c.where = i;
      if (IsWord(i, "GROUP") && IsWord(i + 1, "BY")) c.group = i;
      if (IsWord(i, "HAVING")) c.having = i;
      if (IsWord(i, "ORDER") && IsWord(i + 1, "BY")) c.order = i;
      if (IsWord(i, "PIVOT")) c.pivot = i;
      if (IsWord(i, "WITH") && IsWord(i + 1, "OWNERACCESS")) c.with = i;
    }
    return c;
  }
  static std::size_t NextClause(const Clauses& c, std::size_t after) {
    std::size_t next = c.end;
    for (std::size_t at : {c.into, c.from, c.where, c.group, c.having, c.order, c.pivot, c.with})
      if (at != kNone && at > after && at < next) next = at;
    return next;
  }

  void ReadTarget(std::size_t at, std::size_t end) {
    design_.target = NameAt(at);
    if (IsWord(at + 1, "IN") && at + 2 < end) {
      const std::string quoted = Raw(at + 2);
      design_.target_database = quoted.substr(1, quoted.size() - 2);
    }
  }

  // Everything of a SELECT from its first word.
  void ReadSelectBody(std::size_t select, QueryDesign::Crosstab crosstab) {
    const std::size_t end = StatementEnd(select);
    const Clauses c = FindClauses(select + 1, end);
    const std::size_t list = ReadPredicate(select + 1);
    ReadSelectList(list, NextClause(c, select), crosstab);
    if (c.into != kNone) {
      design_.kind = QueryDesign::Kind::MakeTable;
      ReadTarget(c.into + 1, NextClause(c, c.into));
    }
    if (c.from != kNone) ReadFrom(c.from + 1, NextClause(c, c.from));
    ReadTail(c, crosstab);
  }

  void ReadTail(const Clauses& c, QueryDesign::Crosstab crosstab) {
    if (c.where != kNone) design_.where = Text(c.where + 1, NextClause(c, c.where));
    if (c.group != kNone)
      for (const auto& [from, to] : Items(c.group + 2, NextClause(c, c.group)))
        design_.groups.push_back({Text(from, to), crosstab});
    if (c.having != kNone) design_.having = Text(c.having + 1, NextClause(c, c.having));
    if (c.order != kNone)
      for (const auto& [from, to] : Items(c.order + 2, NextClause(c, c.order))) {
        const bool descending = IsWord(to - 1, "DESC");
        const bool marked = descending || IsWord(to - 1, "ASC");
        design_.orders.push_back({Text(from, marked ? to - 1 : to), descending});
      }
    if (c.with != kNone) design_.options |= QueryDesign::kOwnerAccess;
  }

  QueryDesign ReadSelect(std::size_t select) {
    design_.kind = QueryDesign::Kind::Select;
    ReadSelectBody(select, QueryDesign::Crosstab::Value);
    return design_;
  }

  QueryDesign ReadCrosstab(std::size_t transform) {
    design_.kind = QueryDesign::Kind::Crosstab;
    const std::size_t select = FindWord(transform + 1, tokens_.size(), "SELECT");
    if (select == kNone) Fail();
    design_.columns.push_back(ColumnOf(transform + 1, select));
    ReadSelectBody(select, QueryDesign::Crosstab::RowHeading);
    const std::size_t end = StatementEnd(select);
    const std::size_t pivot = FindWord(select, end, "PIVOT");
    if (pivot == kNone) Fail();
    const std::string heading = Text(pivot + 1, NextClause(FindClauses(select + 1, end), pivot));
    design_.columns.push_back({heading, "", "", QueryDesign::Crosstab::ColumnHeading});
    design_.groups.push_back({heading, QueryDesign::Crosstab::ColumnHeading});
    return design_;
  }

  QueryDesign ReadUnion(std::size_t select, std::size_t union_at) {
    design_.kind = QueryDesign::Kind::Union;
    std::size_t second = union_at + 1;
    if (IsWord(second, "ALL"))
      ++second;
    else
      design_.options |= QueryDesign::kDistinct;
    design_.union_parts.push_back(sql_.substr(tokens_[select].begin,
                                              tokens_[union_at].begin - tokens_[select].begin));
    design_.union_parts.push_back(Text(second, StatementEnd(second)));
    return design_;
  }

  QueryDesign ReadAppend(std::size_t insert) {
    design_.kind = QueryDesign::Kind::Append;
    if (!IsWord(insert + 1, "INTO")) Fail();
    const std::size_t select = FindWord(insert, tokens_.size(), "SELECT");
    if (select == kNone) Fail();
    ReadTarget(insert + 2, select);
    std::vector<std::string> targets;
    const std::size_t open = IsWord(insert + 3, "IN") ? insert + 5 : insert + 3;
    if (open < select && tokens_[open].kind == Kind::Open)
      for (const auto& [from, to] : Items(open + 1, select - 1)) targets.push_back(NameAt(from));
    ReadSelectBody(select, QueryDesign::Crosstab::Value);
    design_.kind = QueryDesign::Kind::Append;
    for (std::size_t i = 0; i < targets.size() && i < design_.columns.size(); ++i)
      design_.columns[i].target = targets[i];
    return design_;
  }

  QueryDesign ReadUpdate(std::size_t update) {
    design_.kind = QueryDesign::Kind::Update;
    const std::size_t end = StatementEnd(update);
    const std::size_t set = FindWord(update, end, "SET");
    if (set == kNone) Fail();
    ReadFrom(ReadPredicate(update + 1), set);
    const Clauses c = FindClauses(set, end);
    for (const auto& [from, to] : Items(set + 1, NextClause(c, set))) {
      std::size_t equals = from;
      while (equals < to && !IsSymbol(equals, '=')) ++equals;
      if (equals == to) Fail();
      design_.columns.push_back({Text(equals + 1, to), "", Text(from, equals),
                                 QueryDesign::Crosstab::Value});
    }
    ReadTail(c, QueryDesign::Crosstab::Value);
    return design_;
  }

  QueryDesign ReadDelete(std::size_t del) {
    design_.kind = QueryDesign::Kind::Delete;
    const std::size_t end = StatementEnd(del);
    const Clauses c = FindClauses(del + 1, end);
    if (c.from == kNone) Fail();
    const std::size_t list = ReadPredicate(del + 1);
    if (!(list + 1 == c.from && IsSymbol(list, '*')))
      ReadSelectList(list, c.from, QueryDesign::Crosstab::Value);
    ReadFrom(c.from + 1, NextClause(c, c.from));
    ReadTail(c, QueryDesign::Crosstab::Value);
    return design_;
  }

  // ---- FROM ----

  bool IsJoinWord(std::size_t at) const {
    return (IsWord(at, "INNER") || IsWord(at, "LEFT") || IsWord(at, "RIGHT")) &&
           (IsWord(at + 1, "JOIN") || IsWord(at + 1, "OUTER"));
  }

  void ReadFrom(std::size_t from, std::size_t to) {
    for (const auto& [begin, end] : Items(from, to)) {
      std::size_t at = begin;
      auto node = ReadJoined(at, end);
      if (at != end) Fail();
      AddJoins(*node);
    }
  }

  std::unique_ptr<FromNode> ReadJoined(std::size_t& at, std::size_t end) {
    auto node = ReadPrimary(at, end);
    while (at < end && IsJoinWord(at)) {
      auto joined = std::make_unique<FromNode>();
      joined->type = IsWord(at, "LEFT")    ? QueryDesign::kLeftJoin
                     : IsWord(at, "RIGHT") ? QueryDesign::kRightJoin
                                           : QueryDesign::kInnerJoin;
      ++at;
      if (IsWord(at, "OUTER")) ++at;
      if (!IsWord(at, "JOIN")) Fail();
      ++at;
      joined->left = std::move(node);
      joined->right = ReadPrimary(at, end);
      if (!IsWord(at, "ON")) Fail();
      joined->condition_begin = ++at;
      const int depth = at < end ? tokens_[at].depth : 0;
      while (at < end && !(tokens_[at].depth < depth) &&
             !(tokens_[at].depth == depth && IsJoinWord(at)))
        ++at;
      joined->condition_end = at;
      if (joined->condition_begin == at) Fail();
      node = std::move(joined);
    }
    return node;
  }

  std::unique_ptr<FromNode> ReadPrimary(std::size_t& at, std::size_t end) {
    if (at >= end) Fail();
    if (tokens_[at].kind == Kind::Open) {
      ++at;
      auto inner = ReadJoined(at, end);
      if (at >= end || tokens_[at].kind != Kind::Close) Fail();
      ++at;
      return inner;
    }
    auto node = std::make_unique<FromNode>();
    node->table = design_.tables.size();
    QueryDesign::Table table{NameAt(at++), ""};
    if (IsWord(at, "AS")) ++at;
    if (at < end && (tokens_[at].kind == Kind::Name ||
                     (tokens_[at].kind == Kind::Word && !IsJoinWord(at) && !IsWord(at, "ON"))))
      table.alias = NameAt(at++);
    design_.tables.push_back(table);
    return node;
  }

  std::string Key(std::size_t table) const {
    const auto& t = design_.tables[table];
    return t.alias.empty() ? t.name : t.alias;
  }
  void Tables(const FromNode& node, std::vector<std::size_t>& out) const {
    if (!node.left) {
      out.push_back(node.table);
      return;
    }
    Tables(*node.left, out);
    Tables(*node.right, out);
  }
  // The table of one side that the condition names first; without one, the
  // side's table nearest the join.
  std::string SideKey(const FromNode& side, const FromNode& join, bool left) const {
    std::vector<std::size_t> tables;
    Tables(side, tables);
    for (std::size_t i = join.condition_begin; i + 1 < join.condition_end; ++i) {
      if (!IsSymbol(i + 1, '.') ||
          (tokens_[i].kind != Kind::Word && tokens_[i].kind != Kind::Name))
        continue;
      for (std::size_t t : tables)
        if (com::EqualsNoCase(Key(t), NameAt(i))) return Key(t);
    }
    return Key(left ? tables.back() : tables.front());
  }

  // The join rows of an item, inner joins first.
  void AddJoins(const FromNode& node) {
    if (!node.left) return;
    AddJoins(*node.left);
    AddJoins(*node.right);
    design_.joins.push_back({SideKey(*node.left, node, true), SideKey(*node.right, node, false),
                             node.type, Text(node.condition_begin, node.condition_end)});
  }

  const std::string& sql_;
  std::vector<Token> tokens_;
  QueryDesign design_;
};

bool IsPassThrough(const std::string& connect) {
  return com::StartsWithNoCase(com::Trim(connect), "ODBC;");
}

}  // namespace

QueryDesign QuerySqlReader::Read(const std::string& sql, const std::string& connect) {
  if (IsPassThrough(connect)) {
    QueryDesign design;
    design.kind = QueryDesign::Kind::PassThrough;
    design.connect = connect;
    design.text = sql;
    return design;
  }
  return Parser(sql).Read();
}

}  // namespace sim::jet
