#pragma once
// The SaveAsText text of a saved query. Access writes a query it can show in
// its design grid as the design (`Operation =1`, `Option =0`, `Where ="..."`,
// then the blocks `InputTables`, `OutputColumns`, `Parameters`, `Joins`,
// `OrderBy` and `Groups`), and any other query (union, pass-through, data
// definition) as its SQL in a `dbMemo "SQL"` property line. Property lines
// follow at the left margin, each naming its DAO type
// (`dbBoolean "ReturnsRecords" ="-1"`), then the blocks of the columns'
// properties and of the design window's layout, which are kept as read.
//
// The SQL of a design is the one the query design builds. Giving the text a
// new SQL or a property a new value writes anew only the design items or the
// lines that change; every other line keeps its bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "com/variant.h"
#include "sim/access/document_text.h"

namespace sim::access {

// A property line at the left margin.
struct QueryTextProperty {
  std::string name;
  std::int16_t type = 0;  // a DAO DataTypeEnum value
  // The value as the line writes it: the text between the quotes, or the
  // bytes of binary data.
  std::string text;
  std::size_t line = 0;  // counted from 1
};

class QueryDesignText {
 public:
  // `text` as DecodeText gives it. Raises TextFormatError naming the line for
  // text that is no query's: unknown design items, items out of place, a
  // kind of query the design grid cannot show, property types DAO does not
  // have, SQL that is no statement Jet knows.
  static QueryDesignText Parse(std::string_view text);
  // The text Access writes for a query that has none yet: its design when
  // the SQL reads as one, its SQL otherwise; no property lines.
  static QueryDesignText Of(const std::string& sql, const std::string& connect);

  // The text gives a design, not an SQL line.
  bool IsDesign() const;
  std::string Sql() const;
  // The line the SQL comes from: the first of the design, or the SQL line.
  std::size_t SqlLine() const;
  // Every property line but the SQL's, in the order of the text.
  std::vector<QueryTextProperty> Properties() const;

  // Nothing changes when the text gives this SQL already. Otherwise the
  // design items that differ are written anew, or the SQL line; a design
  // whose new SQL the design grid cannot show becomes the SQL line.
  void SetSql(const std::string& sql, const std::string& connect);
  // Writes the line anew when the value differs from the line's (compared
  // as values of the type: "-1" and "True" are the same Yes); adds the line
  // after the last property line when the text has none of that name.
  void SetProperty(const std::string& name, std::int16_t type, const com::Variant& value);
  void RemoveProperty(const std::string& name);

  std::string Render() const { return text_.Render(); }

 private:
  explicit QueryDesignText(DocumentText text) : text_(std::move(text)) {}

  DocumentText text_;
};

// A property value as a query's text writes it between the quotes; raises
// DAO's conversion error for a value the type cannot hold.
std::string QueryPropertyText(std::int16_t type, const com::Variant& value);
// dbBinary and dbLongBinary: properties whose lines hold hex data.
bool IsBinaryProperty(std::int16_t type);
// The value a property line's text stands for.
com::Variant QueryPropertyValue(std::int16_t type, const std::string& text);

}  // namespace sim::access
