#pragma once
// A module has two procedures of the same name; the second was not inspected.

#include <memory>
#include <string>

#include "host/iproblem.h"

class prbVerifyProcedureName : public host::IProblem {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "prbVerifyProcedureName";

 public:
  void Initialize(const std::string& project_path, const std::string& module_name,
                  const std::string& procedure_name);

  void IProblem_GetParameters(std::vector<std::string>& parameters) override;
  void IProblem_SetParameters(const std::vector<std::string>& parameters) override;
  std::string IProblem_Task() override;
  std::string IProblem_Description() override;
  std::shared_ptr<host::SolutionList> IProblem_Solutions() override;

 private:
  std::string project_path_, module_name_, procedure_name_;
  std::shared_ptr<host::SolutionList> solutions_;
};
