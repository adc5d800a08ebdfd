#pragma once
// DAO's data types (DataTypeEnum) and the VB values that hold them.

#include <cstdint>
#include <string>

#include "com/variant.h"

namespace sim::jet {

// The DAO type that holds a value of this VB type; 0 for Empty, Null and objects.
std::int16_t DaoTypeOf(const com::Variant& value);
// The value converted to the VB type of the DAO type. Null stays Null; a value
// that does not convert raises 3421 "Data type conversion error.".
com::Variant ToDaoType(std::int16_t dao_type, const com::Variant& value);
// The size of a field of the type: its fixed size, 50 for text, 0 for memo
// and long binary.
std::int32_t DefaultSize(std::int16_t dao_type);
// Whether the values of the type vary in length (text, memo, binary).
bool IsVariableLength(std::int16_t dao_type);
// The DAO type and size of a column declared with a Jet type name
// ("LONG", "SHORT", "BIT", "TEXT(64)", "MEMO", "DATETIME", ...).
std::int16_t DaoTypeOfDeclaration(const std::string& declared);
std::int32_t SizeOfDeclaration(const std::string& declared);

}  // namespace sim::jet
