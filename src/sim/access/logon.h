#pragma once
// The logon of an Access session: Access logs on to its workgroup when it
// starts (the /wrkgrp, /user and /pwd of its command line; without /wrkgrp
// the workgroup its own registry key names, else Jet's default) and stays
// logged on until it quits. The session is DBEngine's workspace 0; when
// Access quits it closes, and with it every database opened in it.

#include <memory>
#include <string>

#include "platform/dao.h"
#include "sim/access/db_engine.h"
#include "sim/access/start_request.h"

namespace sim {
class Machine;
}

namespace sim::access {

class Logon {
 public:
  // Raises DAO's 3028 when the workgroup file cannot be read and 3029 for a
  // wrong account name or password.
  Logon(Machine& machine, const StartRequest& request);
  ~Logon();
  Logon(const Logon&) = delete;
  Logon& operator=(const Logon&) = delete;

  const std::string& User() const { return user_; }
  const std::shared_ptr<DbEngine>& Engine() const { return engine_; }
  dao::Workspace& Session() { return *session_; }

 private:
  std::string user_;
  std::shared_ptr<dao::Workspace> session_;
  std::shared_ptr<DbEngine> engine_;
};

}  // namespace sim::access
