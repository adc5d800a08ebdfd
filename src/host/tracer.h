#pragma once
// The host tracer, one per process. It is off unless the user names a trace
// file in the environment variable QUILLNET_TRACE. Enter and Leave nest; the
// lines are kept in memory and appended to the file by Flush.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace host {

class Tracer {
 public:
  static Tracer& Instance();

  bool IsEnabled() const { return file_.has_value(); }
  void Enter(const std::string& text);
  void Leave();
  void Flush();

  // Every call of Enter, Leave and Flush, counted whether or not tracing is on.
  std::uint64_t Calls() const { return calls_; }
  const std::vector<std::string>& PendingLines() const { return lines_; }

  // Starts over, tracing into the file given or not at all. The command line
  // and the tests use it; the first use reads QUILLNET_TRACE.
  void Reset(std::optional<std::string> file);

 private:
  Tracer();

  std::optional<std::string> file_;
  std::vector<std::string> lines_;
  int depth_ = 0;
  std::uint64_t calls_ = 0;
};

}  // namespace host
