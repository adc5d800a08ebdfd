#include "objects/documents/format_conditions.h"

#include <string>

#include "shared/vxhandler.h"

namespace objects {

const com::TypeInfo& FormatConditions::Members() const {
  static const com::TypeInfo info = Builder<FormatConditions>(kClass).Build();
  return info;
}

// Conditions are keyed by their position, the only name they have.
void FormatConditions::Initialize(com::ObjectRef conditions) {
  vxhandler::Guard(kClass, "Initialize", [&] {
    const std::int32_t count = com::CLng(conditions->Get("Count"));
    for (std::int32_t position = 0; position < count; ++position) {
      auto condition = std::make_shared<FormatCondition>();
      condition->Initialize(com::CObj(conditions->Call("Item", {com::Variant(position)})));
      list_.Add(condition, std::to_string(position));
    }
  });
}

}  // namespace objects
