#include "objects/data/importspec.h"

#include "com/text.h"
#include "objects/data/importspec_columns.h"
#include "objects/data/system_tables.h"
#include "shared/validation.h"
#include "shared/vxhandler.h"

namespace objects {
namespace {
constexpr std::int32_t kDelimited = 1;
}  // namespace

const com::TypeInfo& ImportSpec::Members() const {
  static const com::TypeInfo info =
      com::TypeBuilder<ImportSpec>(kClass)
          .Property("Name", &ImportSpec::Name, &ImportSpec::SetName)
          .Property("DateDelimiter", &ImportSpec::DateDelimiter, &ImportSpec::SetDateDelimiter)
          .Property("DateFourDigitYear", &ImportSpec::DateFourDigitYear,
                    &ImportSpec::SetDateFourDigitYear)
          .Property("DateLeadingZeros", &ImportSpec::DateLeadingZeros,
                    &ImportSpec::SetDateLeadingZeros)
          .Property("DateOrder", &ImportSpec::DateOrder, &ImportSpec::SetDateOrder)
          .Property("DecimalSymbol", &ImportSpec::DecimalSymbol, &ImportSpec::SetDecimalSymbol)
          .Property("FieldSeparator", &ImportSpec::FieldSeparator, &ImportSpec::SetFieldSeparator)
          .When(&ImportSpec::IsDelimited)
          .Property("FileFormat", &ImportSpec::FileFormat, &ImportSpec::SetFileFormat)
          .Property("FileType", &ImportSpec::FileType, &ImportSpec::SetFileType)
          .Property("StartRow", &ImportSpec::StartRow, &ImportSpec::SetStartRow)
          .Property("TextQualifier", &ImportSpec::TextQualifier, &ImportSpec::SetTextQualifier)
          .When(&ImportSpec::IsDelimited)
          .Property("TimeDelimiter", &ImportSpec::TimeDelimiter, &ImportSpec::SetTimeDelimiter)
          .Get("Columns", &ImportSpec::Columns)
          .Build();
  return info;
}

void ImportSpec::Initialize(std::shared_ptr<driver::Project> parent, com::ObjectRef application,
                            std::shared_ptr<dao::Database> database, const std::string& name) {
  vxhandler::Guard(kClass, "Initialize", [&] {
    project_ = std::move(parent);
    application_ = std::move(application);
    database_ = std::move(database);
    name_ = name;
    mode_ = 0;
  });
}

void ImportSpec::Open(std::int32_t) {
  if (!database_) com::RaiseVb(91);
  auto rows = database_->OpenRecordset(
      "SELECT * FROM MSysIMEXSpecs WHERE SpecName = " + SqlText(name_) + ";", dao::dbOpenDynaset);
  auto fields = rows->GetFields();
  auto value = [&](const char* column) { return fields->Item(column)->Value(); };
  date_delim_ = TextValue(value("DateDelim"));
  date_four_digit_year_ = BooleanValue(value("DateFourDigitYear"));
  date_leading_zeros_ = BooleanValue(value("DateLeadingZeros"));
  date_order_ = LongValue(value("DateOrder"));
  decimal_point_ = TextValue(value("DecimalPoint"));
  field_separator_ = TextValue(value("FieldSeparator"));
  file_type_ = LongValue(value("FileType"));
  spec_id_ = LongValue(value("SpecID"));
  spec_type_ = LongValue(value("SpecType"));
  start_row_ = LongValue(value("StartRow"));
  text_delim_ = TextValue(value("TextDelim"));
  time_delim_ = TextValue(value("TimeDelim"));
  rows->Close();
  columns_ = std::make_shared<ImportSpecColumns>();
  columns_->Initialize(database_, spec_id_);
}

void ImportSpec::Close() {
  if (columns_) columns_->TearDown();
  columns_.reset();
}

void ImportSpec::DropReferences() {
  Close();
  database_.reset();
  application_.reset();
  project_.reset();
}

void ImportSpec::SetValue(const std::string& column, const com::Variant& value) {
  if (!database_) com::RaiseVb(91);
  WriteColumn(*database_,
              "SELECT * FROM MSysIMEXSpecs WHERE SpecID = " + std::to_string(spec_id_) + ";",
              column, value, kClass);
}

void ImportSpec::SetCharacter(const char* property, const char* column, const std::string& value,
                              std::string& cached) {
  if (com::CharacterCount(value) != 1) validation::RaiseInvalidLength(property, 1, 1);
  SetValue(column, value);
  cached = value;
}

bool ImportSpec::IsDelimited() const { return spec_type_ == kDelimited; }

void ImportSpec::SetName(const std::string& name) {
  vxhandler::Guard(kClass, "Name", [&] {
    // A specification without a name could not be found again; it is
    // refused with the error a table or query given no name raises.
    if (name.empty()) dao::CheckName(name);
    SetValue("SpecName", name);
    name_ = name;
  });
}

void ImportSpec::SetDateDelimiter(const std::string& value) {
  SetCharacter("DateDelimiter", "DateDelim", value, date_delim_);
}

void ImportSpec::SetDateFourDigitYear(bool value) {
  SetValue("DateFourDigitYear", value);
  date_four_digit_year_ = value;
}

void ImportSpec::SetDateLeadingZeros(bool value) {
  SetValue("DateLeadingZeros", value);
  date_leading_zeros_ = value;
}

void ImportSpec::SetDateOrder(DateOrderConstants value) {
  SetValue("DateOrder", static_cast<std::int32_t>(value));
  date_order_ = value;
}

void ImportSpec::SetDecimalSymbol(const std::string& value) {
  SetCharacter("DecimalSymbol", "DecimalPoint", value, decimal_point_);
}

std::string ImportSpec::FieldSeparator() {
  validation::RequireProperty(IsDelimited());
  return field_separator_;
}

void ImportSpec::SetFieldSeparator(const std::string& value) {
  SetCharacter("FieldSeparator", "FieldSeparator", value, field_separator_);
}

void ImportSpec::SetFileFormat(FileFormatConstants value) {
  SetValue("SpecType", static_cast<std::int32_t>(value));
  spec_type_ = value;
}

void ImportSpec::SetFileType(FileTypeConstants value) {
  SetValue("FileType", static_cast<std::int32_t>(value));
  file_type_ = value;
}

void ImportSpec::SetStartRow(std::int32_t value) {
  SetValue("StartRow", value);
  start_row_ = value;
}

std::string ImportSpec::TextQualifier() {
  validation::RequireProperty(IsDelimited());
  return text_delim_;
}

void ImportSpec::SetTextQualifier(const std::string& value) {
  SetCharacter("TextQualifier", "TextDelim", value, text_delim_);
}

void ImportSpec::SetTimeDelimiter(const std::string& value) {
  SetCharacter("TimeDelimiter", "TimeDelim", value, time_delim_);
}

}  // namespace objects
