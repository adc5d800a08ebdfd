#include "host/runtime_error_problem.h"

#include "com/error.h"

namespace host {

void RuntimeErrorProblem::Initialize(std::int32_t number, const std::string& description,
                                     const std::string& help_file, std::int32_t help_context,
                                     const std::string& project, const std::string& module,
                                     const std::string& procedure, std::int32_t line) {
  number_ = number;
  description_ = description;
  help_file_ = help_file;
  help_context_ = help_context;
  project_ = project;
  module_ = module;
  procedure_ = procedure;
  line_ = line;
}

void RuntimeErrorProblem::IProblem_GetParameters(std::vector<std::string>& p) {
  p = {"",
       std::to_string(number_),
       description_,
       help_file_,
       std::to_string(help_context_),
       project_,
       module_,
       procedure_,
       std::to_string(line_)};
}

void RuntimeErrorProblem::IProblem_SetParameters(const std::vector<std::string>& p) {
  if (p.size() < 9) com::RaiseVb(9);
  Initialize(std::stoi(p[1]), p[2], p[3], std::stoi(p[4]), p[5], p[6], p[7], std::stoi(p[8]));
}

std::string RuntimeErrorProblem::IProblem_Task() {
  return "Run-time error " + std::to_string(number_) + " in " + project_ + "." + module_ + "." +
         procedure_;
}

std::string RuntimeErrorProblem::IProblem_Description() { return description_; }

std::shared_ptr<SolutionList> RuntimeErrorProblem::IProblem_Solutions() { return nullptr; }

}  // namespace host
