#pragma once
// CurrentProject's AllForms, AllReports, AllMacros, AllModules and
// AllDataAccessPages: every document of the kind's container in the open
// database, in the order Jet lists them, by position from 0 or by name
// (letter case ignored). Once that database has closed, or for a name or
// position it does not have, 2467.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "com/dispatch.h"

namespace sim::access {

class Application;
class CurrentFile;

class AllObjects : public com::Dispatch {
 public:
  AllObjects(std::weak_ptr<Application> application, std::weak_ptr<CurrentFile> file,
             std::int32_t object_type)
      : application_(std::move(application)), file_(std::move(file)), type_(object_type) {}

  const com::TypeInfo& Members() const override;

  std::int32_t Count();
  com::ObjectRef Item(const com::Variant& index);

 private:
  std::vector<std::string> Names() const;

  std::weak_ptr<Application> application_;
  std::weak_ptr<CurrentFile> file_;
  std::int32_t type_;
};

}  // namespace sim::access
