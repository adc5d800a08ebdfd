#include "com/by_ref.h"

namespace com {

const TypeInfo& ByRef::Members() const {
  static const TypeInfo info = TypeBuilder<ByRef>("ByRef").Build();
  return info;
}

void SetByRef(const Variant& argument, const Variant& value) {
  if (!argument.IsObject()) return;
  if (auto cell = std::dynamic_pointer_cast<ByRef>(argument.AsObject())) cell->SetValue(value);
}

}  // namespace com
