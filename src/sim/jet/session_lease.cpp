#include "sim/jet/session_lease.h"

namespace sim::jet {

SessionLease::SessionLease(Sessions& sessions, const std::string& path, const std::string& computer,
                           bool exclusive)
    : sessions_(sessions), id_(sessions.Open(path, computer, exclusive)) {}

SessionLease::~SessionLease() { sessions_.Close(id_); }

}  // namespace sim::jet
