#pragma once
// A program run in a pseudo-terminal, as a user at a terminal runs it: the
// test types keys into it and waits, with a time limit, for what it draws.

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace testing_support {

class PseudoTerminal {
 public:
  // Starts the program in `folder` with the extra environment ("NAME=value")
  // on a terminal of 100 columns and 30 rows.
  PseudoTerminal(const std::string& program, const std::vector<std::string>& arguments,
                 const std::string& folder, const std::vector<std::string>& environment);
  // Ends the program if it still runs.
  ~PseudoTerminal();
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;

  void Type(const std::string& keys);
  // True once the program's output holds the text after what earlier waits
  // found; false when the time ran out or the program closed its terminal first.
  bool WaitFor(const std::string& text,
               std::chrono::milliseconds limit = std::chrono::seconds(20));
  // The exit code, or -1 when the program did not end within the limit.
  int Wait(std::chrono::milliseconds limit = std::chrono::seconds(20));
  // Everything the program wrote so far.
  const std::string& Output() const { return output_; }

 private:
  // Reads what is there, waiting up to the deadline; false at the end of output.
  bool ReadSome(std::chrono::steady_clock::time_point deadline);

  int master_ = -1;
  pid_t child_ = -1;
  std::string output_;
  std::size_t seen_ = 0;
};

}  // namespace testing_support
