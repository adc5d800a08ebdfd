#pragma once
// One run at a time on a database: a replace claims the file alone for the
// whole run, other commands share it. The claim is an advisory lock on a
// claim file of the database's own (kept where the command keeps its state,
// so that reading a database leaves nothing beside it), which the system
// releases when the process ends however it ends: a killed run leaves no
// claim behind.

#include <cstdint>
#include <functional>
#include <string>

namespace engine {

class RunClaim {
 public:
  enum class Kind { Shared, Exclusive };

  // Claims the database. An exclusive claim is refused at once while any
  // other run holds the file; a shared one waits up to `wait_ms` (on the
  // system's clock) for a replace to finish. Refusals raise error 70 saying
  // which run holds the file. `while_alone` runs while the claim is still
  // the only one, before a shared claim lets other readers in.
  // `run` names the command that claims it alone, for the refusals of others.
  RunClaim(const std::string& database, const std::string& claim_file, Kind kind,
           std::uint32_t wait_ms, const std::function<void()>& while_alone,
           const std::string& run = "replace");
  ~RunClaim();
  RunClaim(const RunClaim&) = delete;
  RunClaim& operator=(const RunClaim&) = delete;

 private:
  [[noreturn]] void Refuse(const std::string& database, const std::string& advice);
  void Release();

  int fd_ = -1;
};

}  // namespace engine
