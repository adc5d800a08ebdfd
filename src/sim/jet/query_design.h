#pragma once
// A saved query as Access designs it: the kind of query, its parameters, the
// tables it reads and how they are joined, its output columns, criteria,
// grouping and ordering. Jet keeps a query in this form (the rows of
// MSysQueries), and so does the text Access's SaveAsText writes for a query;
// the SQL a user sees is built from it, and SQL can be read back into it
// (QuerySqlReader).

#include <cstdint>
#include <string>
#include <vector>

namespace sim::jet {

struct QueryDesign {
  // The numbers Jet stores for each kind of query.
  enum class Kind : std::int16_t {
    Select = 1,
    MakeTable = 2,
    Append = 3,
    Update = 4,
    Delete = 5,
    Crosstab = 6,
    DataDefinition = 7,
    PassThrough = 8,
    Union = 9,
  };

  // Option bits.
  static constexpr std::int32_t kAllColumns = 0x01;  // SELECT *
  static constexpr std::int32_t kDistinct = 0x02;    // DISTINCT; for a union: not UNION ALL
  static constexpr std::int32_t kOwnerAccess = 0x04;
  static constexpr std::int32_t kDistinctRow = 0x08;
  static constexpr std::int32_t kTop = 0x10;
  static constexpr std::int32_t kPercent = 0x20;

  // Where a crosstab query uses a column or a grouping.
  enum class Crosstab : std::int16_t { Value = 0, ColumnHeading = 1, RowHeading = 2 };

  // Join types.
  static constexpr std::int16_t kInnerJoin = 1;
  static constexpr std::int16_t kLeftJoin = 2;
  static constexpr std::int16_t kRightJoin = 3;

  struct Parameter {
    std::string name;
    std::int16_t type = 0;  // a DAO DataTypeEnum value; 0 for Jet's "Value"
  };
  struct Table {
    std::string name;
    std::string alias;
  };
  struct Column {
    std::string expression;
    std::string alias;
    std::string target;  // the column an append writes or an update sets
    Crosstab crosstab = Crosstab::Value;
  };
  struct Join {
    std::string left;   // a table's alias, or its name when it has none
    std::string right;
    std::int16_t type = kInnerJoin;
    std::string expression;
  };
  struct Group {
    std::string expression;
    Crosstab crosstab = Crosstab::Value;
  };
  struct Order {
    std::string expression;
    bool descending = false;
  };

  Kind kind = Kind::Select;
  std::int32_t options = 0;
  std::string top;              // the TOP count or percentage, as written
  std::string target;           // the table a make-table or append query writes
  std::string target_database;  // its database, when it is not this one
  std::string connect;          // a pass-through query's connection string
  std::string text;             // the statement of a pass-through or data-definition query
  std::vector<std::string> union_parts;  // the two SELECTs of a union, in order
  std::vector<Parameter> parameters;
  std::vector<Table> tables;
  std::vector<Column> columns;
  std::vector<Join> joins;
  std::string where;
  std::vector<Group> groups;
  std::string having;
  std::vector<Order> orders;

  // The SQL Access shows for the design: clauses on lines of their own
  // joined with CR LF, ending with ";".
  std::string Sql() const;
};

// A name as SQL must write it: in brackets unless it is a plain word.
std::string SqlName(const std::string& name);

// The DAO type of a parameter type word of Jet SQL ("Text", "Long",
// "IEEEDouble", ...), and back. Unknown words give -1.
std::int16_t ParameterType(const std::string& word);
std::string ParameterTypeWord(std::int16_t type);

}  // namespace sim::jet
