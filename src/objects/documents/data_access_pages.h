#pragma once
// The data access pages of the database or Access project. Opening one for
// the user shows it in Access's page designer.

#include "objects/data/collection_base.h"

namespace objects {

class DataAccessPages : public CollectionBase {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "DataAccessPages";

 public:
  const com::TypeInfo& Members() const override;

  std::string ICollection_EnumObjects() override;
  std::shared_ptr<driver::IObject> ICollection_GetObject(const std::string& object_name) override;

 protected:
  const std::vector<Command>& ObjectCommands() const override;
  void RunObjectCommand(const std::string& object_name, std::int32_t command) override;
};

}  // namespace objects
