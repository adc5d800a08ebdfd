#pragma once
// One column of an import or export specification: a row of
// MSysIMEXColumns, written column by column as its properties change. A
// renamed column keeps its old key in its collection.

#include <cstdint>
#include <memory>
#include <string>

#include "com/dispatch.h"
#include "platform/dao.h"

namespace objects {

enum IndexTypeConstants : std::int32_t {
  acIndexTypeNone = 0,
  acIndexTypeDuplicatesOK = 1,
  acIndexTypeNoDuplicates = 2,
};

// The data types of DAO, as a column's DataType gives them.
using DataTypeConstants = dao::DataType;

class ImportSpecColumn : public com::Dispatch {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "ImportSpecColumn";

 public:
  const com::TypeInfo& Members() const override;

  // Reads the recordset's current row.
  void Initialize(std::shared_ptr<dao::Database> database, dao::Recordset& row);
  void TearDown();

  std::string Name() const { return field_name_; }
  void SetName(const std::string& name);
  DataTypeConstants DataType() const { return static_cast<DataTypeConstants>(data_type_); }
  void SetDataType(DataTypeConstants value);
  std::int32_t Start();
  void SetStart(std::int32_t value);
  std::int32_t Width();
  void SetWidth(std::int32_t value);
  IndexTypeConstants IndexType() const { return static_cast<IndexTypeConstants>(index_type_); }
  void SetIndexType(IndexTypeConstants value);
  bool Skip() const { return skip_column_; }
  void SetSkip(bool value);

 private:
  void SetValue(const std::string& column, const com::Variant& value);
  // Only a column of a fixed-width specification has a start and a width.
  bool HasPositions() const;

  std::shared_ptr<dao::Database> database_;
  std::int32_t attributes_ = 0;
  std::int32_t data_type_ = 0;
  std::string field_name_;
  std::int32_t index_type_ = 0;
  bool skip_column_ = false;
  std::int32_t spec_id_ = 0;
  std::int16_t start_ = 0;
  std::int16_t width_ = 0;
};

}  // namespace objects
