#pragma once
// The conditional formats of a text box or combo box, in Access's order,
// reached by position from 0. They have no names.

#include "com/dispatch.h"
#include "objects/data/sub_collection.h"
#include "objects/documents/format_condition.h"

namespace objects {

class FormatConditions : public SubCollection<FormatCondition> {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "FormatConditions";

 public:
  const com::TypeInfo& Members() const override;

  void Initialize(com::ObjectRef conditions);
};

}  // namespace objects
