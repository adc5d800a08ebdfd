#include "objects/data/system_tables.h"

#include "shared/vxhandler.h"

namespace objects {

std::string SqlText(const std::string& value) {
  std::string literal = "'";
  for (char c : value) {
    literal += c;
    if (c == '\'') literal += '\'';
  }
  return literal + "'";
}

std::string TextValue(const com::Variant& value) { return value.IsNull() ? "" : com::CStr(value); }

std::int32_t LongValue(const com::Variant& value) { return value.IsNull() ? 0 : com::CLng(value); }

bool BooleanValue(const com::Variant& value) { return !value.IsNull() && com::CBool(value); }

void WriteColumn(dao::Database& database, const std::string& select, const std::string& column,
                 const com::Variant& value, const char* class_name) {
  std::shared_ptr<dao::Recordset> rows;
  vxhandler::GuardWithRollback(
      class_name, "SetValue",
      [&] {
        rows = database.OpenRecordset(select, dao::dbOpenDynaset);
        rows->Edit();
        rows->GetFields()->Item(column)->SetValue(value);
        rows->Update();
        rows->Close();
      },
      [&] {
        if (rows) rows->Close();
      });
}

}  // namespace objects
