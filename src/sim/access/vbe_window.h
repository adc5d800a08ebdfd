#pragma once
// A window of the code editor: its main window, a docked window or a code
// window. Type is vbext_WindowType (0 for a code window, 100 for the main
// window). Close destroys a code window, hides a docked window or the main
// window. A window that has been destroyed raises 91.

#include <cstdint>
#include <memory>
#include <string>

#include "com/dispatch.h"

namespace sim::access {

class Application;
class CodeEditor;

class VbeWindow : public com::Dispatch {
 public:
  static constexpr std::int32_t kMain = 0;  // the id that stands for the main window

  VbeWindow(std::weak_ptr<Application> application, std::int32_t id)
      : application_(std::move(application)), id_(id) {}

  const com::TypeInfo& Members() const override;

  std::string Caption();
  std::int32_t Type();
  bool Visible();
  std::int32_t hWnd();
  void Close();

 private:
  struct State {
    std::int32_t type;
    std::string caption;
    std::int32_t handle;
    bool visible;
  };
  State Read();

  std::weak_ptr<Application> application_;
  std::int32_t id_;
};

}  // namespace sim::access
