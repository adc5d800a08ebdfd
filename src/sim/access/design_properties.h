#pragma once
// The properties Access 2000 gives a form, a report, a section and each kind
// of control in design view: their names, their types and their defaults.
//
// SaveAsText writes only the properties that differ from their defaults, so
// a property the text leaves out has its default: the value a new object of
// the kind gets in Access 2000 (with the Normal template and US settings).
// A control's default is first that of the form's default control of its
// kind (the `Begin TextBox` block in the form's list), then this table's.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "com/variant.h"

namespace sim::access {

// The Visual Basic types Access gives these properties: String, Boolean,
// Byte (most enumerations), Integer, Long (OLE colours among them).
enum class DesignType { String, Boolean, Byte, Integer, Long };

struct DesignProperty {
  std::string name;
  DesignType type = DesignType::String;
  com::Variant fallback;  // the default, of the property's type
  // A report's default where it differs from a form's (a section's colour).
  com::Variant report_fallback;
  // An enumeration's values: 0 to `largest`, without `gap` (-1: none).
  std::int32_t largest = -1;
  std::int32_t gap = -1;
  bool read_only = false;
  // A section property that only a report's sections have.
  bool report_only = false;
};

class DesignProperties {
 public:
  explicit DesignProperties(std::vector<DesignProperty> properties);

  // By name, letter case ignored; nothing when the kind has no such property.
  const DesignProperty* Find(std::string_view name) const;
  const std::vector<DesignProperty>& All() const { return properties_; }

 private:
  std::vector<DesignProperty> properties_;
};

const DesignProperties& FormProperties();
const DesignProperties& ReportProperties();
const DesignProperties& SectionProperties();
const DesignProperties& GroupLevelProperties();
// The properties of a control type (a ControlTypeConstants value).
const DesignProperties& ControlProperties(std::int32_t control_type);

// Every ControlTypeConstants value of Access 2000.
const std::vector<std::int32_t>& ControlTypes();
// The name of the control type's class in Access's type library.
std::string ControlClassName(std::int32_t control_type);

// The ControlTypeConstants value of a block type of the text ("TextBox"
// 109, "Tab" 123); 0 for a block that is no control of Access 2000.
std::int32_t ControlTypeOfBlock(std::string_view block_type);

}  // namespace sim::access
