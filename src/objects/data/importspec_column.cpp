#include "objects/data/importspec_column.h"

#include "objects/data/system_tables.h"
#include "shared/validation.h"
#include "shared/vxhandler.h"

namespace objects {
namespace {
constexpr std::int32_t kHasPositions = 1;
}  // namespace

const com::TypeInfo& ImportSpecColumn::Members() const {
  static const com::TypeInfo info =
      com::TypeBuilder<ImportSpecColumn>(kClass)
          .Property("Name", &ImportSpecColumn::Name, &ImportSpecColumn::SetName)
          .Property("DataType", &ImportSpecColumn::DataType, &ImportSpecColumn::SetDataType)
          .Property("Start", &ImportSpecColumn::Start, &ImportSpecColumn::SetStart)
          .When(&ImportSpecColumn::HasPositions)
          .Property("Width", &ImportSpecColumn::Width, &ImportSpecColumn::SetWidth)
          .When(&ImportSpecColumn::HasPositions)
          .Property("IndexType", &ImportSpecColumn::IndexType, &ImportSpecColumn::SetIndexType)
          .Property("Skip", &ImportSpecColumn::Skip, &ImportSpecColumn::SetSkip)
          .Build();
  return info;
}

void ImportSpecColumn::Initialize(std::shared_ptr<dao::Database> database, dao::Recordset& row) {
  vxhandler::Guard(kClass, "Initialize", [&] {
    database_ = std::move(database);
    auto fields = row.GetFields();
    auto value = [&](const char* column) { return fields->Item(column)->Value(); };
    attributes_ = LongValue(value("Attributes"));
    data_type_ = LongValue(value("DataType"));
    field_name_ = TextValue(value("FieldName"));
    index_type_ = LongValue(value("IndexType"));
    skip_column_ = BooleanValue(value("SkipColumn"));
    spec_id_ = LongValue(value("SpecID"));
    start_ = com::CInt(LongValue(value("Start")));
    width_ = com::CInt(LongValue(value("Width")));
  });
}

void ImportSpecColumn::TearDown() {
  vxhandler::Guard(kClass, "TearDown", [&] { database_.reset(); });
}

void ImportSpecColumn::SetValue(const std::string& column, const com::Variant& value) {
  if (!database_) com::RaiseVb(91);
  WriteColumn(*database_,
              "SELECT * FROM MSysIMEXColumns WHERE SpecID=" + std::to_string(spec_id_) +
                  " AND FieldName=" + SqlText(field_name_) + ";",
              column, value, kClass);
}

bool ImportSpecColumn::HasPositions() const { return (attributes_ & kHasPositions) != 0; }

// The row is found by the name it has before the change. The column names a
// field, so its name obeys the rule of field names.
void ImportSpecColumn::SetName(const std::string& name) {
  dao::CheckName(name);
  SetValue("FieldName", name);
  field_name_ = name;
}

void ImportSpecColumn::SetDataType(DataTypeConstants value) {
  SetValue("DataType", static_cast<std::int32_t>(value));
  data_type_ = value;
}

std::int32_t ImportSpecColumn::Start() {
  validation::RequireProperty(HasPositions());
  return start_;
}

// The column holds a 16-bit value: one that does not fit is refused before
// anything is written.
void ImportSpecColumn::SetStart(std::int32_t value) {
  const std::int16_t start = com::CInt(value);
  SetValue("Start", value);
  start_ = start;
}

std::int32_t ImportSpecColumn::Width() {
  validation::RequireProperty(HasPositions());
  return width_;
}

void ImportSpecColumn::SetWidth(std::int32_t value) {
  const std::int16_t width = com::CInt(value);
  SetValue("Width", value);
  width_ = width;
}

void ImportSpecColumn::SetIndexType(IndexTypeConstants value) {
  SetValue("IndexType", static_cast<std::int32_t>(value));
  index_type_ = value;
}

void ImportSpecColumn::SetSkip(bool value) {
  SetValue("SkipCOlumn", value);
  skip_column_ = value;
}

}  // namespace objects
