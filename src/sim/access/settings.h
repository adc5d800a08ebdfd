#pragma once
// How Access is installed on a machine.

#include <string>

namespace sim::access {

struct Settings {
  // What SysCmd(acSysCmdAccessVer) answers: "9.0" for Access 2000.
  std::string version = "9.0";
};

}  // namespace sim::access
