#include "sim/jet/recordset_field.h"

namespace sim::jet {

std::vector<BuiltInSpec> RecordsetField::BuiltIns() {
  auto specs = CommonBuiltIns();
  auto recordset = recordset_;
  const std::size_t column = column_;
  specs.push_back({"Value", recordset->column(column).type,
                   [recordset, column] { return recordset->Value(column); },
                   [recordset, column](const com::Variant& v) { recordset->SetValue(column, v); }});
  return specs;
}

}  // namespace sim::jet
