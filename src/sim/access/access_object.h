#pragma once
// An item of CurrentProject's AllForms, AllReports, ... lists, and of the
// lists of open objects: one object of the database, by kind and name.
// IsLoaded tells whether Access shows it in a window (a module: in a code
// window).

#include <cstdint>
#include <memory>
#include <string>

#include "com/dispatch.h"

namespace sim::access {

class Application;

class AccessObject : public com::Dispatch {
 public:
  AccessObject(std::weak_ptr<Application> application, std::int32_t object_type, std::string name)
      : application_(std::move(application)), type_(object_type), name_(std::move(name)) {}

  const com::TypeInfo& Members() const override;

  std::string Name() const { return name_; }
  std::int32_t Type() const { return type_; }
  bool IsLoaded();
  // The HTML file a data access page is linked to; empty for other objects.
  std::string FullName();

 private:
  std::weak_ptr<Application> application_;
  std::int32_t type_;
  std::string name_;
};

}  // namespace sim::access
