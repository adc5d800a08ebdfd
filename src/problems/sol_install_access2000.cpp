#include "problems/sol_install_access2000.h"

std::string SolInstallAccess2000::ISolution_Name() { return "Install Access 2000"; }

std::string SolInstallAccess2000::ISolution_Description() {
  return "Install a copy of Microsoft Access 2000 on this computer."
         " Only the core Microsoft Access files are required by Quillnet."
         " If you wish to conserve disk space, you can omit the help files, data converters, and "
         "all other optional features.";
}

bool SolInstallAccess2000::ISolution_CanImplement() { return false; }

bool SolInstallAccess2000::ISolution_Implement() { return false; }
