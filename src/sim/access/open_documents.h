#pragma once
// Access's Forms, Reports, Modules and DataAccessPages collections: the
// objects of the kind open in the session (for modules, the Module objects
// of the standard and class modules with an open code window), in the order
// they were opened, by position from 0 or by name (letter case ignored).

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "com/dispatch.h"

namespace sim::access {

class Application;

class OpenDocuments : public com::Dispatch {
 public:
  OpenDocuments(std::weak_ptr<Application> application, std::int32_t object_type)
      : application_(std::move(application)), type_(object_type) {}

  const com::TypeInfo& Members() const override;

  std::int32_t Count();
  // 2450 (forms), 2451 (reports) or 2467 for a name that is not open; 2456,
  // 2457 or 2467 for a position out of range.
  com::ObjectRef Item(const com::Variant& index);

 private:
  std::vector<std::string> Names() const;

  std::weak_ptr<Application> application_;
  std::int32_t type_;
};

}  // namespace sim::access
