#pragma once
// A program running on the simulated machine, from its start until it exits.
// The machine's processes keep it running; when the machine shuts down it
// ends every program still running, while the parts programs use (windows,
// Jet sessions, the running-object table) are still there.

namespace sim {

class Program {
 public:
  virtual ~Program() = default;
  // Ends the program as Windows does at shut-down: it closes its files and
  // windows and tells the processes it has exited.
  virtual void End() = 0;
};

}  // namespace sim
