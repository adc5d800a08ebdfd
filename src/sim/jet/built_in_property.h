#pragma once
// A built-in property of a DAO object: read and written through the object,
// which it keeps alive, as a COM property keeps its parent; writing a
// read-only one raises 3027.

#include <memory>

#include "platform/dao.h"
#include "sim/jet/property_host.h"

namespace sim::jet {

class BuiltInProperty : public dao::Property {
 public:
  BuiltInProperty(BuiltInSpec spec, std::shared_ptr<PropertyHost> host)
      : spec_(std::move(spec)), host_(std::move(host)) {}

  std::string Name() override { return spec_.name; }
  std::int16_t Type() override { return spec_.type; }
  com::Variant Value() override { return spec_.get(); }
  void SetValue(const com::Variant& value) override;
  bool Inherited() override { return false; }

 private:
  BuiltInSpec spec_;
  std::shared_ptr<PropertyHost> host_;
};

}  // namespace sim::jet
