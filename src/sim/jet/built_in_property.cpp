#include "sim/jet/built_in_property.h"

#include "sim/jet/dao_errors.h"
#include "sim/jet/dao_value.h"

namespace sim::jet {

void BuiltInProperty::SetValue(const com::Variant& value) {
  if (!spec_.set) RaiseDao(kDaoReadOnly);
  spec_.set(ToDaoType(spec_.type, value));
}

}  // namespace sim::jet
