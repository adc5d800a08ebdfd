#pragma once
// The driver's Access COM add-in ("tovrin.Connection"). Under Access 2000 it
// creates the Dispatcher and publishes it in the running-object table under
// "tovrin" followed by the Access main window's handle.

#include <cstdint>
#include <memory>

#include "com/dispatch.h"
#include "platform/access.h"
#include "ui/dispatcher.h"

namespace ui {

class Connection : public com::Dispatch, public msaccess::IDTExtensibility2 {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "Connection";

 public:
  static constexpr const char* kProgId = "tovrin.Connection";

  const com::TypeInfo& Members() const override;

  void OnConnection(com::ObjectRef application, std::int32_t connect_mode, com::ObjectRef add_in,
                    com::Variant& custom) override;
  void OnDisconnection(std::int32_t remove_mode, com::Variant& custom) override;
  void OnAddInsUpdate(com::Variant& custom) override;
  void OnStartupComplete(com::Variant& custom) override;
  void OnBeginShutdown(com::Variant& custom) override;

  std::shared_ptr<Dispatcher> GetDispatcher() const { return dispatcher_; }

 private:
  std::shared_ptr<Dispatcher> dispatcher_;
  std::uint32_t cookie_ = 0;
  std::int32_t access_window_ = 0;
};

}  // namespace ui
