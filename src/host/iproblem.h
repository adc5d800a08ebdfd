#pragma once
// IProblem: a condition the driver reports to the host's problem log. The host
// shows its description and solutions, and can store it (GetParameters) and
// rebuild it later (SetParameters).

#include <memory>
#include <string>
#include <vector>

namespace host {

class SolutionList;

class IProblem {
 public:
  virtual ~IProblem() = default;
  // Resizes to positions 0..N and fills 1..N; position 0 stays empty.
  virtual void IProblem_GetParameters(std::vector<std::string>& parameters) = 0;
  virtual void IProblem_SetParameters(const std::vector<std::string>& parameters) = 0;
  virtual std::string IProblem_Task() = 0;
  virtual std::string IProblem_Description() = 0;
  virtual std::shared_ptr<SolutionList> IProblem_Solutions() = 0;
};

}  // namespace host
