#pragma once
// The simulated DAO engine: what CreateObject("DAO.DBEngine.36") gives on
// the simulated machine.

#include <memory>
#include <string>

#include "platform/dao.h"
#include "platform/win32.h"
#include "sim/jet/sessions.h"

namespace sim::jet {

struct EngineEnvironment {
  Sessions& sessions;
  platform::Clock& clock;   // stamps DateCreated and LastUpdated with Now()
  std::string computer;     // the computer name the user roster shows
  std::string default_workgroup;  // used when SystemDB is empty; may be empty
};

std::shared_ptr<dao::DBEngine> NewEngine(const EngineEnvironment& environment);

}  // namespace sim::jet
