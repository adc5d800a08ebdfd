#include "sim/jet/query_text.h"

#include <algorithm>
#include <cctype>
#include <functional>

#include "com/text.h"
#include "platform/dao.h"
#include "sim/jet/connect_string.h"
#include "sim/jet/dao_errors.h"

namespace sim::jet {
namespace {

bool IsNameCharacter(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_' ||
         static_cast<unsigned char>(c) >= 0x80;
}

// Reads up to the closing quote; a doubled quote stands for one.
std::string ReadQuoted(const std::string& sql, std::size_t& i) {
  const char quote = sql[i++];
  std::string text;
  while (i < sql.size()) {
    if (sql[i] == quote && (i + 1 >= sql.size() || sql[i + 1] != quote)) break;
    if (sql[i] == quote) ++i;
    text += sql[i++];
  }
  ++i;
  return text;
}

std::string ReadUntil(const std::string& sql, std::size_t& i, char close) {
  const std::size_t end = std::min(sql.find(close, i + 1), sql.size());
  std::string text = sql.substr(i + 1, end - i - 1);
  i = end + 1;
  return text;
}

bool IsClauseWord(const std::string& word) {
  static const char* words[] = {"WHERE", "GROUP", "ORDER", "HAVING", "UNION", "PIVOT", "WITH"};
  return std::any_of(std::begin(words), std::end(words),
                     [&](const char* w) { return com::EqualsNoCase(word, w); });
}

bool IsJoinWord(const std::string& word) {
  static const char* words[] = {"INNER", "LEFT", "RIGHT", "OUTER", "JOIN", "ON", "AS", "IN"};
  return IsClauseWord(word) || std::any_of(std::begin(words), std::end(words), [&](const char* w) {
           return com::EqualsNoCase(word, w);
         });
}

}  // namespace

QueryText::QueryText(const std::string& sql) { Tokenize(sql); }

void QueryText::Tokenize(const std::string& sql) {
  int depth = 0;
  std::size_t i = 0;
  while (i < sql.size()) {
    const char c = sql[i];
    if (std::isspace(static_cast<unsigned char>(c))) {
      ++i;
    } else if (c == '[') {
      tokens_.push_back({Kind::Name, ReadUntil(sql, i, ']'), depth});
    } else if (c == '`') {
      tokens_.push_back({Kind::Name, ReadUntil(sql, i, '`'), depth});
    } else if (c == '#') {
      tokens_.push_back({Kind::Date, ReadUntil(sql, i, '#'), depth});
    } else if (c == '\'' || c == '"') {
      tokens_.push_back({Kind::String, ReadQuoted(sql, i), depth});
    } else if (std::isdigit(static_cast<unsigned char>(c))) {
      const std::size_t start = i;
      while (i < sql.size() && (std::isalnum(static_cast<unsigned char>(sql[i])) || sql[i] == '.'))
        ++i;
      tokens_.push_back({Kind::Number, sql.substr(start, i - start), depth});
    } else if (IsNameCharacter(c)) {
      const std::size_t start = i;
      while (i < sql.size() && IsNameCharacter(sql[i])) ++i;
      tokens_.push_back({Kind::Word, sql.substr(start, i - start), depth});
    } else {
      if (c == ')') --depth;
      tokens_.push_back({Kind::Symbol, std::string(1, c), depth});
      if (c == '(') ++depth;
      ++i;
    }
  }
}

bool QueryText::IsWord(std::size_t at, const char* word) const {
  return at < tokens_.size() && tokens_[at].kind == Kind::Word &&
         com::EqualsNoCase(tokens_[at].text, word);
}

std::size_t QueryText::FindWord(std::size_t from, const char* word, int depth) const {
  for (std::size_t i = from; i < tokens_.size(); ++i)
    if (tokens_[i].depth == depth && IsWord(i, word)) return i;
  return tokens_.size();
}

// The end of a clause of the statement at `depth`: the next clause word or
// ";" at that depth, or the parenthesis that closes the statement.
std::size_t QueryText::ClauseEnd(std::size_t from, int depth) const {
  for (std::size_t i = from; i < tokens_.size(); ++i) {
    const Token& t = tokens_[i];
    if (t.depth < depth) return i;
    if (t.depth == depth && (t.text == ";" || (t.kind == Kind::Word && IsClauseWord(t.text))))
      return i;
  }
  return tokens_.size();
}

std::size_t QueryText::StatementStart() const {
  std::size_t start = 0;
  if (IsWord(0, "PARAMETERS")) {
    while (start < tokens_.size() && tokens_[start].text != ";") ++start;
    ++start;
  }
  while (start < tokens_.size() && tokens_[start].text == "(") ++start;
  return start;
}

std::int16_t QueryText::Type(const std::string& connect, bool returns_records) const {
  if (ConnectString(connect).IsOdbc())
    return returns_records ? dao::dbQSQLPassThrough : dao::dbQSPTBulk;
  const std::size_t start = StatementStart();
  if (IsWord(start, "SELECT") || IsWord(start, "TABLE")) {
    const int depth = tokens_[start].depth;
    for (std::size_t i = start; i < tokens_.size(); ++i)
      if (tokens_[i].depth <= depth && IsWord(i, "UNION")) return dao::dbQSetOperation;
    if (FindWord(start, "INTO", depth) < FindWord(start, "FROM", depth)) return dao::dbQMakeTable;
    return dao::dbQSelect;
  }
  if (IsWord(start, "TRANSFORM")) return dao::dbQCrosstab;
  if (IsWord(start, "DELETE")) return dao::dbQDelete;
  if (IsWord(start, "UPDATE")) return dao::dbQUpdate;
  if (IsWord(start, "INSERT")) return dao::dbQAppend;
  if (IsWord(start, "CREATE") || IsWord(start, "ALTER") || IsWord(start, "DROP"))
    return dao::dbQDDL;
  RaiseDao(kDaoInvalidSqlStatement);
}

bool QueryText::IsPlainSelect() const {
  const std::size_t start = StatementStart();
  if (!IsWord(start, "SELECT")) return false;
  const int depth = tokens_[start].depth;
  for (const char* word : {"DISTINCT", "DISTINCTROW", "GROUP", "UNION"})
    if (FindWord(start, word, depth) < tokens_.size()) return false;
  return true;
}

QueryText::Projection QueryText::Columns() const {
  const std::size_t start = StatementStart();
  if (IsWord(start, "SELECT")) return SelectColumns(start);
  if (IsWord(start, "INSERT")) return InsertedColumns(start);
  if (IsWord(start, "UPDATE")) return AssignedColumns(start);
  return {};
}

std::vector<std::string> QueryText::ReadSources(
    std::size_t from, std::size_t end,
    std::vector<std::pair<std::string, std::string>>& aliases) const {
  std::vector<std::string> sources;
  bool expect_table = true;
  for (std::size_t i = from; i < end; ++i) {
    const Token& t = tokens_[i];
    const bool is_name = t.kind == Kind::Name || (t.kind == Kind::Word && !IsJoinWord(t.text));
    const bool qualified = i + 1 < end && tokens_[i + 1].text == ".";
    if (t.text == "," || t.text == "(" || IsWord(i, "JOIN")) {
      expect_table = true;
    } else if (expect_table && is_name && !qualified && !IsWord(i, "SELECT")) {
      std::string alias = t.text;
      if (IsWord(i + 1, "AS") && i + 2 < end) {
        alias = tokens_[i + 2].text;
        i += 2;
      } else if (i + 1 < end &&
                 (tokens_[i + 1].kind == Kind::Name ||
                  (tokens_[i + 1].kind == Kind::Word && !IsJoinWord(tokens_[i + 1].text)))) {
        alias = tokens_[++i].text;
      }
      sources.push_back(t.text);
      aliases.emplace_back(alias, t.text);
      expect_table = false;
    } else {
      expect_table = false;
    }
  }
  return sources;
}

QueryText::Column QueryText::ReadColumn(std::size_t from, std::size_t end, int& unnamed) const {
  Column column;
  if (end - from >= 3 && IsWord(end - 2, "AS")) {
    column.name = tokens_[end - 1].text;
    column.aliased = true;
    end -= 2;
  }
  const std::size_t count = end - from;
  auto is_name = [&](std::size_t at) {
    return tokens_[at].kind == Kind::Name || tokens_[at].kind == Kind::Word;
  };
  if (count == 1 && (tokens_[from].text == "*" || is_name(from))) {
    column.field = tokens_[from].text;
  } else if (count == 3 && is_name(from) && tokens_[from + 1].text == "." &&
             (is_name(from + 2) || tokens_[from + 2].text == "*")) {
    column.source = tokens_[from].text;
    column.qualifier = column.source;
    column.field = tokens_[from + 2].text;
  } else if (count == 1) {
    const Token& literal = tokens_[from];
    if (literal.kind == Kind::String) column.literal_type = dao::dbText;
    if (literal.kind == Kind::Date) column.literal_type = dao::dbDate;
    if (literal.kind == Kind::Number)
      column.literal_type =
          literal.text.find_first_of(".eE") == std::string::npos ? dao::dbLong : dao::dbDouble;
  }
  if (column.name.empty())
    column.name = column.field.empty() ? "Expr" + std::to_string(1000 + unnamed++) : column.field;
  return column;
}

namespace {

// Splits [from, end) at the commas of one depth.
std::vector<std::pair<std::size_t, std::size_t>> SplitItems(
    std::size_t from, std::size_t end, const std::function<bool(std::size_t)>& is_comma) {
  std::vector<std::pair<std::size_t, std::size_t>> items;
  std::size_t start = from;
  for (std::size_t i = from; i < end; ++i)
    if (is_comma(i)) {
      items.emplace_back(start, i);
      start = i + 1;
    }
  if (start < end) items.emplace_back(start, end);
  return items;
}

void ResolveAliases(QueryText::Projection& projection,
                    const std::vector<std::pair<std::string, std::string>>& aliases) {
  for (const auto& [alias, name] : aliases) projection.qualifiers.push_back(alias);
  for (auto& column : projection.columns)
    for (const auto& [alias, name] : aliases)
      if (!column.source.empty() && com::EqualsNoCase(column.source, alias)) column.source = name;
}

}  // namespace

QueryText::Projection QueryText::SelectColumns(std::size_t select) const {
  const int depth = tokens_[select].depth;
  std::size_t first = select + 1;
  while (IsWord(first, "DISTINCT") || IsWord(first, "DISTINCTROW") || IsWord(first, "ALL")) ++first;
  if (IsWord(first, "TOP")) first += IsWord(first + 2, "PERCENT") ? 3 : 2;
  const std::size_t from = FindWord(select, "FROM", depth);
  const std::size_t list_end =
      std::min({from, FindWord(select, "INTO", depth), ClauseEnd(first, depth)});
  Projection projection;
  std::vector<std::pair<std::string, std::string>> aliases;
  if (from < tokens_.size())
    projection.sources = ReadSources(from + 1, ClauseEnd(from + 1, depth), aliases);
  int unnamed = 0;
  const auto items = SplitItems(first, list_end, [&](std::size_t i) {
    return tokens_[i].depth == depth && tokens_[i].text == ",";
  });
  for (const auto& [start, end] : items)
    projection.columns.push_back(ReadColumn(start, end, unnamed));
  ResolveAliases(projection, aliases);
  return projection;
}

QueryText::Projection QueryText::AssignedColumns(std::size_t update) const {
  const int depth = tokens_[update].depth;
  const std::size_t set = FindWord(update, "SET", depth);
  Projection projection;
  std::vector<std::pair<std::string, std::string>> aliases;
  projection.sources = ReadSources(update + 1, set, aliases);
  const std::size_t end = ClauseEnd(set + 1, depth);
  int unnamed = 0;
  const auto items = SplitItems(set + 1, end, [&](std::size_t i) {
    return tokens_[i].depth == depth && tokens_[i].text == ",";
  });
  for (const auto& [start, item_end] : items) {
    std::size_t equals = start;
    while (equals < item_end && tokens_[equals].text != "=") ++equals;
    projection.columns.push_back(ReadColumn(start, equals, unnamed));
  }
  ResolveAliases(projection, aliases);
  return projection;
}

QueryText::Projection QueryText::InsertedColumns(std::size_t insert) const {
  const int depth = tokens_[insert].depth;
  const std::size_t select = FindWord(insert, "SELECT", depth);
  if (select < tokens_.size()) return SelectColumns(select);
  Projection projection;
  const std::size_t target = insert + 2;
  if (target >= tokens_.size()) return projection;
  projection.sources.push_back(tokens_[target].text);
  projection.qualifiers.push_back(tokens_[target].text);
  for (std::size_t i = target + 2; i < tokens_.size() && tokens_[i].depth > depth; ++i)
    if (tokens_[i].kind == Kind::Name || tokens_[i].kind == Kind::Word)
      projection.columns.push_back(
          {tokens_[i].text, tokens_[target].text, tokens_[i].text, 0, tokens_[target].text, false});
  return projection;
}

}  // namespace sim::jet
