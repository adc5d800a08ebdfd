#pragma once
// The installed Access 2000 is missing or older than SR-1 (build 3822).

#include <cstdint>
#include <memory>

#include "host/iproblem.h"

class prbVerifySystemRequirements : public host::IProblem {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "prbVerifySystemRequirements";

 public:
  void Initialize(std::int32_t build);

  void IProblem_GetParameters(std::vector<std::string>& parameters) override;
  void IProblem_SetParameters(const std::vector<std::string>& parameters) override;
  std::string IProblem_Task() override;
  std::string IProblem_Description() override;
  std::shared_ptr<host::SolutionList> IProblem_Solutions() override;

 private:
  std::int32_t build_ = 0;
  std::shared_ptr<host::SolutionList> solutions_;
};
