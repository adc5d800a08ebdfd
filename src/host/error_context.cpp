#include "host/error_context.h"

#include "host/problem_log.h"

namespace host {

ErrorContext::~ErrorContext() {
  if (log_) log_->RemoveContext(token_);
}

void ErrorContext::Attach(std::shared_ptr<ProblemLog> log, std::int32_t token) {
  if (log_) log_->RemoveContext(token_);
  log_ = std::move(log);
  token_ = token;
}

}  // namespace host
