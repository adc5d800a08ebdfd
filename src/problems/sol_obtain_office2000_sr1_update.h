#pragma once
// Obtain Office 2000 SR-1: opens Microsoft's knowledge-base article about it.

#include "host/isolution.h"

class SolObtainOffice2000SR1Update : public host::ISolution {
 public:
  static constexpr const char* kArticleUrl =
      "http://support.microsoft.com/support/kb/articles/Q245/0/25.ASP";

  std::string ISolution_Name() override;
  std::string ISolution_Description() override;
  bool ISolution_CanImplement() override;
  bool ISolution_Implement() override;
};
