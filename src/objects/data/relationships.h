#pragma once
// The relationships defined in an Access database.

#include "objects/data/collection_base.h"

namespace objects {

class Relationships : public CollectionBase {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "Relationships";

 public:
  const com::TypeInfo& Members() const override;

  std::string ICollection_EnumObjects() override;
  std::shared_ptr<driver::IObject> ICollection_GetObject(const std::string& object_name) override;
};

}  // namespace objects
