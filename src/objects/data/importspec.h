#pragma once
// One saved import or export specification: a row of MSysIMEXSpecs, read
// when the specification is opened and written column by column as its
// properties change.

#include <cstdint>
#include <memory>
#include <string>

#include "objects/data/object_base.h"
#include "platform/dao.h"

namespace objects {

class ImportSpecColumns;

enum DateOrderConstants : std::int32_t {
  acDateOrderDMY = 0,
  acDateOrderDYM = 1,
  acDateOrderMDY = 2,
  acDateorderMYD = 3,
  acDateOrderYDM = 4,
  acDateOrderYMD = 5,
};
enum FileFormatConstants : std::int32_t { acFileFormatDelimited = 1, acFileFormatFixedWidth = 2 };
enum FileTypeConstants : std::int32_t { acFileTypeANSI = 0, acFileTypePC8 = 1 };

class ImportSpec : public ObjectBase {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "ImportSpec";

 public:
  ImportSpec() : ObjectBase("ImportSpecs") {}
  const com::TypeInfo& Members() const override;

  void Initialize(std::shared_ptr<driver::Project> parent, com::ObjectRef application,
                  std::shared_ptr<dao::Database> database, const std::string& name);

  std::string Name() const { return name_; }
  void SetName(const std::string& name);
  std::string DateDelimiter() const { return date_delim_; }
  void SetDateDelimiter(const std::string& value);
  bool DateFourDigitYear() const { return date_four_digit_year_; }
  void SetDateFourDigitYear(bool value);
  bool DateLeadingZeros() const { return date_leading_zeros_; }
  void SetDateLeadingZeros(bool value);
  DateOrderConstants DateOrder() const { return static_cast<DateOrderConstants>(date_order_); }
  void SetDateOrder(DateOrderConstants value);
  std::string DecimalSymbol() const { return decimal_point_; }
  void SetDecimalSymbol(const std::string& value);
  std::string FieldSeparator();
  void SetFieldSeparator(const std::string& value);
  FileFormatConstants FileFormat() const { return static_cast<FileFormatConstants>(spec_type_); }
  void SetFileFormat(FileFormatConstants value);
  FileTypeConstants FileType() const { return static_cast<FileTypeConstants>(file_type_); }
  void SetFileType(FileTypeConstants value);
  std::int32_t StartRow() const { return start_row_; }
  void SetStartRow(std::int32_t value);
  std::string TextQualifier();
  void SetTextQualifier(const std::string& value);
  std::string TimeDelimiter() const { return time_delim_; }
  void SetTimeDelimiter(const std::string& value);
  std::shared_ptr<ImportSpecColumns> Columns() const { return columns_; }

 protected:
  void Open(std::int32_t mode) override;
  void Close() override;
  void DropReferences() override;

 private:
  void SetValue(const std::string& column, const com::Variant& value);
  // Validates a one-character property, writes it, and keeps it.
  void SetCharacter(const char* property, const char* column, const std::string& value,
                    std::string& cached);
  // Only a delimited specification has a field separator and a text qualifier.
  bool IsDelimited() const;

  std::shared_ptr<driver::Project> project_;
  com::ObjectRef application_;
  std::shared_ptr<dao::Database> database_;
  std::shared_ptr<ImportSpecColumns> columns_;
  std::string date_delim_;
  bool date_four_digit_year_ = false;
  bool date_leading_zeros_ = false;
  std::int32_t date_order_ = 0;
  std::string decimal_point_;
  std::string field_separator_;
  std::int32_t file_type_ = 0;
  std::int32_t spec_id_ = 0;
  std::int32_t spec_type_ = 0;
  std::int32_t start_row_ = 0;
  std::string text_delim_;
  std::string time_delim_;
};

}  // namespace objects
