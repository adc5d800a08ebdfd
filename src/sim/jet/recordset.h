#pragma once
// A recordset over a SELECT statement (or a table name) on the tables SQL can
// reach: MSysObjects and the system tables with rows, such as MSysIMEXSpecs.
// The rows are read when it opens. A recordset over the columns of one table
// can be edited: Edit, set field values, Update writes the row back in one
// transaction.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/dao.h"
#include "sim/jet/catalog.h"

namespace sim::jet {

class SqliteStatement;

class Recordset : public dao::Recordset, public std::enable_shared_from_this<Recordset> {
 public:
  struct Column {
    std::string name;
    std::int16_t type = 0;
    std::int32_t size = 0;
    std::string origin;  // the table's column it shows; empty for an expression
  };

  // 3078 for a table that does not exist, 3061 for a name that is no column,
  // 3219 for a statement that is not a SELECT or for a table-type recordset.
  Recordset(std::shared_ptr<Catalog> catalog, const std::string& sql, std::int32_t type);

  bool IsEOF() override;
  void MoveNext() override;
  std::shared_ptr<dao::Fields> GetFields() override;
  void Edit() override;
  void Update() override;
  void Close() override;

  const Column& column(std::size_t index) const { return columns_[index]; }
  std::shared_ptr<Catalog> catalog() const { return catalog_; }
  // The value in the current row, or as edited; 3021 without a current row.
  com::Variant Value(std::size_t column);
  // 3020 without Edit; 3421 for a value of the wrong type, 3163 for text
  // longer than the field.
  void SetValue(std::size_t column, const com::Variant& value);

 private:
  SqliteStatement Prepare(const std::string& sql);
  void ReadColumns(const SqliteStatement& statement, bool updatable);
  void ReadRows(SqliteStatement& statement, bool updatable);
  bool PrepareUpdatable(const std::string& sql);
  void CheckOpen() const;
  void CheckCurrent() const;

  std::shared_ptr<Catalog> catalog_;
  std::vector<Column> columns_;
  std::vector<std::vector<com::Variant>> rows_;
  std::vector<std::int64_t> row_ids_;
  std::string table_;  // the table whose rows are edited; empty when read-only
  std::size_t position_ = 0;
  bool editing_ = false;
  std::vector<com::Variant> edited_;
  std::vector<bool> changed_;
  bool closed_ = false;
};

}  // namespace sim::jet
