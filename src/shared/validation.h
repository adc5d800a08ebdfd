#pragma once
// The driver's own errors for bad values, wrong states and missing
// properties, and the character tests the property lets use. Every error is
// raised with an empty source and no help file.

#include <cstdint>
#include <string>

#include "com/variant.h"

namespace validation {

inline constexpr std::int32_t kMessage = -32767;               // 8001: refusals with a text
inline constexpr std::int32_t kInvalidCaseSelector = -32753;   // 800F
inline constexpr std::int32_t kInvalidArgument = -32751;       // 8011
inline constexpr std::int32_t kObjectNotInProperState = -32750;  // 8012
inline constexpr std::int32_t kUndefinedProperty = -32749;     // 8013
inline constexpr std::int32_t kInvalidLength = -32748;         // 8014

[[noreturn]] void RaiseMessage(const std::string& text);
[[noreturn]] void RaiseInvalidCaseSelector(const com::Variant& value);
[[noreturn]] void RaiseInvalidArgument(const std::string& name, const com::Variant& value);
[[noreturn]] void RaiseObjectNotInProperState();
[[noreturn]] void RaiseUndefinedProperty();
// Raises "Undefined property." unless the object has the property.
void RequireProperty(bool defined);
[[noreturn]] void RaiseInvalidLength(const std::string& name, std::int32_t minimum,
                                     std::int32_t maximum);

std::string InvalidLengthText(const std::string& name, std::int32_t minimum, std::int32_t maximum);

// Each takes one character (UTF-8).
bool IsDigit(const std::string& character);
bool IsLetter(const std::string& character);
bool IsBracedGuid(const std::string& text);

}  // namespace validation
