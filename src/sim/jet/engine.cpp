#include "sim/jet/engine.h"

#include "sim/jet/db_engine.h"

namespace sim::jet {

std::shared_ptr<dao::DBEngine> NewEngine(const EngineEnvironment& environment) {
  return std::make_shared<DbEngine>(environment);
}

}  // namespace sim::jet
