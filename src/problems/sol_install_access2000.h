#pragma once
// Install Access 2000: the user's to do.

#include "host/isolution.h"

class SolInstallAccess2000 : public host::ISolution {
 public:
  std::string ISolution_Name() override;
  std::string ISolution_Description() override;
  bool ISolution_CanImplement() override;
  bool ISolution_Implement() override;
};
