#include "shared/vxhandler.h"

#include "host/runtime_error_problem.h"
#include "host/tracer.h"
#include "shared/version.h"

namespace vxhandler {
namespace {

struct ProcessState {
  std::shared_ptr<host::ProblemLog> problem_log = std::make_shared<host::ProblemLog>();
  std::optional<bool> trace_flag;
};

ProcessState& State() {
  static ProcessState state;
  return state;
}

constexpr std::string_view kContextHeader = "PROGRAM CONTEXT:";
constexpr std::string_view kRollbackNote =
    "One or more additional problems were encountered while attempting to roll back the "
    "operation.";

}  // namespace

std::shared_ptr<host::ProblemLog> ProblemLog() { return State().problem_log; }

void SetProblemLog(std::shared_ptr<host::ProblemLog> log) { State().problem_log = std::move(log); }

bool TraceFlag() {
  auto& flag = State().trace_flag;
  if (!flag) flag = host::Tracer::Instance().IsEnabled();
  return *flag;
}

void ResetProcessState() {
  State().problem_log = std::make_shared<host::ProblemLog>();
  State().trace_flag.reset();
}

Trace::Trace(std::string_view module, std::string_view procedure) {
  if (TraceFlag())
    probe_.emplace(std::string(shared::kProjectName) + "." + std::string(module) + "." +
                   std::string(procedure));
}

std::unique_ptr<host::ErrorContext> CreateContext(const std::string& project,
                                                  const std::string& module,
                                                  const std::string& procedure, bool flag1,
                                                  bool flag2) {
  auto context = std::make_unique<host::ErrorContext>();
  com::IgnoreErrors([&] {
    auto log = ProblemLog();
    const std::int32_t token = log->AddContext(project, module, procedure, flag1, flag2);
    context->Attach(log, token);
  });
  return context;
}

void LogProblem(std::shared_ptr<host::IProblem> problem, const std::string& project,
                const std::string& module, const std::string& procedure, std::int32_t zero,
                std::int32_t& response) {
  com::IgnoreErrors([&] {
    ProblemLog()->AddProblem(problem, project + "." + module + "." + procedure, zero, response);
  });
}

void LogRuntimeError(std::int32_t number, const std::string& description,
                     const std::string& help_file, std::int32_t help_context,
                     const std::string& project, const std::string& module,
                     const std::string& procedure, std::int32_t line) {
  com::IgnoreErrors([&] {
    ProblemLog()->AddRuntimeError(number, description, help_file, help_context, project, module,
                                  procedure, line);
  });
}

bool RaisesFrom(std::string_view procedure) {
  if (procedure.find('_') == std::string_view::npos) return true;
  if (procedure.size() < 2) return true;
  if (procedure[0] != 'I') return false;
  if (procedure[1] < 'A' || procedure[1] > 'Z') return false;
  return true;
}

std::string AppendContext(const std::string& description, std::string_view module,
                          std::string_view procedure, std::int32_t line) {
  const std::string context_line = std::string(shared::kProjectName) + "." + std::string(module) +
                                    "." + std::string(procedure) + "." + std::to_string(line) +
                                    "  (" + shared::kVersionText + ")";
  if (description.find(kContextHeader) == std::string::npos)
    return description + "\r\n\r\n" + std::string(kContextHeader) + "\r\n" + context_line;
  return description + "\r\n" + context_line;
}

void Promote(const com::Error& pending, std::string_view module, std::string_view procedure) {
  const std::int32_t line = pending.Line() == 0 ? 1 : pending.Line();
  const std::string description = AppendContext(pending.Description(), module, procedure, line);
  if (RaisesFrom(procedure)) com::Raise(pending.Number(), description);
  LogRuntimeError(pending.Number(), description, "", 0, shared::kProjectName, std::string(module),
                  std::string(procedure), line);
}

SavedError SaveError(const com::Error& pending, std::string_view module,
                     std::string_view procedure) {
  SavedError saved;
  saved.line = pending.Line() == 0 ? 1 : pending.Line();
  saved.number = pending.Number();
  saved.source = pending.Source();
  saved.description = AppendContext(pending.Description(), module, procedure, saved.line);
  saved.help_file = pending.HelpFile();
  saved.help_context = pending.HelpContext();
  saved.module = module;
  saved.procedure = procedure;
  const std::string_view name = procedure.substr(0, procedure.find('('));
  saved.log_only = name == "Main" || !RaisesFrom(name);
  return saved;
}

void RaiseSavedError(const SavedError& saved) {
  std::string text = saved.description;
  if (saved.rollback_problems) text += "\r\n" + std::string(kRollbackNote);
  if (!saved.log_only)
    com::Raise(saved.number, text, saved.source, saved.help_file, saved.help_context);
  auto problem = std::make_shared<host::RuntimeErrorProblem>();
  problem->Initialize(saved.number, saved.description, saved.help_file, saved.help_context,
                      shared::kProjectName, saved.module, saved.procedure, saved.line);
  std::int32_t response = 0;
  LogProblem(problem, shared::kProjectName, saved.module, saved.procedure, 0, response);
}

namespace detail {

com::Error AsError(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const com::Error& e) {
    return e;
  } catch (const std::exception& e) {
    return com::Error(51, com::VbErrorText(51) + ": " + e.what());
  }
}

}  // namespace detail
}  // namespace vxhandler
