#pragma once
// What an object tells its Properties collection: its built-in properties,
// read and written through the object itself, and where its
// application-defined properties are kept.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "com/variant.h"
#include "sim/jet/property_store.h"

namespace sim::jet {

struct BuiltInSpec {
  std::string name;
  std::int16_t type = 0;
  std::function<com::Variant()> get;
  std::function<void(const com::Variant&)> set;  // none: read-only
};

class PropertyHost {
 public:
  virtual ~PropertyHost() = default;
  virtual std::vector<BuiltInSpec> BuiltIns() = 0;
  // True when the built-in properties never change (they do for a query,
  // whose kind, kept in the file, decides them).
  virtual bool FixedBuiltInNames() const { return true; }
  // The built-in properties an object of this class can have, whatever its
  // state; their names are learnt once per class, so that a lookup of an
  // application-defined property does not build the object's list.
  virtual std::vector<BuiltInSpec> EveryBuiltIn() { return BuiltIns(); }
  // Nothing while the object is not yet part of a collection: it then has
  // only its built-in properties.
  virtual std::optional<PropertyKey> StoredKey() = 0;
};

}  // namespace sim::jet
