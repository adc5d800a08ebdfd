#pragma once
// An application-defined property. CreateProperty makes one that lives only
// in memory; once appended to a Properties collection it reads and writes the
// property kept with its owner in the database file.

#include <memory>
#include <optional>

#include "platform/dao.h"
#include "sim/jet/catalog.h"
#include "sim/jet/property_store.h"

namespace sim::jet {

class StoredProperty : public dao::Property {
 public:
  // A new property, not yet appended; type 0 takes the type of the value.
  StoredProperty(std::string name, std::int16_t type, com::Variant value);
  // The property of that name kept with an owner.
  StoredProperty(std::shared_ptr<Catalog> catalog, PropertyKey key, std::string name);

  std::string Name() override { return name_; }
  std::int16_t Type() override;
  com::Variant Value() override;
  void SetValue(const com::Variant& value) override;
  bool Inherited() override;

  bool appended() const { return catalog_ != nullptr; }
  PropertySpec Spec() const { return {name_, type_, value_, false}; }
  void Attach(std::shared_ptr<Catalog> catalog, PropertyKey key);

 private:
  const PropertySpec& Stored();

  std::string name_;
  std::int16_t type_ = 0;
  com::Variant value_;
  std::shared_ptr<Catalog> catalog_;
  PropertyKey key_;
};

}  // namespace sim::jet
