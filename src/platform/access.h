#pragma once
// Microsoft Access 2000 automation. Access and the objects inside it are late
// bound: the driver reaches them by member name through com::Dispatch. This
// header holds the constants the driver passes and the add-in interface
// Access calls on its COM add-ins.

#include <cstdint>

#include "com/variant.h"

namespace msaccess {

// AcProjectType.
inline constexpr std::int32_t acADP = 1;
inline constexpr std::int32_t acMDB = 2;

// AcObjectType.
inline constexpr std::int32_t acTable = 0;
inline constexpr std::int32_t acQuery = 1;
inline constexpr std::int32_t acForm = 2;
inline constexpr std::int32_t acReport = 3;
inline constexpr std::int32_t acMacro = 4;
inline constexpr std::int32_t acModule = 5;
inline constexpr std::int32_t acDataAccessPage = 6;

// AcView and AcQuitOption.
inline constexpr std::int32_t acViewDesign = 1;
inline constexpr std::int32_t acQuitSaveNone = 2;

// SysCmd action that gives the Access version ("9.0").
inline constexpr std::int32_t acSysCmdAccessVer = 7;

// RunCommand commands.
inline constexpr std::int32_t acCmdDesignView = 183;
inline constexpr std::int32_t acCmdSQLView = 184;

// The interface Access calls on a COM add-in it loads (IDTExtensibility2).
class IDTExtensibility2 {
 public:
  virtual ~IDTExtensibility2() = default;
  virtual void OnConnection(com::ObjectRef application, std::int32_t connect_mode,
                            com::ObjectRef add_in, com::Variant& custom) = 0;
  virtual void OnDisconnection(std::int32_t remove_mode, com::Variant& custom) = 0;
  virtual void OnAddInsUpdate(com::Variant& custom) = 0;
  virtual void OnStartupComplete(com::Variant& custom) = 0;
  virtual void OnBeginShutdown(com::Variant& custom) = 0;
};

}  // namespace msaccess
