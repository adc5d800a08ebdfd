#include "sim/access/vbe.h"

#include "sim/access/application.h"
#include "sim/access/vbe_window.h"
#include "sim/access/vbe_windows.h"

namespace sim::access {

const com::TypeInfo& Vbe::Members() const {
  static const com::TypeInfo info = com::TypeBuilder<Vbe>("VBE")
                                        .Get("Windows", &Vbe::Windows)
                                        .Get("MainWindow", &Vbe::MainWindow)
                                        .Build();
  return info;
}

com::ObjectRef Vbe::Windows() {
  Application::Served(application_);
  return std::make_shared<VbeWindows>(application_);
}

com::ObjectRef Vbe::MainWindow() {
  Application::Served(application_);
  return std::make_shared<VbeWindow>(application_, VbeWindow::kMain);
}

}  // namespace sim::access
