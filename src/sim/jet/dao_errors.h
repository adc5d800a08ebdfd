#pragma once
// The errors of the Jet engine and DAO, with the texts Jet gives them. Texts
// that name an object or a file take that name as the argument.

#include <cstdint>
#include <string>

#include "platform/dao.h"

namespace sim::jet {

inline constexpr std::int32_t kDaoTableExists = 3010;
inline constexpr std::int32_t kDaoObjectNotFound = 3011;
inline constexpr std::int32_t kDaoObjectExists = 3012;
inline constexpr std::int32_t kDaoUpdateWithoutEdit = 3020;
inline constexpr std::int32_t kDaoNoCurrentRecord = 3021;
inline constexpr std::int32_t kDaoDuplicateValues = 3022;
inline constexpr std::int32_t kDaoFileNotFound = 3024;
inline constexpr std::int32_t kDaoReadOnly = 3027;
inline constexpr std::int32_t kDaoWorkgroupMissing = 3028;
inline constexpr std::int32_t kDaoBadAccount = 3029;
inline constexpr std::int32_t kDaoBadPassword = 3031;
inline constexpr std::int32_t kDaoNoPermission = 3033;
inline constexpr std::int32_t kDaoDamaged = 3049;
inline constexpr std::int32_t kDaoFileInUse = 3045;
inline constexpr std::int32_t kDaoTooFewParameters = 3061;
inline constexpr std::int32_t kDaoSyntaxError = 3075;
inline constexpr std::int32_t kDaoInputTableMissing = 3078;
inline constexpr std::int32_t kDaoInvalidSqlStatement = 3129;
inline constexpr std::int32_t kDaoCharactersAfterEnd = 3142;
inline constexpr std::int32_t kDaoFieldTooSmall = 3163;
inline constexpr std::int32_t kDaoFieldDefinedTwice = 3191;
inline constexpr std::int32_t kDaoLocked = 3218;
inline constexpr std::int32_t kDaoInvalidOperation = 3219;
inline constexpr std::int32_t kDaoNotSupported = 3251;
inline constexpr std::int32_t kDaoNoFieldDefined = 3264;
inline constexpr std::int32_t kDaoItemNotFound = 3265;
inline constexpr std::int32_t kDaoPropertyFixedInCollection = 3268;
inline constexpr std::int32_t kDaoPropertyNotFound = 3270;
inline constexpr std::int32_t kDaoUsedInRelationship = 3281;
inline constexpr std::int32_t kDaoIndexExists = 3284;
inline constexpr std::int32_t kDaoUnrecognizedFormat = 3343;
inline constexpr std::int32_t kDaoNameInCollection = 3367;
inline constexpr std::int32_t kDaoBuiltInProperty = 3384;
inline constexpr std::int32_t kDaoAccountExists = 3390;
inline constexpr std::int32_t kDaoObjectInvalid = 3420;
inline constexpr std::int32_t kDaoConversionError = 3421;
inline constexpr std::int32_t kDaoStatePreventsOpening = 3734;

// Raises an error whose text names nothing.
[[noreturn]] void RaiseDao(std::int32_t number);
// Raises an error whose text names an object, a file or an expression.
[[noreturn]] void RaiseDao(std::int32_t number, const std::string& name);
// 3125 for a name Jet does not accept for an object, field or index.
using dao::CheckName;
// 3734: the file was placed in a state that admits no new connections.
[[noreturn]] void RaiseStateBlocksOpening(const std::string& computer);

}  // namespace sim::jet
