#pragma once
// Remove ambiguous procedure names: the user's to do, with the steps.

#include "host/isolution.h"

class solRemoveAmbiguousNames : public host::ISolution {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "solRemoveAmbiguousNames";

 public:
  void Initialize() {}
  std::string ISolution_Name() override;
  std::string ISolution_Description() override;
  bool ISolution_CanImplement() override;
  bool ISolution_Implement() override;
};
