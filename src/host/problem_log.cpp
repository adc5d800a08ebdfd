#include "host/problem_log.h"

#include <algorithm>
#include <iostream>

#include "com/text.h"
#include "host/runtime_error_problem.h"
#include "host/solution_list.h"

namespace host {
namespace {

void PrintIndented(std::ostream& out, const std::string& text, const std::string& indent) {
  std::string normalised = text;
  std::erase(normalised, '\r');
  for (const std::string& line : com::Split(normalised, "\n")) out << indent << line << '\n';
}

}  // namespace

std::int32_t ProblemLog::AddContext(const std::string& project, const std::string& module,
                                    const std::string& procedure, bool, bool) {
  contexts_.push_back({next_token_, project + "." + module + "." + procedure});
  return next_token_++;
}

void ProblemLog::RemoveContext(std::int32_t token) {
  std::erase_if(contexts_, [token](const Context& c) { return c.token == token; });
}

std::vector<std::string> ProblemLog::OpenContexts() const {
  std::vector<std::string> names;
  for (const Context& c : contexts_) names.push_back(c.name);
  return names;
}

void ProblemLog::AddProblem(std::shared_ptr<IProblem> problem, const std::string& where,
                            std::int32_t, std::int32_t& response) {
  const bool runtime = dynamic_cast<RuntimeErrorProblem*>(problem.get()) != nullptr;
  entries_.push_back({std::move(problem), where, OpenContexts(), runtime});
  response = 0;
}

void ProblemLog::AddRuntimeError(std::int32_t number, const std::string& description,
                                 const std::string& help_file, std::int32_t help_context,
                                 const std::string& project, const std::string& module,
                                 const std::string& procedure, std::int32_t line) {
  auto problem = std::make_shared<RuntimeErrorProblem>();
  problem->Initialize(number, description, help_file, help_context, project, module, procedure,
                      line);
  std::int32_t response = 0;
  AddProblem(problem, project + "." + module + "." + procedure, 0, response);
}

void ProblemLog::Show(std::ostream& out) const {
  int n = 0;
  for (const Entry& e : entries_) {
    out << "Problem " << ++n << ": " << e.problem->IProblem_Task() << '\n';
    PrintIndented(out, e.problem->IProblem_Description(), "    ");
    auto solutions = e.problem->IProblem_Solutions();
    for (std::int32_t i = 1; solutions && i <= solutions->Count(); ++i) {
      auto s = solutions->Item(i);
      out << "  Solution: " << s->ISolution_Name() << '\n';
      PrintIndented(out, s->ISolution_Description(), "      ");
    }
  }
}

void ProblemLog::Show() const { Show(std::cout); }

}  // namespace host
