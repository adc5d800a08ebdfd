#pragma once
// A VB/COM VARIANT. The VB types are kept apart: a 16-bit Integer and a 32-bit
// Long holding the same number are different values, as they are to VB's
// VarType. Strings are UTF-8.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>

namespace com {

class Dispatch;
using ObjectRef = std::shared_ptr<Dispatch>;

// The values of VB's VarType for the types this program uses.
enum class VarType : std::uint16_t {
  Empty = 0,
  Null = 1,
  Integer = 2,
  Long = 3,
  Single = 4,
  Double = 5,
  Currency = 6,
  Date = 7,
  String = 8,
  Object = 9,
  Boolean = 11,
  Variant = 12,  // only as the declared type of a property
  Byte = 17,
};

// Currency: a 64-bit integer scaled by 10,000, as COM's CY.
struct Currency {
  std::int64_t scaled = 0;
  friend bool operator==(Currency, Currency) = default;
};

// Date: days since 30 December 1899, the fraction being the time of day (COM's DATE).
struct Date {
  double serial = 0;
  friend bool operator==(Date, Date) = default;
};

struct NullValue {
  friend bool operator==(NullValue, NullValue) = default;
};

class Variant {
 public:
  Variant() = default;
  Variant(bool v) : value_(v) {}
  Variant(std::uint8_t v) : value_(v) {}
  Variant(std::int16_t v) : value_(v) {}
  Variant(std::int32_t v) : value_(v) {}
  Variant(float v) : value_(v) {}
  Variant(double v) : value_(v) {}
  Variant(Currency v) : value_(v) {}
  Variant(Date v) : value_(v) {}
  Variant(NullValue v) : value_(v) {}
  Variant(std::string v) : value_(std::move(v)) {}
  Variant(std::string_view v) : value_(std::string(v)) {}
  Variant(const char* v) : value_(std::string(v)) {}
  Variant(ObjectRef v) : value_(std::move(v)) {}
  template <class T>
    requires std::is_base_of_v<Dispatch, T>
  Variant(std::shared_ptr<T> v) : value_(ObjectRef(std::move(v))) {}

  static Variant Null() { return Variant(NullValue{}); }
  static Variant Nothing() { return Variant(ObjectRef{}); }

  VarType Type() const;
  bool IsEmpty() const { return Type() == VarType::Empty; }
  bool IsNull() const { return Type() == VarType::Null; }
  bool IsObject() const { return Type() == VarType::Object; }
  bool IsString() const { return Type() == VarType::String; }
  bool IsNumeric() const;  // a number type, Boolean or Date: not a string

  // Direct access; raise VB error 13 "Type mismatch" on the wrong type.
  const std::string& AsString() const;
  const ObjectRef& AsObject() const;

  template <class T>
  const T* Get() const {
    return std::get_if<T>(&value_);
  }

 private:
  std::variant<std::monostate, NullValue, bool, std::uint8_t, std::int16_t, std::int32_t, float,
               double, Currency, Date, std::string, ObjectRef>
      value_;
};

// VB's conversion functions. They raise 13 "Type mismatch" when the value
// cannot be converted and 6 "Overflow" when it does not fit.
std::string CStr(const Variant& v);
std::int32_t CLng(const Variant& v);
std::int16_t CInt(const Variant& v);
std::uint8_t CByte(const Variant& v);
bool CBool(const Variant& v);
double CDbl(const Variant& v);
float CSng(const Variant& v);
Date CDate(const Variant& v);
ObjectRef CObj(const Variant& v);
// The value converted to a declared type, as VB assigns a variant to a
// variable of that type; Variant keeps it as it is.
Variant CType(VarType type, const Variant& v);
// The same, handing the value on without a copy when it has the type already.
Variant CType(VarType type, Variant&& v);
bool IsNumeric(const Variant& v);

// VB's `=` for two variants (binary string comparison). Null compares unequal.
bool VbEquals(const Variant& a, const Variant& b);

// VB's TypeName: "Integer", "String", "Nothing", the class name of an object...
std::string TypeName(const Variant& v);

}  // namespace com
