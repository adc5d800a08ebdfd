#pragma once
// The host's problem log, one per process: problems the driver reports, each
// with where it was reported and under which error contexts, and run-time
// errors that had no caller to go to.

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "host/iproblem.h"

namespace host {

class ProblemLog {
 public:
  struct Entry {
    std::shared_ptr<IProblem> problem;
    std::string where;                  // project.module.procedure
    std::vector<std::string> contexts;  // the error contexts open when it was logged
    bool runtime_error = false;
  };

  // Opens an error context; entries logged while it is open carry its name.
  std::int32_t AddContext(const std::string& project, const std::string& module,
                          const std::string& procedure, bool, bool);
  void RemoveContext(std::int32_t token);

  std::int32_t Count() const { return static_cast<std::int32_t>(entries_.size()); }
  void AddProblem(std::shared_ptr<IProblem> problem, const std::string& where, std::int32_t,
                  std::int32_t& response);
  void AddRuntimeError(std::int32_t number, const std::string& description,
                       const std::string& help_file, std::int32_t help_context,
                       const std::string& project, const std::string& module,
                       const std::string& procedure, std::int32_t line);

  const std::vector<Entry>& Entries() const { return entries_; }

  // Prints every entry with its description and solutions.
  void Show(std::ostream& out) const;
  void Show() const;

 private:
  std::vector<std::string> OpenContexts() const;

  struct Context {
    std::int32_t token;
    std::string name;
  };
  std::vector<Context> contexts_;
  std::int32_t next_token_ = 1;
  std::vector<Entry> entries_;
};

}  // namespace host
