#include "shared/validation.h"

#include "com/dispatch.h"
#include "com/error.h"
#include "com/text.h"

namespace validation {
namespace {

// A string is shown in double quotes, Null as Null, anything else by its
// text form.
std::string ValueText(const com::Variant& value) {
  if (value.IsString()) return "\"" + value.AsString() + "\"";
  if (value.IsNull()) return "Null";
  if (value.IsObject()) return com::TypeName(value);
  return com::CStr(value);
}

// Upper-case Latin letters and the upper-case accented letters of the
// Western code page, with "ß" (Y is listed twice, as it always was).
constexpr std::string_view kLetters =
    "ABCDEFGHIJKLMNOPQRSTYUVWXYZŠŒÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞŸß";

bool IsHex(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }

}  // namespace

void RaiseMessage(const std::string& text) { com::Raise(kMessage, text); }

void RaiseInvalidCaseSelector(const com::Variant& value) {
  com::Raise(kInvalidCaseSelector, "Invalid case selector (" + ValueText(value) + ").");
}

void RaiseInvalidArgument(const std::string& name, const com::Variant& value) {
  com::Raise(kInvalidArgument, "Invalid argument (" + name + " = " + ValueText(value) + ").");
}

void RaiseObjectNotInProperState() {
  com::Raise(kObjectNotInProperState, "Object not in proper state.");
}

void RaiseUndefinedProperty() { com::Raise(kUndefinedProperty, "Undefined property."); }

void RequireProperty(bool defined) {
  if (!defined) RaiseUndefinedProperty();
}

std::string InvalidLengthText(const std::string& name, std::int32_t minimum, std::int32_t maximum) {
  const std::string min = std::to_string(minimum), max = std::to_string(maximum);
  if (minimum == maximum) return name + " must be exactly " + min + " characters in length.";
  if (minimum != 0 && maximum != 0)
    return name + " must be no less than " + min + " and no more than " + max +
           " characters in length.";
  if (minimum != 0) return name + " must be no less than " + min + " characters in length.";
  return name + " must be no more than " + max + " characters in length.";
}

void RaiseInvalidLength(const std::string& name, std::int32_t minimum, std::int32_t maximum) {
  com::Raise(kInvalidLength, InvalidLengthText(name, minimum, maximum));
}

bool IsDigit(const std::string& character) {
  return std::string_view("0123456789").find(character) != std::string_view::npos;
}

bool IsLetter(const std::string& character) {
  return kLetters.find(com::UCase(character)) != std::string_view::npos;
}

bool IsBracedGuid(const std::string& text) {
  const std::string upper = com::UCase(text);
  static constexpr std::string_view kPattern = "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}";
  if (upper.size() != kPattern.size()) return false;
  for (std::size_t i = 0; i < upper.size(); ++i) {
    if (kPattern[i] == 'X' ? !IsHex(upper[i]) : upper[i] != kPattern[i]) return false;
  }
  return true;
}

}  // namespace validation
