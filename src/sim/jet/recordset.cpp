#include "sim/jet/recordset.h"

#include <cmath>

#include "com/text.h"
#include "sim/jet/dao_errors.h"
#include "sim/jet/dao_value.h"
#include "sim/jet/list_collection.h"
#include "sim/jet/query_text.h"
#include "sim/jet/recordset_field.h"
#include "sim/jet/sqlite_read_guard.h"

namespace sim::jet {
namespace {

// The catalogue's own tables are no tables of the database.
bool IsInternal(const std::string& table) {
  return com::StartsWithNoCase(table, "jet_") || com::StartsWithNoCase(table, "sqlite_");
}

// The statement for a SELECT, or for the name of a table.
std::string StatementFor(const std::string& source, std::int32_t type) {
  const std::string text = com::Trim(source);
  if (com::StartsWithNoCase(text, "SELECT")) {
    if (type == dao::dbOpenTable) RaiseDao(kDaoInvalidOperation);
    return text;
  }
  if (text.size() > 2 && text.front() == '[' && text.back() == ']')
    return "SELECT * FROM " + SqliteConnection::Quote(text.substr(1, text.size() - 2));
  if (text.empty() || text.find_first_of(" \t\r\n;(") != std::string::npos)
    RaiseDao(kDaoInvalidOperation);
  return "SELECT * FROM " + SqliteConnection::Quote(text);
}

std::string AfterPrefix(const std::string& message, const std::string& prefix) {
  std::string rest = message.substr(prefix.size());
  if (com::StartsWithNoCase(rest, "main.")) rest = rest.substr(5);
  return rest;
}

[[noreturn]] void RaiseRefused(const std::string& sql, const std::string& message) {
  const std::string no_table = "no such table: ";
  if (message.rfind(no_table, 0) == 0)
    RaiseDao(kDaoInputTableMissing, AfterPrefix(message, no_table));
  if (message.rfind("no such column: ", 0) == 0) RaiseDao(kDaoTooFewParameters, "1");
  if (message == SqliteConnection::kMoreThanOneStatement) RaiseDao(kDaoCharactersAfterEnd);
  if (message.find("not authorized") != std::string::npos) RaiseDao(kDaoInvalidOperation);
  RaiseDao(kDaoSyntaxError, sql);
}

com::Variant ReadValue(const SqliteStatement& row, int column, std::int16_t type) {
  if (row.IsNull(column)) return com::Variant::Null();
  switch (type) {
    case dao::dbBoolean: return com::Variant(row.Bool(column));
    case dao::dbByte: return com::Variant(static_cast<std::uint8_t>(row.Int(column)));
    case dao::dbInteger: return com::Variant(static_cast<std::int16_t>(row.Int(column)));
    case dao::dbLong: return com::Variant(static_cast<std::int32_t>(row.Int(column)));
    case dao::dbCurrency:
      return com::Variant(com::Currency{std::llround(row.Double(column) * 10000.0)});
    case dao::dbSingle: return com::Variant(static_cast<float>(row.Double(column)));
    case dao::dbDouble: return com::Variant(row.Double(column));
    case dao::dbDate: return com::Variant(com::Date{row.Double(column)});
    case dao::dbText:
    case dao::dbMemo: return com::Variant(row.Text(column));
    default: return row.Plain(column);
  }
}

// The one table all columns show, when it is a table of the database.
std::string SingleOriginTable(const SqliteStatement& statement) {
  std::string table;
  for (int i = 0; i < statement.ColumnCount(); ++i) {
    const std::string origin = statement.OriginTable(i);
    if (origin.empty() || IsInternal(origin)) return "";
    if (!table.empty() && !com::EqualsNoCase(table, origin)) return "";
    table = origin;
  }
  return table;
}

}  // namespace

Recordset::Recordset(std::shared_ptr<Catalog> catalog, const std::string& sql, std::int32_t type)
    : catalog_(std::move(catalog)) {
  const std::string text = StatementFor(sql, type);
  SqliteStatement plain = Prepare(text);
  const std::string table = SingleOriginTable(plain);
  std::optional<SqliteStatement> with_ids;
  const bool editable = type != dao::dbOpenSnapshot && QueryText(text).IsPlainSelect();
  if (!table.empty() && editable && !catalog_->read_only()) {
    std::string message;
    with_ids = catalog_->db().TryPrepare("SELECT _rowid_, " + text.substr(6), message);
  }
  SqliteStatement& reading = with_ids ? *with_ids : plain;
  ReadColumns(reading, with_ids.has_value());
  ReadRows(reading, with_ids.has_value());
  if (with_ids) table_ = table;
}

SqliteStatement Recordset::Prepare(const std::string& sql) {
  SqliteReadGuard guard(catalog_->db(),
                        [](const std::string& table) { return !IsInternal(table); });
  std::string message;
  auto statement = catalog_->db().TryPrepare(sql, message);
  if (!statement && !guard.refused().empty()) RaiseDao(kDaoInputTableMissing, guard.refused());
  if (!statement) RaiseRefused(sql, message);
  if (!statement->ReadOnly()) RaiseDao(kDaoInvalidOperation);
  return std::move(*statement);
}

void Recordset::ReadColumns(const SqliteStatement& statement, bool with_ids) {
  for (int i = with_ids ? 1 : 0; i < statement.ColumnCount(); ++i) {
    const std::string declared = statement.DeclaredType(i);
    columns_.push_back(Column{statement.ColumnName(i), DaoTypeOfDeclaration(declared),
                              SizeOfDeclaration(declared), statement.OriginColumn(i)});
  }
}

void Recordset::ReadRows(SqliteStatement& statement, bool with_ids) {
  const int first = with_ids ? 1 : 0;
  while (statement.Step()) {
    if (with_ids) row_ids_.push_back(statement.Int(0));
    std::vector<com::Variant> row;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
      row.push_back(ReadValue(statement, first + static_cast<int>(i), columns_[i].type));
      if (columns_[i].type == 0 && !row.back().IsNull()) columns_[i].type = DaoTypeOf(row.back());
    }
    rows_.push_back(std::move(row));
  }
  for (auto& column : columns_)
    if (column.type == 0) column.type = dao::dbText;
}

void Recordset::CheckOpen() const {
  if (closed_) RaiseDao(kDaoObjectInvalid);
}

void Recordset::CheckCurrent() const {
  CheckOpen();
  if (position_ >= rows_.size()) RaiseDao(kDaoNoCurrentRecord);
}

bool Recordset::IsEOF() {
  CheckOpen();
  return position_ >= rows_.size();
}

void Recordset::MoveNext() {
  CheckCurrent();
  editing_ = false;
  ++position_;
}

std::shared_ptr<dao::Fields> Recordset::GetFields() {
  CheckOpen();
  auto self = shared_from_this();
  return std::make_shared<ListCollection<dao::Fields, dao::Field>>([self] {
    std::vector<std::shared_ptr<dao::Field>> fields;
    for (std::size_t i = 0; i < self->columns_.size(); ++i)
      fields.push_back(std::make_shared<RecordsetField>(self, i));
    return fields;
  });
}

void Recordset::Edit() {
  CheckCurrent();
  if (table_.empty()) RaiseDao(kDaoReadOnly);
  editing_ = true;
  edited_ = rows_[position_];
  changed_.assign(columns_.size(), false);
}

com::Variant Recordset::Value(std::size_t column) {
  CheckCurrent();
  return editing_ ? edited_[column] : rows_[position_][column];
}

void Recordset::SetValue(std::size_t column, const com::Variant& value) {
  CheckCurrent();
  if (!editing_) RaiseDao(kDaoUpdateWithoutEdit);
  const Column& target = columns_[column];
  const com::Variant converted = ToDaoType(target.type, value);
  if (target.type == dao::dbText && converted.IsString() && target.size > 0 &&
      com::CharacterCount(converted.AsString()) > static_cast<std::size_t>(target.size))
    RaiseDao(kDaoFieldTooSmall);
  edited_[column] = converted;
  changed_[column] = true;
}

void Recordset::Update() {
  CheckOpen();
  if (!editing_) RaiseDao(kDaoUpdateWithoutEdit);
  std::string sets;
  std::vector<std::size_t> written;
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    if (!changed_[i]) continue;
    if (columns_[i].origin.empty()) RaiseDao(kDaoReadOnly);
    written.push_back(i);
    sets += (sets.empty() ? "" : ", ") + SqliteConnection::Quote(columns_[i].origin) + " = ?" +
            std::to_string(written.size());
  }
  if (!written.empty())
    catalog_->Write([&] {
      auto update =
          catalog_->db().Prepare("UPDATE " + SqliteConnection::Quote(table_) + " SET " + sets +
                                 " WHERE _rowid_ = ?" + std::to_string(written.size() + 1));
      for (std::size_t n = 0; n < written.size(); ++n)
        update.BindPlain(static_cast<int>(n + 1), edited_[written[n]]);
      update.Bind(static_cast<int>(written.size() + 1), row_ids_[position_]);
      update.Run();
    });
  rows_[position_] = edited_;
  editing_ = false;
}

void Recordset::Close() {
  CheckOpen();
  closed_ = true;
  editing_ = false;
  rows_.clear();
}

}  // namespace sim::jet
