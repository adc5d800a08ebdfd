#pragma once
// One field of a table or a query (a DAO Field). Which properties it has
// depends on its data type and on the control Access displays it with; a
// property it does not have raises "Undefined property.".

#include <cstdint>
#include <memory>
#include <string>

#include "com/dispatch.h"
#include "objects/documents/control_types.h"
#include "platform/dao.h"

namespace objects {

class Fields;

enum FieldTypeConstants : std::int32_t {
  acText = 0,
  acMemo = 1,
  acByte = 2,
  acInteger = 3,
  acLongInteger = 4,
  acSingle = 5,
  acDouble = 6,
  acReplicationID = 7,
  acDateTime = 8,
  acCurrency = 9,
  acAutoNumber = 10,
  acYesNo = 11,
  acOLEObject = 12,
  acHyperlink = 13,
  acDecimal = 14,
};

class Field : public com::Dispatch {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "Field";

 public:
  const com::TypeInfo& Members() const override;

  // False when the field's type is not supported (logged; leave it out).
  bool Initialize(std::shared_ptr<Fields> parent, std::shared_ptr<dao::Field> dao_field);
  void TearDown();

  bool AllowZeroLength();
  void SetAllowZeroLength(bool value);
  std::int16_t BoundColumn();
  void SetBoundColumn(std::int16_t value);
  std::string Caption();
  void SetCaption(const std::string& value);
  std::int16_t ColumnCount();
  void SetColumnCount(std::int16_t value);
  bool ColumnHeads();
  void SetColumnHeads(bool value);
  std::string ColumnWidths();
  void SetColumnWidths(const std::string& value);
  std::uint8_t DecimalPlaces();
  void SetDecimalPlaces(std::uint8_t value);
  com::Variant DefaultValue();
  void SetDefaultValue(const com::Variant& value);
  std::string Description();
  void SetDescription(const std::string& value);
  ControlTypeConstants DisplayControl();
  FieldTypeConstants FieldType();
  std::string Format();
  void SetFormat(const std::string& value);
  std::string InputMask();
  void SetInputMask(const std::string& value);
  bool LimitToList();
  void SetLimitToList(bool value);
  std::int16_t ListRows();
  void SetListRows(std::int16_t value);
  std::string ListWidth();
  void SetListWidth(const std::string& value);
  std::string Name() const { return name_; }
  void SetName(const std::string& name);
  std::uint8_t Precision();
  void SetPrecision(std::uint8_t value);
  bool Required();
  void SetRequired(bool value);
  std::string RowSource();
  void SetRowSource(const std::string& value);
  std::string RowSourceType();
  void SetRowSourceType(const std::string& value);
  std::int32_t Size();
  std::string ValidationRule();
  void SetValidationRule(const std::string& value);
  std::string ValidationText();
  void SetValidationText(const std::string& value);

 private:
  dao::Field& Dao();
  dao::Properties& Props();
  bool TypeIn(std::initializer_list<FieldTypeConstants> types) const;
  // Which properties the field has, by its type and its display control.
  bool IsText() const;
  bool IsTextLike() const;
  bool IsNumber() const;
  bool IsDecimal() const;
  bool IsEditable() const;
  bool IsFormattable() const;
  bool IsMaskable() const;
  bool CanBeRequired() const;
  bool HasDisplayControl() const;
  bool HasDecimalPlaces() const;
  bool IsLookup() const;
  bool IsComboBox() const;
  com::Variant Item(const char* name);
  void SetItem(const char* name, const com::Variant& value);
  std::string AppDefined(const char* name);
  void SetAppDefined(const char* name, std::int16_t type, const std::string& value);

  std::weak_ptr<Fields> parent_;
  std::shared_ptr<dao::Field> field_;
  std::shared_ptr<dao::Properties> properties_;
  std::string name_;
  FieldTypeConstants type_ = acText;
  std::int32_t display_control_ = -1;
};

}  // namespace objects
