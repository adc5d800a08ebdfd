#pragma once
// The host's run-time-error problem: a numbered error recorded in the problem
// log with the place where it happened.

#include <cstdint>
#include <string>

#include "host/iproblem.h"

namespace host {

class RuntimeErrorProblem : public IProblem {
 public:
  void Initialize(std::int32_t number, const std::string& description,
                  const std::string& help_file, std::int32_t help_context,
                  const std::string& project, const std::string& module,
                  const std::string& procedure, std::int32_t line);

  std::int32_t Number() const { return number_; }
  const std::string& ErrorDescription() const { return description_; }

  void IProblem_GetParameters(std::vector<std::string>& parameters) override;
  void IProblem_SetParameters(const std::vector<std::string>& parameters) override;
  std::string IProblem_Task() override;
  std::string IProblem_Description() override;
  std::shared_ptr<SolutionList> IProblem_Solutions() override;

 private:
  std::int32_t number_ = 0;
  std::string description_;
  std::string help_file_;
  std::int32_t help_context_ = 0;
  std::string project_, module_, procedure_;
  std::int32_t line_ = 0;
};

}  // namespace host
