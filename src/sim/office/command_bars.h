#pragma once
// The CommandBars of an Access session (Office's CommandBars collection):
// Access's own bars first, then the custom bars of the open database in the
// order they were made. Item takes a position from 1 or a name (letter case
// ignored); 5 for one there is not.

#include <memory>

#include "com/dispatch.h"

namespace sim::access {
class Application;
}

namespace sim::office {

class CommandBars : public com::Dispatch {
 public:
  explicit CommandBars(std::weak_ptr<access::Application> application)
      : application_(std::move(application)) {}

  const com::TypeInfo& Members() const override;

  std::int32_t Count();
  com::ObjectRef Item(const com::Variant& index);

 private:
  std::weak_ptr<access::Application> application_;
};

}  // namespace sim::office
