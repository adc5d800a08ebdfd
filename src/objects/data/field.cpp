#include "objects/data/field.h"

#include <algorithm>
#include <optional>

#include "objects/data/fields.h"
#include "shared/utility.h"
#include "shared/validation.h"
#include "shared/version.h"
#include "shared/vxhandler.h"

namespace objects {
namespace {

std::optional<FieldTypeConstants> FieldTypeOf(std::int16_t dao_type, std::int32_t attributes) {
  switch (dao_type) {
    case dao::dbText: return acText;
    case dao::dbMemo: return (attributes & dao::dbHyperlinkField) ? acHyperlink : acMemo;
    case dao::dbByte: return acByte;
    case dao::dbInteger: return acInteger;
    case dao::dbLong: return (attributes & dao::dbAutoIncrField) ? acAutoNumber : acLongInteger;
    case dao::dbSingle: return acSingle;
    case dao::dbDouble: return acDouble;
    case dao::dbGUID: return acReplicationID;
    case dao::dbDecimal: return acDecimal;
    case dao::dbDate: return acDateTime;
    case dao::dbCurrency: return acCurrency;
    case dao::dbLongBinary: return acOLEObject;
    case dao::dbBoolean: return acYesNo;
    default: return std::nullopt;
  }
}

}  // namespace

const com::TypeInfo& Field::Members() const {
  static const com::TypeInfo info =
      com::TypeBuilder<Field>(kClass)
          .Property("AllowZeroLength", &Field::AllowZeroLength, &Field::SetAllowZeroLength)
          .When(&Field::IsTextLike)
          .Property("BoundColumn", &Field::BoundColumn, &Field::SetBoundColumn)
          .When(&Field::IsLookup)
          .Property("Caption", &Field::Caption, &Field::SetCaption)
          .Property("ColumnCount", &Field::ColumnCount, &Field::SetColumnCount)
          .When(&Field::IsLookup)
          .Property("ColumnHeads", &Field::ColumnHeads, &Field::SetColumnHeads)
          .When(&Field::IsLookup)
          .Property("ColumnWidths", &Field::ColumnWidths, &Field::SetColumnWidths)
          .When(&Field::IsLookup)
          .Property("DecimalPlaces", &Field::DecimalPlaces, &Field::SetDecimalPlaces)
          .When(&Field::HasDecimalPlaces)
          .Property("DefaultValue", &Field::DefaultValue, &Field::SetDefaultValue)
          .When(&Field::IsEditable)
          .Property("Description", &Field::Description, &Field::SetDescription)
          .Get("DisplayControl", &Field::DisplayControl)
          .When(&Field::HasDisplayControl)
          .Get("FieldType", &Field::FieldType)
          .Property("Format", &Field::Format, &Field::SetFormat)
          .When(&Field::IsFormattable)
          .Property("InputMask", &Field::InputMask, &Field::SetInputMask)
          .When(&Field::IsMaskable)
          .Property("LimitToList", &Field::LimitToList, &Field::SetLimitToList)
          .When(&Field::IsComboBox)
          .Property("ListRows", &Field::ListRows, &Field::SetListRows)
          .When(&Field::IsComboBox)
          .Property("ListWidth", &Field::ListWidth, &Field::SetListWidth)
          .When(&Field::IsComboBox)
          .Property("Name", &Field::Name, &Field::SetName)
          .Property("Precision", &Field::Precision, &Field::SetPrecision)
          .When(&Field::IsDecimal)
          .Property("Required", &Field::Required, &Field::SetRequired)
          .When(&Field::CanBeRequired)
          .Property("RowSource", &Field::RowSource, &Field::SetRowSource)
          .When(&Field::IsLookup)
          .Property("RowSourceType", &Field::RowSourceType, &Field::SetRowSourceType)
          .When(&Field::IsLookup)
          .Get("Size", &Field::Size)
          .When(&Field::IsText)
          .Property("ValidationRule", &Field::ValidationRule, &Field::SetValidationRule)
          .When(&Field::IsEditable)
          .Property("ValidationText", &Field::ValidationText, &Field::SetValidationText)
          .When(&Field::IsEditable)
          .Build();
  return info;
}

bool Field::Initialize(std::shared_ptr<Fields> parent, std::shared_ptr<dao::Field> dao_field) {
  return vxhandler::Guard(kClass, "Initialize", [&] {
    parent_ = parent;
    field_ = std::move(dao_field);
    properties_ = field_->GetProperties();
    name_ = field_->Name();
    const std::int16_t dao_type = field_->Type();
    auto type = FieldTypeOf(dao_type, field_->Attributes());
    if (!type) {
      vxhandler::LogRuntimeError(validation::kMessage,
                                 "Field '" + name_ + "' has unsupported field type = " +
                                     std::to_string(dao_type) + ".",
                                 "", 0, shared::kProjectName, kClass, "Initialize", 0);
      return false;
    }
    type_ = *type;
    display_control_ = com::ValueOr<std::int32_t>(
        [&] {
          const auto display_control = properties_->Find("DisplayControl");
          return display_control ? com::CLng(display_control->Value()) : -1;
        },
        -1);
    return true;
  });
}

void Field::TearDown() {
  vxhandler::Guard(kClass, "TearDown", [&] {
    parent_.reset();
    field_.reset();
    properties_.reset();
  });
}

dao::Field& Field::Dao() {
  if (!field_) com::RaiseVb(91);
  return *field_;
}

dao::Properties& Field::Props() {
  if (!properties_) com::RaiseVb(91);
  return *properties_;
}

bool Field::TypeIn(std::initializer_list<FieldTypeConstants> types) const {
  return std::find(types.begin(), types.end(), type_) != types.end();
}

bool Field::IsText() const { return type_ == acText; }
bool Field::IsTextLike() const { return TypeIn({acText, acMemo, acHyperlink}); }
bool Field::IsNumber() const {
  return TypeIn({acByte, acInteger, acLongInteger, acSingle, acDouble, acCurrency, acDecimal});
}
bool Field::IsDecimal() const { return type_ == acDecimal; }
bool Field::IsEditable() const { return !TypeIn({acReplicationID, acAutoNumber, acOLEObject}); }
bool Field::IsFormattable() const { return !TypeIn({acReplicationID, acOLEObject}); }
bool Field::IsMaskable() const {
  return TypeIn({acText, acByte, acInteger, acLongInteger, acSingle, acDouble, acDateTime,
                 acCurrency, acDecimal});
}
bool Field::CanBeRequired() const { return type_ != acAutoNumber; }
bool Field::HasDisplayControl() const { return display_control_ != -1; }
// Access adds DecimalPlaces to a number field only once it is set.
bool Field::HasDecimalPlaces() const {
  return IsNumber() && properties_ && properties_->Find("DecimalPlaces");
}
bool Field::IsLookup() const {
  return display_control_ == acListBox || display_control_ == acComboBox;
}
bool Field::IsComboBox() const { return display_control_ == acComboBox; }

com::Variant Field::Item(const char* name) { return Props().Item(name)->Value(); }

void Field::SetItem(const char* name, const com::Variant& value) {
  Props().Item(name)->SetValue(value);
}

std::string Field::AppDefined(const char* name) {
  return com::CStr(Utility::GetAppDefinedProperty(Props(), name, com::Variant("")));
}

void Field::SetAppDefined(const char* name, std::int16_t type, const std::string& value) {
  Utility::SetAppDefinedFieldProperty(Dao(), Props(), name, type, com::Variant(value),
                                      com::Variant(""));
}

bool Field::AllowZeroLength() {
  validation::RequireProperty(IsTextLike());
  return Dao().AllowZeroLength();
}
void Field::SetAllowZeroLength(bool value) { Dao().SetAllowZeroLength(value); }

std::int16_t Field::BoundColumn() {
  validation::RequireProperty(IsLookup());
  return com::CInt(Item("BoundColumn"));
}
void Field::SetBoundColumn(std::int16_t value) { SetItem("BoundColumn", value); }

std::string Field::Caption() { return AppDefined("Caption"); }
void Field::SetCaption(const std::string& value) { SetAppDefined("Caption", dao::dbMemo, value); }

std::int16_t Field::ColumnCount() {
  validation::RequireProperty(IsLookup());
  return com::CInt(Item("ColumnCount"));
}
void Field::SetColumnCount(std::int16_t value) { SetItem("ColumnCount", value); }

bool Field::ColumnHeads() {
  validation::RequireProperty(IsLookup());
  return com::CBool(Item("ColumnHeads"));
}
void Field::SetColumnHeads(bool value) { SetItem("ColumnHeads", value); }

std::string Field::ColumnWidths() {
  validation::RequireProperty(IsLookup());
  return AppDefined("ColumnWidths");
}
void Field::SetColumnWidths(const std::string& value) {
  SetAppDefined("ColumnWidths", dao::dbText, value);
}

std::uint8_t Field::DecimalPlaces() {
  validation::RequireProperty(HasDecimalPlaces());
  return com::CByte(Item("DecimalPlaces"));
}
void Field::SetDecimalPlaces(std::uint8_t value) { SetItem("DecimalPlaces", value); }

com::Variant Field::DefaultValue() {
  validation::RequireProperty(IsEditable());
  return Dao().DefaultValue();
}
void Field::SetDefaultValue(const com::Variant& value) { Dao().SetDefaultValue(value); }

std::string Field::Description() { return AppDefined("Description"); }
void Field::SetDescription(const std::string& value) {
  SetAppDefined("Description", dao::dbText, value);
}

ControlTypeConstants Field::DisplayControl() {
  validation::RequireProperty(HasDisplayControl());
  return static_cast<ControlTypeConstants>(display_control_);
}

FieldTypeConstants Field::FieldType() { return type_; }

std::string Field::Format() {
  validation::RequireProperty(IsFormattable());
  return AppDefined("Format");
}
void Field::SetFormat(const std::string& value) { SetAppDefined("Format", dao::dbText, value); }

std::string Field::InputMask() {
  validation::RequireProperty(IsMaskable());
  return AppDefined("InputMask");
}
void Field::SetInputMask(const std::string& value) {
  SetAppDefined("InputMask", dao::dbText, value);
}

bool Field::LimitToList() {
  validation::RequireProperty(IsComboBox());
  return com::CBool(Item("LimitToList"));
}
void Field::SetLimitToList(bool value) { SetItem("LimitToList", value); }

std::int16_t Field::ListRows() {
  validation::RequireProperty(IsComboBox());
  return com::CInt(Item("ListRows"));
}
void Field::SetListRows(std::int16_t value) { SetItem("ListRows", value); }

std::string Field::ListWidth() {
  validation::RequireProperty(IsComboBox());
  return com::CStr(Item("ListWidth"));
}
void Field::SetListWidth(const std::string& value) { SetItem("ListWidth", value); }

void Field::SetName(const std::string& name) {
  vxhandler::Guard(kClass, "Name", [&] {
    Dao().SetName(name);
    if (auto parent = parent_.lock()) parent->UpdateKey(name_, name);
    name_ = name;
  });
}

std::uint8_t Field::Precision() {
  validation::RequireProperty(IsDecimal());
  return com::CByte(Item("CollatingOrder"));
}
void Field::SetPrecision(std::uint8_t value) { SetItem("CollatingOrder", value); }

bool Field::Required() {
  validation::RequireProperty(CanBeRequired());
  return Dao().Required();
}
void Field::SetRequired(bool value) { Dao().SetRequired(value); }

std::string Field::RowSource() {
  validation::RequireProperty(IsLookup());
  return AppDefined("RowSource");
}
void Field::SetRowSource(const std::string& value) {
  SetAppDefined("RowSource", dao::dbMemo, value);
}

std::string Field::RowSourceType() {
  validation::RequireProperty(IsLookup());
  return AppDefined("RowSourceType");
}
void Field::SetRowSourceType(const std::string& value) {
  SetAppDefined("RowSourceType", dao::dbMemo, value);
}

std::int32_t Field::Size() {
  validation::RequireProperty(IsText());
  return Dao().Size();
}

std::string Field::ValidationRule() {
  validation::RequireProperty(IsEditable());
  return Dao().ValidationRule();
}
void Field::SetValidationRule(const std::string& value) { Dao().SetValidationRule(value); }

std::string Field::ValidationText() {
  validation::RequireProperty(IsEditable());
  return Dao().ValidationText();
}
void Field::SetValidationText(const std::string& value) { Dao().SetValidationText(value); }

}  // namespace objects
