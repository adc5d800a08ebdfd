#include "objects/documents/control_properties.h"

#include <algorithm>
#include <initializer_list>

#include "com/text.h"

namespace objects {
namespace {

using com::VarType;

constexpr std::uint32_t Bit(std::int32_t type) { return 1u << (type - acLabel); }

constexpr std::uint32_t Types(std::initializer_list<std::int32_t> types) {
  std::uint32_t bits = 0;
  for (std::int32_t type : types) bits |= Bit(type);
  return bits;
}

constexpr std::uint32_t Range(std::int32_t first, std::int32_t last) {
  std::uint32_t bits = 0;
  for (std::int32_t type = first; type <= last; ++type) bits |= Bit(type);
  return bits;
}

constexpr std::uint32_t kAll =
    Types({acLabel, acRectangle, acLine, acImage, acCommandButton, acOptionButton, acCheckBox,
           acOptionGroup, acBoundObjectFrame, acTextBox, acListBox, acComboBox, acSubform, acChart,
           acObjectFrame, acPageBreak, acCustomControl, acToggleButton, acTabCtl, acPage});

constexpr std::uint32_t AllBut(std::initializer_list<std::int32_t> types) {
  return kAll & ~Types(types);
}

// Rows of one applicability: each property with its type.
struct Group {
  std::uint32_t types;
  std::initializer_list<MirrorSpec> properties;
};

using namespace property_types;

std::vector<ControlProperty> Build() {
  const Group groups[] = {
      {Types({acBoundObjectFrame, acObjectFrame}),
       {{"AutoActivate", I}, {"DisplayType", L}, {"OLEType", L, false}, {"OLETypeAllowed", L},
        {"Scaling", L}, {"SourceDoc", S}, {"SourceItem", S}, {"UpdateOptions", I}}},
      {Types({acLabel, acTextBox}),
       {{"BottomMargin", I}, {"LeftMargin", I}, {"LineSpacing", I}, {"RightMargin", I},
        {"TopMargin", I}, {"Vertical", B}}},
      {Range(acOptionButton, acComboBox) | Bit(acToggleButton),
       {{"AfterUpdate", S}, {"BeforeUpdate", S}, {"ColumnHidden", B}, {"ColumnOrder", I},
        {"ColumnWidth", I}}},
      {Types({acTextBox, acComboBox}),
       {{"AllowAutoCorrect", B}, {"DecimalPlaces", Y}, {"Format", S}, {"InputMask", S},
        {"IsHyperlink", B}}},
      {Types({acComboBox}),
       {{"AutoExpand", B}, {"LimitToList", B}, {"ListRows", I}, {"ListWidth", L},
        {"OnNotInList", S}}},
      {Types({acTextBox}),
       {{"AutoTab", B}, {"EnterKeyBehavior", B}, {"FilterLookup", L}, {"RunningSum", L},
        {"ScrollBars", L}}},
      {Types({acLabel, acCommandButton, acTextBox, acListBox, acComboBox, acToggleButton, acTabCtl}),
       {{"FontItalic", B}, {"FontName", S}, {"FontSize", I}, {"FontUnderline", B},
        {"FontWeight", I}}},
      {AllBut({acLine, acSubform, acChart, acPageBreak, acCustomControl}),
       {{"OnClick", S}, {"OnDblClick", S}, {"OnMouseDown", S}, {"OnMouseMove", S},
        {"OnMouseUp", S}}},
      {AllBut({acCommandButton, acChart, acPageBreak, acToggleButton, acTabCtl, acPage}),
       {{"BorderColor", L}, {"BorderStyle", L}, {"BorderWidth", Y}, {"SpecialEffect", L}}},
      {Types({acListBox, acComboBox, acObjectFrame}),
       {{"ColumnCount", I}, {"ColumnHeads", B}, {"RowSource", S}, {"RowSourceType", S}}},
      {Types({acOptionButton, acCheckBox, acOptionGroup, acTextBox, acListBox, acComboBox,
              acToggleButton}),
       {{"DefaultValue", S}, {"HideDuplicates", B}, {"ValidationRule", S},
        {"ValidationText", S}}},
      {Types({acImage}),
       {{"ImageHeight", L}, {"ImageWidth", L}, {"PictureAlignment", L}, {"PictureTiling", B}}},
      {Types({acTabCtl}),
       {{"MultiRow", B}, {"Style", L}, {"TabFixedHeight", I}, {"TabFixedWidth", I}}},
      {Types({acBoundObjectFrame, acObjectFrame, acCustomControl}),
       {{"Class", S}, {"OnUpdated", S}, {"Verb", L}}},
      {AllBut({acChart, acPageBreak}), {{"Height", I}, {"Visible", B}, {"Width", I}}},
      {Types({acCommandButton, acOptionButton, acCheckBox, acBoundObjectFrame, acTextBox,
              acListBox, acComboBox, acToggleButton, acTabCtl}),
       {{"OnKeyDown", S}, {"OnKeyPress", S}, {"OnKeyUp", S}}},
      {Types({acCommandButton}), {{"AutoRepeat", B}, {"Transparent", B}}},
      {Types({acListBox, acComboBox}), {{"BoundColumn", L}, {"ColumnWidths", S}}},
      {Types({acCommandButton, acCustomControl}), {{"Cancel", B}, {"Default", B}}},
      {Types({acTextBox, acSubform}), {{"CanGrow", B}, {"CanShrink", B}}},
      {Types({acLabel, acImage, acCommandButton}),
       {{"HyperlinkAddress", S}, {"HyperlinkSubAddress", S}}},
      {AllBut({acChart}), {{"Left", I}, {"Top", I}}},
      {Types({acSubform, acObjectFrame}), {{"LinkChildFields", S}, {"LinkMasterFields", S}}},
      {Range(acCommandButton, acSubform) | Types({acObjectFrame, acCustomControl, acToggleButton}),
       {{"OnEnter", S}, {"OnExit", S}}},
      {Types({acCommandButton, acOptionButton, acCheckBox, acBoundObjectFrame, acTextBox,
              acListBox, acComboBox, acObjectFrame, acCustomControl, acToggleButton}),
       {{"OnGotFocus", S}, {"OnLostFocus", S}}},
      {Types({acOptionButton, acCheckBox, acToggleButton}),
       {{"OptionValue", L}, {"TripleState", B}}},
      {Types({acImage, acCommandButton, acToggleButton, acPage}),
       {{"Picture", S}, {"PictureType", L}}},
      {Range(acCommandButton, acSubform) | Types({acObjectFrame, acCustomControl, acToggleButton,
                                                  acTabCtl}),
       {{"TabIndex", I}, {"TabStop", B}}},
      {Types({acLabel, acRectangle, acImage, acOptionGroup, acBoundObjectFrame, acTextBox,
              acListBox, acComboBox, acObjectFrame}),
       {{"BackColor", L}}},
      {Types({acLabel, acRectangle, acImage, acOptionGroup, acBoundObjectFrame, acTextBox,
              acComboBox, acObjectFrame, acTabCtl}),
       {{"BackStyle", L}}},
      {Types({acLabel, acCommandButton, acToggleButton, acPage}), {{"Caption", S}}},
      {Range(acOptionButton, acComboBox) | Types({acCustomControl, acToggleButton}),
       {{"ControlSource", S}}},
      {AllBut({acRectangle, acLine, acSubform, acChart, acPageBreak, acTabCtl}),
       {{"ControlTipText", S}}},
      {AllBut({acChart, acPageBreak, acPage}), {{"DisplayWhen", L}}},
      {Range(acCommandButton, acSubform) | Types({acObjectFrame, acCustomControl, acToggleButton,
                                                  acTabCtl, acPage}),
       {{"Enabled", B}}},
      {Types({acLabel, acCommandButton, acTextBox, acListBox, acComboBox, acToggleButton}),
       {{"ForeColor", L}}},
      {AllBut({acRectangle, acLine, acSubform, acChart, acPageBreak}), {{"HelpContextID", L}}},
      {Types({acLine}), {{"LineSlant", B}}},
      {Range(acOptionButton, acSubform) | Types({acObjectFrame, acCustomControl, acToggleButton}),
       {{"Locked", B}}},
      {Types({acListBox}), {{"MultiSelect", L}}},
      {Types({acObjectFrame, acCustomControl}), {{"OLEClass", S, false}}},
      {Types({acTextBox, acComboBox, acTabCtl}), {{"OnChange", S}}},
      {Types({acPage}), {{"PageIndex", I}}},
      {AllBut({acRectangle, acLine, acSubform, acChart, acPageBreak, acCustomControl}),
       {{"ShortcutMenuBar", S}}},
      {Types({acImage, acBoundObjectFrame, acObjectFrame}), {{"SizeMode", L}}},
      {Types({acSubform}), {{"SourceObject", S}}},
      {AllBut({acLabel, acRectangle, acLine, acImage, acChart, acPageBreak, acCustomControl}),
       {{"StatusBarText", S}}},
      {Types({acLabel, acTextBox, acComboBox}), {{"TextAlign", L}}},
  };
  std::vector<ControlProperty> rows;
  for (const Group& group : groups)
    for (const MirrorSpec& spec : group.properties) rows.push_back({spec, group.types});
  std::sort(rows.begin(), rows.end(), [](const ControlProperty& a, const ControlProperty& b) {
    return com::LCase(a.spec.name) < com::LCase(b.spec.name);
  });
  return rows;
}

}  // namespace

const std::vector<ControlProperty>& ControlProperties() {
  static const std::vector<ControlProperty> rows = Build();
  return rows;
}

bool ControlHasProperty(const ControlProperty& row, std::int32_t control_type) {
  return control_type >= acLabel && control_type <= acPage && (row.types & Bit(control_type));
}

}  // namespace objects
