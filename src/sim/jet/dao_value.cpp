#include "sim/jet/dao_value.h"

#include <cmath>
#include <map>
#include <optional>

#include "com/error.h"
#include "com/text.h"
#include "platform/dao.h"
#include "sim/jet/dao_errors.h"

namespace sim::jet {
namespace {

com::Variant Convert(std::int16_t dao_type, const com::Variant& value) {
  switch (dao_type) {
    case dao::dbBoolean: return com::Variant(com::CBool(value));
    case dao::dbByte: return com::Variant(com::CByte(value));
    case dao::dbInteger: return com::Variant(com::CInt(value));
    case dao::dbLong: return com::Variant(com::CLng(value));
    case dao::dbCurrency:
      return com::Variant(com::Currency{std::llround(com::CDbl(value) * 10000.0)});
    case dao::dbSingle: return com::Variant(com::CSng(value));
    case dao::dbDouble:
    case dao::dbBigInt:
    case dao::dbNumeric:
    case dao::dbDecimal:
    case dao::dbFloat: return com::Variant(com::CDbl(value));
    case dao::dbDate:
    case dao::dbTime:
    case dao::dbTimeStamp: return com::Variant(com::CDate(value));
    default: return com::Variant(com::CStr(value));
  }
}

}  // namespace

std::int16_t DaoTypeOf(const com::Variant& value) {
  using com::VarType;
  switch (value.Type()) {
    case VarType::Boolean: return dao::dbBoolean;
    case VarType::Byte: return dao::dbByte;
    case VarType::Integer: return dao::dbInteger;
    case VarType::Long: return dao::dbLong;
    case VarType::Single: return dao::dbSingle;
    case VarType::Double: return dao::dbDouble;
    case VarType::Currency: return dao::dbCurrency;
    case VarType::Date: return dao::dbDate;
    case VarType::String: return dao::dbText;
    default: return 0;
  }
}

com::Variant ToDaoType(std::int16_t dao_type, const com::Variant& value) {
  if (value.IsNull()) return value;
  if (value.IsObject()) RaiseDao(kDaoConversionError);
  std::optional<com::Variant> converted;
  if (com::Capture([&] { converted = Convert(dao_type, value); })) RaiseDao(kDaoConversionError);
  return *converted;
}

std::int32_t DefaultSize(std::int16_t dao_type) {
  static const std::map<std::int16_t, std::int32_t> sizes = {
      {dao::dbBoolean, 1},   {dao::dbByte, 1},     {dao::dbInteger, 2},    {dao::dbLong, 4},
      {dao::dbCurrency, 8},  {dao::dbSingle, 4},   {dao::dbDouble, 8},     {dao::dbDate, 8},
      {dao::dbBinary, 255},  {dao::dbText, 50},    {dao::dbGUID, 16},      {dao::dbBigInt, 8},
      {dao::dbDecimal, 16},  {dao::dbNumeric, 16}, {dao::dbFloat, 8},      {dao::dbTime, 8},
      {dao::dbTimeStamp, 8}, {dao::dbChar, 255},   {dao::dbVarBinary, 255}};
  const auto found = sizes.find(dao_type);
  return found == sizes.end() ? 0 : found->second;
}

bool IsVariableLength(std::int16_t dao_type) {
  return dao_type == dao::dbText || dao_type == dao::dbMemo || dao_type == dao::dbBinary ||
         dao_type == dao::dbLongBinary || dao_type == dao::dbVarBinary;
}

std::int16_t DaoTypeOfDeclaration(const std::string& declared) {
  static const std::map<std::string, std::int16_t> types = {
      {"BIT", dao::dbBoolean},   {"BYTE", dao::dbByte},
      {"SHORT", dao::dbInteger}, {"INTEGER", dao::dbLong},
      {"LONG", dao::dbLong},     {"CURRENCY", dao::dbCurrency},
      {"SINGLE", dao::dbSingle}, {"DOUBLE", dao::dbDouble},
      {"REAL", dao::dbDouble},   {"DATETIME", dao::dbDate},
      {"TEXT", dao::dbText},     {"MEMO", dao::dbMemo},
      {"BINARY", dao::dbBinary}, {"LONGBINARY", dao::dbLongBinary}};
  const std::string name = com::UCase(declared.substr(0, declared.find('(')));
  const auto found = types.find(com::Trim(name));
  return found == types.end() ? static_cast<std::int16_t>(0) : found->second;
}

std::int32_t SizeOfDeclaration(const std::string& declared) {
  const auto open = declared.find('(');
  if (open == std::string::npos) return DefaultSize(DaoTypeOfDeclaration(declared));
  return std::stoi(declared.substr(open + 1));
}

}  // namespace sim::jet
