#include "sim/access/logon.h"

#include "sim/machine.h"

namespace sim::access {
namespace {

constexpr const char* kAccessEnginesKey =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Office\\9.0\\Access\\Jet\\4.0\\Engines";

std::string Workgroup(Machine& machine, const StartRequest& request) {
  if (!request.workgroup.empty()) return request.workgroup;
  const auto own = machine.registry().ReadValue(kAccessEnginesKey, "SystemDB");
  return own ? com::CStr(*own) : std::string();
}

}  // namespace

Logon::Logon(Machine& machine, const StartRequest& request)
    : user_(request.user.empty() ? "Admin" : request.user) {
  auto engine = machine.NewDBEngine();
  engine->SetSystemDB(Workgroup(machine, request));
  session_ = engine->CreateWorkspace("#Default Workspace#", user_, request.password);
  engine_ = std::make_shared<DbEngine>(engine, session_);
}

Logon::~Logon() {
  com::IgnoreErrors([&] { session_->Close(); });
}

}  // namespace sim::access
