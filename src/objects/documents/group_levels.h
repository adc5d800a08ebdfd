#pragma once
// The sorting and grouping levels of a report open in design view, keyed by
// level number ("0" to "9"). Access numbers its levels without gaps, so the
// first missing level ends the list.

#include "com/dispatch.h"
#include "objects/data/sub_collection.h"
#include "objects/documents/group_level.h"

namespace objects {

class GroupLevels : public SubCollection<GroupLevel> {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "GroupLevels";

 public:
  const com::TypeInfo& Members() const override;

  void Initialize(com::ObjectRef report);
};

}  // namespace objects
