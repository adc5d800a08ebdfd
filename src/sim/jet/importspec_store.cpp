#include "sim/jet/importspec_store.h"

#include "platform/dao.h"
#include "sim/jet/dao_value.h"
#include "sim/jet/table_store.h"

namespace sim::jet {
namespace {

constexpr const char* kSpecsTable = R"sql(
CREATE TABLE MSysIMEXSpecs (
  SpecID INTEGER PRIMARY KEY AUTOINCREMENT,
  SpecName TEXT(64) UNIQUE COLLATE JET,
  SpecType BYTE,
  FileType SHORT,
  StartRow LONG,
  DateOrder SHORT,
  DateDelim TEXT(2) COLLATE JET,
  TimeDelim TEXT(2) COLLATE JET,
  DecimalPoint TEXT(2) COLLATE JET,
  FieldSeparator TEXT(2) COLLATE JET,
  TextDelim TEXT(2) COLLATE JET,
  DateFourDigitYear BIT,
  DateLeadingZeros BIT);
)sql";

constexpr const char* kColumnsTable = R"sql(
CREATE TABLE MSysIMEXColumns (
  SpecID LONG,
  FieldName TEXT(64) COLLATE JET,
  DataType SHORT,
  Start SHORT,
  Width SHORT,
  IndexType BYTE,
  SkipColumn BIT,
  Attributes LONG);
)sql";

}  // namespace

void ImportSpecStore::Insert(const ImportSpecSpec& spec) {
  if (!catalog_.db().HasTable("MSysIMEXSpecs")) CreateTables();
  catalog_.db()
      .Prepare(
          "INSERT INTO MSysIMEXSpecs (SpecName, SpecType, FileType, StartRow, DateOrder, "
          "DateDelim, TimeDelim, DecimalPoint, FieldSeparator, TextDelim, "
          "DateFourDigitYear, DateLeadingZeros) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, "
          "?10, ?11, ?12)")
      .BindAll(spec.name, spec.spec_type, spec.file_type, spec.start_row, spec.date_order,
               spec.date_delim, spec.time_delim, spec.decimal_point, spec.field_separator,
               spec.text_delim, spec.date_four_digit_year, spec.date_leading_zeros)
      .Run();
  const std::int64_t spec_id = catalog_.db().LastInsertId();
  for (const auto& column : spec.columns) {
    auto insert = catalog_.db().Prepare(
        "INSERT INTO MSysIMEXColumns (SpecID, FieldName, DataType, Start, Width, IndexType, "
        "SkipColumn, Attributes) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
    insert.BindAll(spec_id, column.field_name, column.data_type, column.start, column.width,
                   column.index_type, column.skip);
    insert.BindPlain(8, column.attributes);
    insert.Run();
  }
}

void ImportSpecStore::CreateTables() {
  catalog_.db().Execute(kSpecsTable);
  catalog_.db().Execute(kColumnsTable);
  Catalogue("MSysIMEXSpecs");
  Catalogue("MSysIMEXColumns");
}

// The table definition of a system table, read from its SQLite columns.
void ImportSpecStore::Catalogue(const char* table) {
  TableSpec spec{table, {}, {}, dao::dbSystemObject, "", "", "", "", {}};
  auto columns = catalog_.db().Prepare(std::string("PRAGMA table_info(") + table + ")");
  while (columns.Step()) {
    const std::string declared = columns.Text(2);
    const std::int32_t attributes = columns.Bool(5) ? dao::dbAutoIncrField : 0;
    spec.fields.push_back(FieldSpec{.name = columns.Text(1),
                                    .type = DaoTypeOfDeclaration(declared),
                                    .size = SizeOfDeclaration(declared),
                                    .attributes = attributes});
  }
  TableStore(catalog_).Insert(spec, "admin", "table");
}

}  // namespace sim::jet
