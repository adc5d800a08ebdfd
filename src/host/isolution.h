#pragma once
// ISolution: a way out of a problem that the host lists under the problem.

#include <string>

namespace host {

class ISolution {
 public:
  virtual ~ISolution() = default;
  virtual std::string ISolution_Name() = 0;
  virtual std::string ISolution_Description() = 0;
  virtual bool ISolution_CanImplement() = 0;
  virtual bool ISolution_Implement() = 0;
};

}  // namespace host
