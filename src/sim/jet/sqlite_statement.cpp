#include "sim/jet/sqlite_statement.h"

#include <sqlite3.h>

#include <cmath>
#include <limits>

#include "sim/jet/sqlite_connection.h"

namespace sim::jet {

void SqliteStatement::Finalizer::operator()(sqlite3_stmt* statement) const {
  if (recycler) {
    recycler->Recycle(statement);
  } else {
    sqlite3_finalize(statement);
  }
}

SqliteStatement::SqliteStatement(const SqliteConnection& connection, sqlite3_stmt* statement,
                                 bool recycled)
    : connection_(&connection),
      statement_(statement, Finalizer{recycled ? &connection : nullptr}) {}

void SqliteStatement::Check(int result) const {
  if (result != SQLITE_OK) connection_->Fail(result);
}

SqliteStatement& SqliteStatement::Bind(int index, std::int64_t value) {
  Check(sqlite3_bind_int64(statement_.get(), index, value));
  return *this;
}

SqliteStatement& SqliteStatement::Bind(int index, const std::string& value) {
  Check(sqlite3_bind_text(statement_.get(), index, value.data(), static_cast<int>(value.size()),
                          SQLITE_TRANSIENT));
  return *this;
}

SqliteStatement& SqliteStatement::BindBlob(int index, const std::string& bytes) {
  Check(sqlite3_bind_blob(statement_.get(), index, bytes.data(), static_cast<int>(bytes.size()),
                          SQLITE_TRANSIENT));
  return *this;
}

SqliteStatement& SqliteStatement::Bind(int index, double value) {
  Check(sqlite3_bind_double(statement_.get(), index, value));
  return *this;
}

SqliteStatement& SqliteStatement::BindNull(int index) {
  Check(sqlite3_bind_null(statement_.get(), index));
  return *this;
}

SqliteStatement& SqliteStatement::BindPlain(int index, const com::Variant& value) {
  using com::VarType;
  switch (value.Type()) {
    case VarType::Empty:
    case VarType::Null: return BindNull(index);
    case VarType::Boolean: return Bind(index, static_cast<std::int64_t>(*value.Get<bool>()));
    case VarType::Byte:
    case VarType::Integer:
    case VarType::Long: return Bind(index, static_cast<std::int64_t>(com::CLng(value)));
    case VarType::Currency: return Bind(index, value.Get<com::Currency>()->scaled / 10000.0);
    case VarType::String: return Bind(index, value.AsString());
    default: return Bind(index, com::CDbl(value));
  }
}

SqliteStatement& SqliteStatement::BindTyped(int value_index, int type_index,
                                            const com::Variant& value) {
  Bind(type_index, static_cast<std::int64_t>(value.Type()));
  if (const auto* currency = value.Get<com::Currency>()) return Bind(value_index, currency->scaled);
  return BindPlain(value_index, value);
}

bool SqliteStatement::Step() {
  connection_->TakeTurn();
  const int result = sqlite3_step(statement_.get());
  if (!ReadOnly()) connection_->NoteWrite();
  if (result == SQLITE_ROW) return true;
  if (result == SQLITE_DONE) return false;
  connection_->Fail(sqlite3_extended_errcode(sqlite3_db_handle(statement_.get())));
}

void SqliteStatement::Run() {
  while (Step()) {
  }
}

bool SqliteStatement::ReadOnly() const { return sqlite3_stmt_readonly(statement_.get()) != 0; }

int SqliteStatement::ColumnCount() const { return sqlite3_column_count(statement_.get()); }

namespace {
std::string OrEmpty(const char* text) { return text ? text : ""; }
}  // namespace

std::string SqliteStatement::ColumnName(int column) const {
  return OrEmpty(sqlite3_column_name(statement_.get(), column));
}

std::string SqliteStatement::DeclaredType(int column) const {
  return OrEmpty(sqlite3_column_decltype(statement_.get(), column));
}

std::string SqliteStatement::OriginTable(int column) const {
  return OrEmpty(sqlite3_column_table_name(statement_.get(), column));
}

std::string SqliteStatement::OriginColumn(int column) const {
  return OrEmpty(sqlite3_column_origin_name(statement_.get(), column));
}

bool SqliteStatement::IsNull(int column) const {
  return sqlite3_column_type(statement_.get(), column) == SQLITE_NULL;
}

std::int64_t SqliteStatement::Int(int column) const {
  return sqlite3_column_int64(statement_.get(), column);
}

double SqliteStatement::Double(int column) const {
  return sqlite3_column_double(statement_.get(), column);
}

std::string SqliteStatement::Blob(int column) const {
  const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement_.get(), column));
  if (!bytes) return "";
  return std::string(bytes, static_cast<std::size_t>(sqlite3_column_bytes(statement_.get(), column)));
}

std::string SqliteStatement::Text(int column) const {
  const auto* text = sqlite3_column_text(statement_.get(), column);
  if (!text) return "";
  return std::string(reinterpret_cast<const char*>(text),
                     static_cast<std::size_t>(sqlite3_column_bytes(statement_.get(), column)));
}

com::Variant SqliteStatement::Plain(int column) const {
  switch (sqlite3_column_type(statement_.get(), column)) {
    case SQLITE_NULL: return com::Variant::Null();
    case SQLITE_INTEGER: {
      const std::int64_t value = Int(column);
      if (value < std::numeric_limits<std::int32_t>::min() ||
          value > std::numeric_limits<std::int32_t>::max())
        return com::Variant(static_cast<double>(value));
      return com::Variant(static_cast<std::int32_t>(value));
    }
    case SQLITE_FLOAT: return com::Variant(Double(column));
    default: return com::Variant(Text(column));
  }
}

com::Variant SqliteStatement::Typed(int value_column, int type_column) const {
  using com::VarType;
  switch (static_cast<VarType>(Int(type_column))) {
    case VarType::Empty: return com::Variant();
    case VarType::Null: return com::Variant::Null();
    case VarType::Boolean: return com::Variant(Bool(value_column));
    case VarType::Byte: return com::Variant(static_cast<std::uint8_t>(Int(value_column)));
    case VarType::Integer: return com::Variant(static_cast<std::int16_t>(Int(value_column)));
    case VarType::Long: return com::Variant(static_cast<std::int32_t>(Int(value_column)));
    case VarType::Single: return com::Variant(static_cast<float>(Double(value_column)));
    case VarType::Double: return com::Variant(Double(value_column));
    case VarType::Currency: return com::Variant(com::Currency{Int(value_column)});
    case VarType::Date: return com::Variant(com::Date{Double(value_column)});
    default: return com::Variant(Text(value_column));
  }
}

}  // namespace sim::jet
