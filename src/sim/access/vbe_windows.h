#pragma once
// VBE.Windows: the windows of the code editor as CodeEditor lists them, by
// position from 1 or by caption (letter case ignored); 9 for any other.

#include <cstdint>
#include <memory>

#include "com/dispatch.h"

namespace sim::access {

class Application;

class VbeWindows : public com::Dispatch {
 public:
  explicit VbeWindows(std::weak_ptr<Application> application)
      : application_(std::move(application)) {}

  const com::TypeInfo& Members() const override;

  std::int32_t Count();
  com::ObjectRef Item(const com::Variant& index);

 private:
  std::weak_ptr<Application> application_;
};

}  // namespace sim::access
