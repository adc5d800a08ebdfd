#pragma once
// Access's DoCmd object: the actions that open, close and rename the objects
// of the open database, and RunCommand. Every action needs an open database
// (2046 naming the action otherwise).

#include <memory>
#include <string>

#include "com/dispatch.h"

namespace sim::access {

class Application;

class DoCmd : public com::Dispatch {
 public:
  explicit DoCmd(std::weak_ptr<Application> application)
      : application_(std::move(application)) {}

  const com::TypeInfo& Members() const override;

  // The session the actions run in; 462 once it has quit.
  std::shared_ptr<Application> Session() const;

 private:
  std::weak_ptr<Application> application_;
};

}  // namespace sim::access
