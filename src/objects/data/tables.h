#pragma once
// The tables of an Access database.

#include "objects/data/collection_base.h"

namespace objects {

class Tables : public CollectionBase {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "Tables";

 public:
  const com::TypeInfo& Members() const override;

  std::string ICollection_EnumObjects() override;
  std::shared_ptr<driver::IObject> ICollection_GetObject(const std::string& object_name) override;

 protected:
  const std::vector<Command>& ObjectCommands() const override;
  void RunObjectCommand(const std::string& object_name, std::int32_t command) override;
};

}  // namespace objects
