#include "com/variant.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <utility>

#include "com/date_time.h"
#include "com/dispatch.h"
#include "com/error.h"

namespace com {
namespace {

constexpr std::int32_t kTypeMismatch = 13;
constexpr std::int32_t kOverflow = 6;
constexpr std::int32_t kInvalidUseOfNull = 94;

std::string TrimBlanksAndTabs(std::string_view s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return "";
  const auto last = s.find_last_not_of(" \t");
  return std::string(s.substr(first, last - first + 1));
}

// Parses a numeric string as VB does: blanks around, a sign, digits with an
// optional fraction and exponent, or &H / &O prefixed integers.
bool ParseNumber(std::string_view text, double& out) {
  const std::string s = TrimBlanksAndTabs(text);
  if (s.empty()) return false;
  if (s.size() > 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h' || s[1] == 'O' || s[1] == 'o')) {
    const int base = (s[1] == 'H' || s[1] == 'h') ? 16 : 8;
    char* end = nullptr;
    const long long v = std::strtoll(s.c_str() + 2, &end, base);
    if (*end != '\0') return false;
    out = static_cast<double>(v);
    return true;
  }
  for (char c : s)
    if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '+' ||
          c == 'e' || c == 'E'))
      return false;
  char* end = nullptr;
  out = std::strtod(s.c_str(), &end);
  return end == s.c_str() + s.size();
}

// Round half to even, as VB's integer conversions do.
double BankersRound(double v) {
  const double r = std::nearbyint(v);  // default rounding mode: to nearest, ties to even
  return r;
}

std::string FormatNumber(double v, int digits) {
  if (v == 0) return "0";
  if (std::isinf(v)) return v > 0 ? "1.#INF" : "-1.#INF";
  if (std::isnan(v)) return "-1.#IND";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*e", digits - 1, v);
  const std::string sci = buf;
  const auto epos = sci.find('e');
  const int exponent = std::atoi(sci.c_str() + epos + 1);
  std::string mantissa = sci.substr(0, epos);
  auto strip = [](std::string s) {
    if (s.find('.') != std::string::npos) {
      while (!s.empty() && s.back() == '0') s.pop_back();
      if (!s.empty() && s.back() == '.') s.pop_back();
    }
    return s;
  };
  if (exponent >= digits || exponent < -digits) {
    std::snprintf(buf, sizeof buf, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return strip(mantissa) + buf;
  }
  std::snprintf(buf, sizeof buf, "%.*f", std::max(0, digits - 1 - exponent), v);
  return strip(buf);
}

double NumericValue(const Variant& v) {
  switch (v.Type()) {
    case VarType::Empty: return 0;
    case VarType::Null: RaiseVb(kInvalidUseOfNull);
    case VarType::Boolean: return *v.Get<bool>() ? -1 : 0;
    case VarType::Byte: return *v.Get<std::uint8_t>();
    case VarType::Integer: return *v.Get<std::int16_t>();
    case VarType::Long: return *v.Get<std::int32_t>();
    case VarType::Single: return *v.Get<float>();
    case VarType::Double: return *v.Get<double>();
    case VarType::Currency: return static_cast<double>(v.Get<Currency>()->scaled) / 10000.0;
    case VarType::Date: return v.Get<Date>()->serial;
    case VarType::String: {
      double d = 0;
      if (ParseNumber(v.AsString(), d)) return d;
      Date date;
      if (ParseVbDate(v.AsString(), date)) return date.serial;
      RaiseVb(kTypeMismatch);
    }
    default: RaiseVb(kTypeMismatch);
  }
}

template <class T>
T ToInteger(const Variant& v) {
  const double d = BankersRound(NumericValue(v));
  if (d < static_cast<double>(std::numeric_limits<T>::min()) ||
      d > static_cast<double>(std::numeric_limits<T>::max()))
    RaiseVb(kOverflow);
  return static_cast<T>(d);
}

}  // namespace

VarType Variant::Type() const {
  static constexpr VarType kTypes[] = {VarType::Empty,    VarType::Null,    VarType::Boolean,
                                       VarType::Byte,     VarType::Integer, VarType::Long,
                                       VarType::Single,   VarType::Double,  VarType::Currency,
                                       VarType::Date,     VarType::String,  VarType::Object};
  return kTypes[value_.index()];
}

bool Variant::IsNumeric() const {
  switch (Type()) {
    case VarType::Boolean:
    case VarType::Byte:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Single:
    case VarType::Double:
    case VarType::Currency:
    case VarType::Date: return true;
    default: return false;
  }
}

const std::string& Variant::AsString() const {
  if (const auto* s = std::get_if<std::string>(&value_)) return *s;
  RaiseVb(kTypeMismatch);
}

const ObjectRef& Variant::AsObject() const {
  if (const auto* o = std::get_if<ObjectRef>(&value_)) return *o;
  RaiseVb(kTypeMismatch);
}

std::string CStr(const Variant& v) {
  switch (v.Type()) {
    case VarType::Empty: return "";
    case VarType::Null: RaiseVb(kInvalidUseOfNull);
    case VarType::Boolean: return *v.Get<bool>() ? "True" : "False";
    case VarType::Byte: return std::to_string(*v.Get<std::uint8_t>());
    case VarType::Integer: return std::to_string(*v.Get<std::int16_t>());
    case VarType::Long: return std::to_string(*v.Get<std::int32_t>());
    case VarType::Single: return FormatNumber(*v.Get<float>(), 7);
    case VarType::Double: return FormatNumber(*v.Get<double>(), 15);
    case VarType::Currency: {
      const std::int64_t scaled = v.Get<Currency>()->scaled;
      std::string out = std::to_string(scaled / 10000);
      if (scaled < 0 && scaled / 10000 == 0) out = "-0";
      std::string frac = std::to_string(std::llabs(scaled % 10000));
      frac.insert(0, 4 - frac.size(), '0');
      while (!frac.empty() && frac.back() == '0') frac.pop_back();
      return frac.empty() ? out : out + "." + frac;
    }
    case VarType::Date: return FormatVbDate(*v.Get<Date>());
    case VarType::String: return v.AsString();
    default: RaiseVb(kTypeMismatch);
  }
}

std::int32_t CLng(const Variant& v) { return ToInteger<std::int32_t>(v); }
std::int16_t CInt(const Variant& v) { return ToInteger<std::int16_t>(v); }
std::uint8_t CByte(const Variant& v) { return ToInteger<std::uint8_t>(v); }
double CDbl(const Variant& v) { return NumericValue(v); }

float CSng(const Variant& v) {
  const double d = NumericValue(v);
  if (std::fabs(d) > std::numeric_limits<float>::max()) RaiseVb(kOverflow);
  return static_cast<float>(d);
}

bool CBool(const Variant& v) {
  if (v.IsString()) {
    std::string t = TrimBlanksAndTabs(v.AsString());
    for (char& c : t) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (t == "true") return true;
    if (t == "false") return false;
  }
  return NumericValue(v) != 0;
}

Date CDate(const Variant& v) {
  if (const Date* d = v.Get<Date>()) return *d;
  if (v.IsString()) {
    Date d;
    if (ParseVbDate(v.AsString(), d)) return d;
  }
  return Date{NumericValue(v)};
}

Variant CType(VarType type, const Variant& v) {
  switch (type) {
    case VarType::Boolean: return Variant(CBool(v));
    case VarType::Byte: return Variant(CByte(v));
    case VarType::Integer: return Variant(CInt(v));
    case VarType::Long: return Variant(CLng(v));
    case VarType::Single: return Variant(CSng(v));
    case VarType::Double: return Variant(CDbl(v));
    case VarType::Date: return Variant(CDate(v));
    case VarType::String: return Variant(CStr(v));
    case VarType::Object: return Variant(CObj(v));
    default: return v;
  }
}

Variant CType(VarType type, Variant&& v) {
  if (v.Type() == type) return std::move(v);
  return CType(type, std::as_const(v));
}

ObjectRef CObj(const Variant& v) {
  if (v.IsEmpty()) return nullptr;
  return v.AsObject();
}

bool IsNumeric(const Variant& v) {
  switch (v.Type()) {
    case VarType::Empty: return true;
    case VarType::Null:
    case VarType::Date:
    case VarType::Object: return false;
    case VarType::String: {
      double d = 0;
      return ParseNumber(v.AsString(), d);
    }
    default: return true;
  }
}

bool VbEquals(const Variant& a, const Variant& b) {
  if (a.IsNull() || b.IsNull()) return false;
  if (a.IsObject() || b.IsObject()) {
    if (!(a.IsObject() && b.IsObject())) RaiseVb(kTypeMismatch);
    return a.AsObject() == b.AsObject();
  }
  const bool a_text = a.IsString() || (a.IsEmpty() && b.IsString());
  const bool b_text = b.IsString() || (b.IsEmpty() && a.IsString());
  if (a_text && b_text) return CStr(a) == CStr(b);
  if (a_text || b_text) return false;  // a number is always less than a string
  if (const auto* ca = a.Get<Currency>())
    if (const auto* cb = b.Get<Currency>()) return ca->scaled == cb->scaled;
  return NumericValue(a) == NumericValue(b);
}

std::string TypeName(const Variant& v) {
  switch (v.Type()) {
    case VarType::Empty: return "Empty";
    case VarType::Null: return "Null";
    case VarType::Boolean: return "Boolean";
    case VarType::Byte: return "Byte";
    case VarType::Integer: return "Integer";
    case VarType::Long: return "Long";
    case VarType::Single: return "Single";
    case VarType::Double: return "Double";
    case VarType::Currency: return "Currency";
    case VarType::Date: return "Date";
    case VarType::String: return "String";
    default: {
      const ObjectRef& o = v.AsObject();
      return o ? o->TypeName() : "Nothing";
    }
  }
}

}  // namespace com
