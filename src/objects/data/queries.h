#pragma once
// The saved queries of an Access database, without the ones Access makes for
// the record sources of forms and reports ("~sq_...").

#include "objects/data/collection_base.h"

namespace objects {

class Queries : public CollectionBase {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "Queries";

 public:
  const com::TypeInfo& Members() const override;

  std::string ICollection_EnumObjects() override;
  std::shared_ptr<driver::IObject> ICollection_GetObject(const std::string& object_name) override;

 protected:
  const std::vector<Command>& ObjectCommands() const override;
  void RunObjectCommand(const std::string& object_name, std::int32_t command) override;
};

}  // namespace objects
