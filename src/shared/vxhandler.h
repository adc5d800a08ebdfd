#pragma once
// The driver's error handling and tracing, shared by every procedure:
//
//   std::string Project::IProject_EnumCollections() {
//     return vxhandler::Guard("Project", "IProject_EnumCollections", [&] { ... });
//   }
//
// Guard makes the trace entry and, on error, hands the error to Promote,
// which either raises it on with one more "PROGRAM CONTEXT:" line or reports
// it to the problem log, depending on the procedure's name.
// GuardWithRollback saves the error, runs the undo work with errors ignored
// and raises the saved error.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "com/error.h"
#include "host/error_context.h"
#include "host/iproblem.h"
#include "host/problem_log.h"
#include "shared/probe.h"

namespace vxhandler {

// Process-wide state: the problem log the driver reports into and the trace
// flag (read once from the host tracer).
std::shared_ptr<host::ProblemLog> ProblemLog();
void SetProblemLog(std::shared_ptr<host::ProblemLog> log);
bool TraceFlag();
// Back to the start-up state: a new, empty problem log and the trace flag
// read again from the host tracer.
void ResetProcessState();

// The trace entry of a procedure: "tovrin.Module.Procedure" when tracing is on.
class Trace {
 public:
  Trace(std::string_view module, std::string_view procedure);

 private:
  std::optional<shared::Probe> probe_;
};

std::unique_ptr<host::ErrorContext> CreateContext(const std::string& project,
                                                  const std::string& module,
                                                  const std::string& procedure, bool flag1,
                                                  bool flag2);
void LogProblem(std::shared_ptr<host::IProblem> problem, const std::string& project,
                const std::string& module, const std::string& procedure, std::int32_t,
                std::int32_t& response);
void LogRuntimeError(std::int32_t number, const std::string& description,
                     const std::string& help_file, std::int32_t help_context,
                     const std::string& project, const std::string& module,
                     const std::string& procedure, std::int32_t line);

// True when an error leaving the named procedure is raised to its caller,
// false when it is reported to the problem log (event procedures).
bool RaisesFrom(std::string_view procedure);

// The standard error handler: adds the context line and raises the error on,
// or reports it and returns.
void Promote(const com::Error& pending, std::string_view module, std::string_view procedure);

struct SavedError {
  std::int32_t number = 0;
  std::string source;
  std::string description;  // with the program context appended
  std::string help_file;
  std::int32_t help_context = 0;
  bool log_only = false;
  std::string module;
  std::string procedure;
  std::int32_t line = 1;
  bool rollback_problems = false;
};

SavedError SaveError(const com::Error& pending, std::string_view module,
                     std::string_view procedure);
// Raises the saved error, or, for a report-only procedure, logs it.
void RaiseSavedError(const SavedError& saved);

// The text every error of the driver ends with.
std::string AppendContext(const std::string& description, std::string_view module,
                          std::string_view procedure, std::int32_t line);

namespace detail {
com::Error AsError(std::exception_ptr error);

template <class R>
R DefaultResult() {
  if constexpr (!std::is_void_v<R>) return R{};
}
}  // namespace detail

template <class F>
auto Guard(std::string_view module, std::string_view procedure, F&& work)
    -> std::invoke_result_t<F> {
  using R = std::invoke_result_t<F>;
  Trace trace(module, procedure);
  try {
    return work();
  } catch (...) {
    Promote(detail::AsError(std::current_exception()), module, procedure);
    return detail::DefaultResult<R>();
  }
}

template <class F, class U>
auto GuardWithRollback(std::string_view module, std::string_view procedure, F&& work, U&& undo)
    -> std::invoke_result_t<F> {
  using R = std::invoke_result_t<F>;
  Trace trace(module, procedure);
  try {
    return work();
  } catch (...) {
    SavedError saved = SaveError(detail::AsError(std::current_exception()), module, procedure);
    saved.rollback_problems = com::Capture(undo).has_value();
    RaiseSavedError(saved);
    return detail::DefaultResult<R>();
  }
}

}  // namespace vxhandler
