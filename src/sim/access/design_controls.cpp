#include "sim/access/design_controls.h"

#include "com/text.h"
#include "sim/access/access_errors.h"
#include "sim/access/design_control.h"
#include "sim/access/document_design.h"

namespace sim::access {

const com::TypeInfo& DesignControls::Members() const {
  static const com::TypeInfo info = com::TypeBuilder<DesignControls>("Controls")
                                        .Get("Count", &DesignControls::Count)
                                        .Method("Item", &DesignControls::Item)
                                        .Build();
  return info;
}

std::int32_t DesignControls::Count() {
  Require();
  return static_cast<std::int32_t>(controls_.size());
}

com::ObjectRef DesignControls::Item(const com::Variant& index) {
  Require();
  if (!index.IsString()) {
    const std::int32_t position = com::CLng(index);
    if (position < 0 || position >= static_cast<std::int32_t>(controls_.size()))
      RaiseAccess(kFieldNotFound, std::to_string(position));
    return controls_[static_cast<std::size_t>(position)];
  }
  const std::string name = com::CStr(index);
  for (const auto& control : controls_)
    if (com::EqualsNoCase(control->StoredName(), name)) return control;
  RaiseAccess(kFieldNotFound, name);
}

void DesignControls::Require() const { DocumentDesign::Require(design_); }

}  // namespace sim::access
