#pragma once
// A field of a recordset: a column of its statement, with the value in the
// current row.

#include "sim/jet/field_base.h"
#include "sim/jet/recordset.h"

namespace sim::jet {

class RecordsetField : public FieldBase {
 public:
  RecordsetField(std::shared_ptr<Recordset> recordset, std::size_t column)
      : FieldBase(recordset->catalog()), recordset_(std::move(recordset)), column_(column) {}

  std::string Name() override { return recordset_->column(column_).name; }
  std::int16_t Type() override { return recordset_->column(column_).type; }
  std::int32_t Size() override { return recordset_->column(column_).size; }
  com::Variant Value() override { return recordset_->Value(column_); }
  void SetValue(const com::Variant& value) override { recordset_->SetValue(column_, value); }

  std::vector<BuiltInSpec> BuiltIns() override;

 private:
  std::shared_ptr<Recordset> recordset_;
  std::size_t column_;
};

}  // namespace sim::jet
