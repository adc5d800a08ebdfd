#pragma once
// The SQL text of a saved query, read as Jet reads it to know what kind of
// query it is and which columns it gives: names in brackets or back quotes,
// strings in single or double quotes, dates between # signs, an optional
// PARAMETERS declaration first.

#include <cstdint>
#include <string>
#include <vector>

namespace sim::jet {

class QueryText {
 public:
  // One output column of the select list.
  struct Column {
    std::string name;               // its name in the result (alias, field name or ExprNNNN)
    std::string source;             // the table or query it names, aliases resolved; may be empty
    std::string field;              // the source field; "*" for all; empty for an expression
    std::int16_t literal_type = 0;  // DAO type of a literal expression
    std::string qualifier;          // the source as the column names it (its alias); may be empty
    bool aliased = false;           // named with AS
  };
  struct Projection {
    std::vector<Column> columns;
    std::vector<std::string> sources;  // the tables and queries read, in order
    std::vector<std::string> qualifiers;  // each source as the query names it (its alias)
  };

  explicit QueryText(const std::string& sql);

  // The QueryDef type: pass-through for an ODBC connection string (bulk when
  // it returns no records), otherwise from the statement. Raises 3129 for a
  // text that is none of Jet's statements.
  std::int16_t Type(const std::string& connect, bool returns_records) const;
  // A SELECT whose rows are rows of its tables: no DISTINCT, GROUP BY or
  // UNION (each row of the result can be written back to its table).
  bool IsPlainSelect() const;
  // The columns of a select, make-table, union (its first select) or append
  // query, and the columns an update query sets.
  Projection Columns() const;

 private:
  enum class Kind { Word, Name, String, Number, Date, Symbol };
  struct Token {
    Kind kind;
    std::string text;
    int depth;
  };

  void Tokenize(const std::string& sql);
  std::size_t StatementStart() const;
  bool IsWord(std::size_t at, const char* word) const;
  std::size_t FindWord(std::size_t from, const char* word, int depth) const;
  std::size_t ClauseEnd(std::size_t from, int depth) const;
  std::vector<std::string> ReadSources(
      std::size_t from, std::size_t end,
      std::vector<std::pair<std::string, std::string>>& aliases) const;
  Projection SelectColumns(std::size_t select) const;
  Projection AssignedColumns(std::size_t update) const;
  Projection InsertedColumns(std::size_t insert) const;
  Column ReadColumn(std::size_t from, std::size_t end, int& unnamed) const;

  std::vector<Token> tokens_;
};

}  // namespace sim::jet
