#pragma once
// The forms of the database or Access project.

#include "objects/data/collection_base.h"

namespace objects {

class Forms : public CollectionBase {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "Forms";

 public:
  const com::TypeInfo& Members() const override;

  std::string ICollection_EnumObjects() override;
  std::shared_ptr<driver::IObject> ICollection_GetObject(const std::string& object_name) override;

 protected:
  const std::vector<Command>& ObjectCommands() const override;
  void RunObjectCommand(const std::string& object_name, std::int32_t command) override;
};

}  // namespace objects
