#pragma once
// A Jet connection string: the connection type before the first ";" (empty
// for another Access database, "ODBC", "Text", "Excel 8.0", ...), then
// "key=value" pairs such as DATABASE and PWD. Keys are found without regard
// to case.

#include <cstdint>
#include <string>

namespace sim::jet {

class ConnectString {
 public:
  explicit ConnectString(std::string text) : text_(std::move(text)) {}

  std::string Type() const;
  std::string Value(const std::string& key) const;
  bool IsOdbc() const;
  // A link to a table of another Jet database: ";DATABASE=<path>".
  bool IsAccessLink() const;
  // The MSysObjects type of a table with this connection string, and the
  // link bits of its Attributes.
  std::int32_t TableType() const;
  std::int32_t LinkAttributes() const;

 private:
  std::string text_;
};

}  // namespace sim::jet
