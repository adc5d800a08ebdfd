#pragma once
// An error context: while it lives, problems logged carry its name. It closes
// its context in the problem log when it is released.

#include <cstdint>
#include <memory>

namespace host {

class ProblemLog;

class ErrorContext {
 public:
  ErrorContext() = default;
  ~ErrorContext();
  ErrorContext(const ErrorContext&) = delete;
  ErrorContext& operator=(const ErrorContext&) = delete;

  void Attach(std::shared_ptr<ProblemLog> log, std::int32_t token);

 private:
  std::shared_ptr<ProblemLog> log_;
  std::int32_t token_ = 0;
};

}  // namespace host
