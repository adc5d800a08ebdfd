#pragma once
// The saved import and export specifications of an Access database, kept by
// Access in the system tables MSysIMEXSpecs and MSysIMEXColumns.

#include "objects/data/collection_base.h"

namespace objects {

class ImportSpecs : public CollectionBase {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "ImportSpecs";

 public:
  const com::TypeInfo& Members() const override;

  std::string ICollection_EnumObjects() override;
  std::shared_ptr<driver::IObject> ICollection_GetObject(const std::string& object_name) override;
};

}  // namespace objects
