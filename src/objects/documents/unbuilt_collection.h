#pragma once
// A collection of Access documents this driver cannot read yet (forms,
// reports, data access pages, macros, modules, command bars). It is listed
// with the others so the host sees every collection, and it says plainly,
// when asked for its objects, that it is not built.

#include <string>

#include "objects/data/collection_base.h"

namespace objects {

class UnbuiltCollection : public CollectionBase {
 public:
  explicit UnbuiltCollection(std::string kind) : kind_(std::move(kind)) {}
  const com::TypeInfo& Members() const override;
  std::string TypeName() const override { return kind_; }

  std::string ICollection_EnumObjects() override;
  std::shared_ptr<driver::IObject> ICollection_GetObject(const std::string& object_name) override;

 private:
  [[noreturn]] void RaiseNotBuilt() const;

  std::string kind_;
};

}  // namespace objects
