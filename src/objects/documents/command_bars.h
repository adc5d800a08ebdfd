#pragma once
// The custom command bars (toolbars, menu bars and shortcut menus) of the
// database or Access project, as the running Access holds them among its
// Office command bars; Access's own bars are never listed. In a database
// without forms no bar is listed at all.

#include "objects/data/collection_base.h"

namespace objects {

class CommandBars : public CollectionBase {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "CommandBars";

 public:
  const com::TypeInfo& Members() const override;

  std::string ICollection_EnumObjects() override;
  std::shared_ptr<driver::IObject> ICollection_GetObject(const std::string& object_name) override;

 private:
  bool Listed(driver::Project& project) const;
  // The write flag every bar of the project shares.
  bool Writable(driver::Project& project) const;
};

}  // namespace objects
