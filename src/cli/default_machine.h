#pragma once
// The computer the command runs on: Access 2000 SR-1 installed, the driver's
// add-in registered, the default workgroup file, the real clock. What it
// keeps between runs (its registry, the workgroup file) lives in one folder
// of the user's: $QUILLNET_HOME, or ~/.quillnet.

#include <memory>
#include <string>

#include "sim/machine.h"

namespace cli {

class DefaultMachine {
 public:
  DefaultMachine();
  sim::Machine& machine() { return *machine_; }
  // The workgroup file Access uses when none is named.
  const std::string& Workgroup() const { return workgroup_; }

 private:
  std::string state_;
  std::string workgroup_;
  std::unique_ptr<sim::Machine> machine_;
};

std::string StateFolder();

}  // namespace cli
