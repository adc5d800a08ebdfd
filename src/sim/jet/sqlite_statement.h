#pragma once
// A prepared SQLite statement: parameters bound by position from 1, columns
// read by position from 0. Values of VB's types are kept in two columns, the
// value and its VarType, so that a 16-bit Integer comes back as one.

#include <cstdint>
#include <memory>
#include <string>

#include "com/variant.h"

struct sqlite3_stmt;

namespace sim::jet {

class SqliteConnection;

class SqliteStatement {
 public:
  // A recycled statement goes back to its connection when done with,
  // instead of being finalised.
  SqliteStatement(const SqliteConnection& connection, sqlite3_stmt* statement,
                  bool recycled = false);

  SqliteStatement& Bind(int index, std::int64_t value);
  SqliteStatement& Bind(int index, const std::string& value);
  SqliteStatement& Bind(int index, double value);
  SqliteStatement& BindNull(int index);
  // Bytes kept as they are, never read as text.
  SqliteStatement& BindBlob(int index, const std::string& bytes);
  // Binds each argument in turn, from position 1.
  template <class... Args>
  SqliteStatement& BindAll(const Args&... args) {
    int index = 0;
    (BindOne(++index, args), ...);
    return *this;
  }
  // The value at `value_index` and its VarType at `type_index`.
  SqliteStatement& BindTyped(int value_index, int type_index, const com::Variant& value);
  // A value as SQLite holds it: numbers, text, or NULL for Null and Empty.
  SqliteStatement& BindPlain(int index, const com::Variant& value);

  // Moves to the next row; false when there is none.
  bool Step();
  // Runs a statement that returns no rows.
  void Run();

  // True for a statement that cannot change the file.
  bool ReadOnly() const;
  int ColumnCount() const;
  std::string ColumnName(int column) const;
  std::string DeclaredType(int column) const;
  std::string OriginTable(int column) const;
  std::string OriginColumn(int column) const;
  bool IsNull(int column) const;
  std::int64_t Int(int column) const;
  double Double(int column) const;
  std::string Text(int column) const;
  bool Bool(int column) const { return Int(column) != 0; }
  std::string Blob(int column) const;
  // Integers as Long (Double when too large), reals as Double, text as String.
  com::Variant Plain(int column) const;
  com::Variant Typed(int value_column, int type_column) const;

 private:
  struct Finalizer {
    const SqliteConnection* recycler = nullptr;
    void operator()(sqlite3_stmt* statement) const;
  };
  void BindOne(int index, std::int64_t value) { Bind(index, value); }
  void BindOne(int index, std::int32_t value) { Bind(index, static_cast<std::int64_t>(value)); }
  void BindOne(int index, std::int16_t value) { Bind(index, static_cast<std::int64_t>(value)); }
  void BindOne(int index, bool value) { Bind(index, static_cast<std::int64_t>(value ? 1 : 0)); }
  void BindOne(int index, double value) { Bind(index, value); }
  void BindOne(int index, const std::string& value) { Bind(index, value); }
  void BindOne(int index, const char* value) { Bind(index, std::string(value)); }
  void Check(int result) const;

  const SqliteConnection* connection_;
  std::unique_ptr<sqlite3_stmt, Finalizer> statement_;
};

}  // namespace sim::jet
