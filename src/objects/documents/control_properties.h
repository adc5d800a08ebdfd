#pragma once
// The properties of a control on a form or report: their types, and the kinds
// of control Access 2000 gives each of them. One table, read by the getter,
// the setter and the scanner's test of whether a control has a property.

#include <cstdint>
#include <vector>

#include "objects/documents/control_types.h"
#include "objects/documents/mirror.h"

namespace objects {

struct ControlProperty {
  MirrorSpec spec;
  // Bit (type - 100) for each control type that has the property.
  std::uint32_t types;
};

// The mirrored control properties, in alphabetical order.
const std::vector<ControlProperty>& ControlProperties();

// Whether a control of the type has the property of the row.
bool ControlHasProperty(const ControlProperty& row, std::int32_t control_type);

}  // namespace objects
