#pragma once
// The macros of the database or Access project.

#include "objects/data/collection_base.h"

namespace objects {

class Macros : public CollectionBase {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "Macros";

 public:
  const com::TypeInfo& Members() const override;

  std::string ICollection_EnumObjects() override;
  std::shared_ptr<driver::IObject> ICollection_GetObject(const std::string& object_name) override;
};

}  // namespace objects
