#pragma once
// The controls of a form or report open in design view, keyed by name, in
// the order of Access's Controls collection (which holds every control of
// the document, those inside option groups and on tab pages included).

#include <cstdint>

#include "com/dispatch.h"
#include "objects/data/sub_collection.h"
#include "objects/documents/control.h"

namespace objects {

class Controls : public SubCollection<Control> {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "Controls";

 public:
  const com::TypeInfo& Members() const override;

  void Initialize(com::ObjectRef controls, std::int32_t object_type);
};

}  // namespace objects
