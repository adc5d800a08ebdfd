#pragma once
// The base of tests that need a computer: a fresh simulated machine on the
// virtual clock, a fresh folder, and the driver's process-wide state as at
// start-up.

#include <gtest/gtest.h>

#include "host/tracer.h"
#include "shared/vxhandler.h"
#include "sim/machine.h"
#include "support/temp_dir.h"

namespace testing_support {

class MachineTest : public ::testing::Test {
 protected:
  MachineTest() {
    host::Tracer::Instance().Reset(std::nullopt);
    vxhandler::ResetProcessState();
  }
  ~MachineTest() override { vxhandler::ResetProcessState(); }

  sim::VirtualClock& clock() { return *machine.virtual_clock(); }

  sim::Machine machine;
  TempDir temp;
};

}  // namespace testing_support
