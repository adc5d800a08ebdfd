#include "ui/connection.h"

#include "host/utility.h"
#include "shared/version.h"
#include "shared/vxhandler.h"

namespace ui {
namespace {
}

const com::TypeInfo& Connection::Members() const {
  static const com::TypeInfo info = com::TypeBuilder<Connection>("Connection").Build();
  return info;
}

void Connection::OnConnection(com::ObjectRef application, std::int32_t, com::ObjectRef,
                              com::Variant&) {
  vxhandler::Guard(kClass, "IDTExtensibility2_OnConnection", [&] {
    const com::Variant version =
        application->Call("SysCmd", {com::Variant(msaccess::acSysCmdAccessVer)});
    if (com::CStr(version) != "9.0") return;
    auto dispatcher = std::make_shared<Dispatcher>();
    dispatcher->Initialize(application);
    access_window_ = com::CLng(application->Get("hWndAccessApp"));
    cookie_ = host::Utility().RegisterObject(
        std::string(shared::kProjectName) + std::to_string(access_window_), dispatcher);
    dispatcher_ = dispatcher;
  });
}

void Connection::OnDisconnection(std::int32_t, com::Variant&) {
  vxhandler::Guard(kClass, "IDTExtensibility2_OnDisconnection", [&] {
    if (!dispatcher_) return;
    dispatcher_->Disconnect();
    host::Utility().RevokeObject(cookie_);
    dispatcher_.reset();
  });
}

void Connection::OnAddInsUpdate(com::Variant&) {}
void Connection::OnStartupComplete(com::Variant&) {}
void Connection::OnBeginShutdown(com::Variant&) {}

}  // namespace ui
