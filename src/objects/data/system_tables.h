#pragma once
// Reading and writing rows of Access's system tables with SQL: text values
// as Jet SQL literals (between apostrophes, every apostrophe inside doubled,
// so a name can neither end the literal nor reach another row), and row
// values with a null read as the empty text, 0 or false.

#include <cstdint>
#include <string>

#include "com/variant.h"
#include "platform/dao.h"

namespace objects {

std::string SqlText(const std::string& value);

std::string TextValue(const com::Variant& value);
std::int32_t LongValue(const com::Variant& value);
bool BooleanValue(const com::Variant& value);

// Opens a dynaset on the statement, sets one column of its current row and
// writes the row back; on failure the recordset is closed without writing
// and the error goes on to the caller through the roll-back of the class and
// procedure named.
void WriteColumn(dao::Database& database, const std::string& select, const std::string& column,
                 const com::Variant& value, const char* class_name);

}  // namespace objects
