#pragma once
// Access's kinds of control, as a control's ControlType and a field's
// DisplayControl name them.

#include <cstdint>

namespace objects {

enum ControlTypeConstants : std::int32_t {
  acLabel = 100,
  acRectangle = 101,
  acLine = 102,
  acImage = 103,
  acCommandButton = 104,
  acOptionButton = 105,
  acCheckBox = 106,
  acOptionGroup = 107,
  acBoundObjectFrame = 108,
  acTextBox = 109,
  acListBox = 110,
  acComboBox = 111,
  acSubform = 112,
  acChart = 113,
  acObjectFrame = 114,
  acPageBreak = 118,
  acCustomControl = 119,
  acToggleButton = 122,
  acTabCtl = 123,
  acPage = 124,
};

}  // namespace objects
