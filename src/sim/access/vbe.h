#pragma once
// Application.VBE: the code editor of the session, with its Windows and its
// MainWindow.

#include <memory>

#include "com/dispatch.h"

namespace sim::access {

class Application;

class Vbe : public com::Dispatch {
 public:
  explicit Vbe(std::weak_ptr<Application> application) : application_(std::move(application)) {}

  const com::TypeInfo& Members() const override;

  com::ObjectRef Windows();
  com::ObjectRef MainWindow();

 private:
  std::weak_ptr<Application> application_;
};

}  // namespace sim::access
