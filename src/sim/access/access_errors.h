#pragma once
// The run-time errors Access raises, with Access 2000's texts. A text that
// names an object, an action or an option takes the name as the argument.

#include <cstdint>
#include <string>

namespace sim::access {

inline constexpr std::int32_t kServerUnavailable = 462;
inline constexpr std::int32_t kCantDeleteOpenObject = 2008;
inline constexpr std::int32_t kCantRenameOpenObject = 2009;
inline constexpr std::int32_t kActionNotAvailable = 2046;
inline constexpr std::int32_t kInvalidName = 2091;
inline constexpr std::int32_t kInvalidSetting = 2101;
inline constexpr std::int32_t kControlNameInUse = 2104;
inline constexpr std::int32_t kFormNotFound = 2102;
inline constexpr std::int32_t kReportNotFound = 2103;
inline constexpr std::int32_t kImportErrors = 2128;
inline constexpr std::int32_t kReadOnlyProperty = 2135;
inline constexpr std::int32_t kCantSaveOutput = 2302;
inline constexpr std::int32_t kOpenFormNotFound = 2450;
inline constexpr std::int32_t kOpenReportNotFound = 2451;
inline constexpr std::int32_t kInvalidPropertyReference = 2455;
inline constexpr std::int32_t kInvalidFormNumber = 2456;
inline constexpr std::int32_t kInvalidReportNumber = 2457;
inline constexpr std::int32_t kInvalidSectionNumber = 2462;
// A report's GroupLevel(n) beyond its last sorting and grouping level. The
// number and words follow Access's message list as best known here; no
// documentation at hand confirms them.
inline constexpr std::int32_t kInvalidGroupLevel = 2464;
inline constexpr std::int32_t kFieldNotFound = 2465;
inline constexpr std::int32_t kObjectClosedOrMissing = 2467;
inline constexpr std::int32_t kMacroNotFound = 2485;
inline constexpr std::int32_t kInvalidObjectType = 2487;
inline constexpr std::int32_t kWrongArgumentType = 2498;
inline constexpr std::int32_t kActionCanceled = 2501;
inline constexpr std::int32_t kModuleNotFound = 2516;
inline constexpr std::int32_t kNoObjectInControl = 2683;
inline constexpr std::int32_t kDatabaseAlreadyOpen = 7867;
inline constexpr std::int32_t kObjectNotFound = 7874;

// The errors of the connection's ADO objects.
inline constexpr std::int32_t kAdoInvalidArgument = 3001;
inline constexpr std::int32_t kAdoItemNotFound = 3265;
inline constexpr std::int32_t kAdoObjectClosed = 3704;
inline constexpr std::int32_t kAdoObjectOpen = 3705;

// The error's text, naming the object or action.
std::string AccessMessage(std::int32_t number, const std::string& name = "");
[[noreturn]] void RaiseAccess(std::int32_t number, const std::string& name = "");

}  // namespace sim::access
