#pragma once
// A connection entered in the machine's Sessions, closed again when the lease
// ends.

#include <cstdint>
#include <string>

#include "sim/jet/sessions.h"

namespace sim::jet {

class SessionLease {
 public:
  // Raises as Sessions::Open does (3045, 3734).
  SessionLease(Sessions& sessions, const std::string& path, const std::string& computer,
               bool exclusive);
  ~SessionLease();
  SessionLease(const SessionLease&) = delete;
  SessionLease& operator=(const SessionLease&) = delete;

  Sessions& sessions() { return sessions_; }

 private:
  Sessions& sessions_;
  std::uint64_t id_;
};

}  // namespace sim::jet
