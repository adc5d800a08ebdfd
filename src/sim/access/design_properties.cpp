#include "sim/access/design_properties.h"

#include <map>

#include "com/text.h"

namespace sim::access {
namespace {

// Access 2000's system colours as OLE colours.
constexpr std::int32_t kWhite = 16777215;
constexpr std::int32_t kButtonFace = -2147483633;

DesignProperty Make(std::string name, DesignType type, com::Variant fallback) {
  DesignProperty property;
  property.name = std::move(name);
  property.type = type;
  property.fallback = std::move(fallback);
  return property;
}
DesignProperty Text(std::string name, std::string fallback = "") {
  return Make(std::move(name), DesignType::String, com::Variant(std::move(fallback)));
}
DesignProperty YesNo(std::string name, bool fallback) {
  return Make(std::move(name), DesignType::Boolean, com::Variant(fallback));
}
DesignProperty Integer(std::string name, std::int16_t fallback) {
  return Make(std::move(name), DesignType::Integer, com::Variant(fallback));
}
DesignProperty Long(std::string name, std::int32_t fallback) {
  return Make(std::move(name), DesignType::Long, com::Variant(fallback));
}
DesignProperty Byte(std::string name, std::uint8_t fallback) {
  return Make(std::move(name), DesignType::Byte, com::Variant(fallback));
}
// Access keeps its enumerated properties as Byte values.
DesignProperty Choice(std::string name, std::uint8_t fallback, std::int32_t largest,
                      std::int32_t gap = -1) {
  DesignProperty property = Byte(std::move(name), fallback);
  property.largest = largest;
  property.gap = gap;
  return property;
}
DesignProperty ReadOnly(DesignProperty property) {
  property.read_only = true;
  return property;
}
DesignProperty ReportOnly(DesignProperty property) {
  property.report_only = true;
  return property;
}

std::vector<DesignProperty> Texts(std::initializer_list<const char*> names) {
  std::vector<DesignProperty> properties;
  for (const char* name : names) properties.push_back(Text(name));
  return properties;
}

void Append(std::vector<DesignProperty>& to, std::vector<DesignProperty> more) {
  for (auto& property : more) to.push_back(std::move(property));
}

std::vector<DesignProperty> FormTable() {
  std::vector<DesignProperty> form = Texts(
      {"AfterDelConfirm", "AfterInsert", "AfterUpdate", "BeforeDelConfirm", "BeforeInsert",
       "BeforeUpdate", "Caption", "Filter", "HelpFile", "InputParameters", "MenuBar",
       "OnActivate", "OnApplyFilter", "OnClick", "OnClose", "OnCurrent", "OnDblClick",
       "OnDeactivate", "OnDelete", "OnDirty", "OnError", "OnFilter", "OnGotFocus", "OnKeyDown",
       "OnKeyPress", "OnKeyUp", "OnLoad", "OnLostFocus", "OnMouseDown", "OnMouseMove",
       "OnMouseUp", "OnOpen", "OnResize", "OnTimer", "OnUnload", "OrderBy", "RecordSource",
       "ResyncCommand", "ServerFilter", "ShortcutMenuBar", "Tag", "Toolbar", "UniqueTable"});
  Append(form, {
      Text("DatasheetFontName", "Arial"), Text("PaletteSource", "(Default)"),
      // A form without a picture answers "(none)", as its property sheet shows it.
      Text("Picture", "(none)"),
      YesNo("AllowAdditions", true), YesNo("AllowDeletions", true),
      YesNo("AllowDesignChanges", true), YesNo("AllowEdits", true), YesNo("AllowFilters", true),
      YesNo("AutoCenter", false), YesNo("AutoResize", true), YesNo("CloseButton", true),
      YesNo("ControlBox", true), YesNo("DataEntry", false), YesNo("DatasheetFontItalic", false),
      YesNo("DatasheetFontUnderline", false), YesNo("DividingLines", true),
      YesNo("FastLaserPrinting", true), YesNo("KeyPreview", false),
      YesNo("LayoutForPrint", false), YesNo("MaxRecButton", true), YesNo("Modal", false),
      YesNo("NavigationButtons", true), YesNo("PictureTiling", false), YesNo("PopUp", false),
      YesNo("RecordSelectors", true), YesNo("ServerFilterByForm", false),
      YesNo("ShortcutMenu", true), YesNo("SubDatasheetExpanded", false),
      YesNo("WhatsThisButton", false),
      Integer("DatasheetFontHeight", 10), Integer("DatasheetFontWeight", 400),
      Integer("GridX", 24), Integer("GridY", 24),
      // The datasheet's standard row height is -1 ("Default" in the sheet).
      Integer("RowHeight", -1), Integer("SubDatasheetHeight", 0),
      // Not documented: a new blank form is 5 inches wide.
      Integer("Width", 7200),
      // The record selector counts as the first frozen column.
      ReadOnly(Integer("FrozenColumns", 1)),
      Long("HelpContextID", 0), Long("MaxRecords", 0), Long("TimerInterval", 0),
      Long("DatasheetBackColor", kWhite), Long("DatasheetForeColor", 0),
      Long("DatasheetGridlinesColor", 12632256),
      Choice("BorderStyle", 2, 3), Choice("Cycle", 0, 2), Choice("DatasheetCellsEffect", 0, 2),
      Choice("DatasheetGridlinesBehavior", 3, 3), Choice("DefaultView", 0, 2),
      Choice("MinMaxButtons", 3, 3), Choice("PictureAlignment", 2, 5),
      Choice("PictureSizeMode", 0, 3, 2), Choice("PictureType", 0, 1),
      Choice("RecordLocks", 0, 2), Choice("RecordsetType", 0, 2), Choice("ScrollBars", 3, 3),
      Choice("ViewsAllowed", 0, 2)});
  return form;
}

std::vector<DesignProperty> ReportTable() {
  std::vector<DesignProperty> report =
      Texts({"Caption", "Filter", "HelpFile", "InputParameters", "MenuBar", "OnActivate",
             "OnClose", "OnDeactivate", "OnError", "OnNoData", "OnOpen", "OnPage", "OrderBy",
             "RecordSource", "ServerFilter", "ShortcutMenuBar", "Tag", "Toolbar"});
  Append(report, {
      Text("PaletteSource", "(Default)"), Text("Picture", "(none)"),
      YesNo("FastLaserPrinting", true),
      // Reports are laid out with the printer's fonts.
      YesNo("LayoutForPrint", true), YesNo("PictureTiling", false),
      Integer("GridX", 24), Integer("GridY", 24),
      // Not documented: a new blank report is 5 inches wide.
      Integer("Width", 7200), Long("HelpContextID", 0),
      Choice("DateGrouping", 0, 1), Choice("GrpKeepTogether", 0, 1),
      Choice("PageFooter", 0, 3), Choice("PageHeader", 0, 3), Choice("PictureAlignment", 2, 5),
      Choice("PicturePages", 0, 2), Choice("PictureSizeMode", 0, 3, 2),
      Choice("PictureType", 0, 1), Choice("RecordLocks", 0, 2)});
  return report;
}

// Form sections are painted in the button face colour, report sections white.
DesignProperty SectionColour() {
  DesignProperty colour = Long("BackColor", kButtonFace);
  colour.report_fallback = com::Variant(kWhite);
  return colour;
}

std::vector<DesignProperty> SectionTable() {
  return {
      SectionColour(), YesNo("CanGrow", false), YesNo("CanShrink", false),
      Choice("DisplayWhen", 0, 2), Choice("ForceNewPage", 0, 3),
      // Not documented: a new section is one inch high.
      Integer("Height", 1440),
      // Not documented for sections; the value a new detail section gets.
      YesNo("KeepTogether", false), Choice("NewRowOrCol", 0, 3), Text("OnClick"),
      Text("OnDblClick"), ReportOnly(Text("OnFormat")), Text("OnMouseDown"),
      Text("OnMouseMove"), Text("OnMouseUp"), ReportOnly(Text("OnPrint")),
      ReportOnly(Text("OnRetreat")), ReportOnly(YesNo("RepeatSection", false)),
      Choice("SpecialEffect", 0, 5), Text("Tag"), YesNo("Visible", true)};
}

constexpr std::int32_t kLabel = 100, kRectangle = 101, kLine = 102, kImage = 103,
                       kCommandButton = 104, kOptionButton = 105, kCheckBox = 106,
                       kOptionGroup = 107, kBoundObjectFrame = 108, kTextBox = 109,
                       kListBox = 110, kComboBox = 111, kSubform = 112, kChart = 113,
                       kObjectFrame = 114, kPageBreak = 118, kCustomControl = 119,
                       kToggleButton = 122, kTabControl = 123, kPage = 124;

const std::vector<std::int32_t>& AllTypes() {
  static const std::vector<std::int32_t> all = {
      kLabel,        kRectangle, kLine,        kImage,          kCommandButton, kOptionButton,
      kCheckBox,     kOptionGroup, kBoundObjectFrame, kTextBox, kListBox,      kComboBox,
      kSubform,      kChart,     kObjectFrame, kPageBreak,      kCustomControl, kToggleButton,
      kTabControl,   kPage};
  return all;
}

// Which control types have a property, as Access 2000's type library gives
// each control class its members: the types listed, or all but those.
struct Applies {
  std::vector<DesignProperty> properties;
  std::vector<std::int32_t> types;
  bool all_but = false;
};

Applies Only(std::vector<DesignProperty> properties, std::vector<std::int32_t> types) {
  return {std::move(properties), std::move(types), false};
}
Applies AllBut(std::vector<DesignProperty> properties, std::vector<std::int32_t> types) {
  return {std::move(properties), std::move(types), true};
}

const std::vector<Applies>& ControlTable() {
  static const std::vector<Applies> table = {
      AllBut({Text("Tag")}, {}),
      Only({Integer("AutoActivate", 2), Choice("DisplayType", 0, 1),
            ReadOnly(Choice("OLEType", 3, 3)), Choice("OLETypeAllowed", 2, 2),
            Choice("Scaling", 0, 7), Text("SourceDoc"), Text("SourceItem"),
            Integer("UpdateOptions", 3)},
           {kBoundObjectFrame, kObjectFrame}),
      Only({Integer("BottomMargin", 0), Integer("LeftMargin", 0), Integer("LineSpacing", 0),
            Integer("RightMargin", 0), Integer("TopMargin", 0), YesNo("Vertical", false)},
           {kLabel, kTextBox}),
      Only({Text("AfterUpdate"), Text("BeforeUpdate"), YesNo("ColumnHidden", false),
            Integer("ColumnOrder", 0), Integer("ColumnWidth", -1)},
           {kOptionButton, kCheckBox, kOptionGroup, kBoundObjectFrame, kTextBox, kListBox,
            kComboBox, kToggleButton}),
      // DecimalPlaces 255 is "Auto".
      Only({YesNo("AllowAutoCorrect", true), Byte("DecimalPlaces", 255), Text("Format"),
            Text("InputMask"), YesNo("IsHyperlink", false)},
           {kTextBox, kComboBox}),
      // ListRows is 8 in Access 2000; Access 2007 made it 16.
      Only({YesNo("AutoExpand", true), YesNo("LimitToList", false), Integer("ListRows", 8),
            Long("ListWidth", 0), Text("OnNotInList")},
           {kComboBox}),
      Only({YesNo("AutoTab", false), YesNo("EnterKeyBehavior", false),
            Choice("FilterLookup", 1, 2), Choice("RunningSum", 0, 2), Choice("ScrollBars", 0, 3)},
           {kTextBox}),
      Only({YesNo("FontItalic", false), Text("FontName", "Tahoma"), Integer("FontSize", 8),
            YesNo("FontUnderline", false), Integer("FontWeight", 400)},
           {kLabel, kCommandButton, kTextBox, kListBox, kComboBox, kToggleButton, kTabControl}),
      AllBut(Texts({"OnClick", "OnDblClick", "OnMouseDown", "OnMouseMove", "OnMouseUp"}),
             {kLine, kSubform, kChart, kPageBreak, kCustomControl}),
      AllBut({Long("BorderColor", 0), Choice("BorderStyle", 1, 7), Choice("BorderWidth", 0, 6),
              Choice("SpecialEffect", 0, 5)},
             {kCommandButton, kChart, kPageBreak, kToggleButton, kTabControl, kPage}),
      Only({Integer("ColumnCount", 1), YesNo("ColumnHeads", false), Text("RowSource"),
            Text("RowSourceType", "Table/Query")},
           {kListBox, kComboBox, kObjectFrame}),
      Only({Text("DefaultValue"), YesNo("HideDuplicates", false), Text("ValidationRule"),
            Text("ValidationText")},
           {kOptionButton, kCheckBox, kOptionGroup, kTextBox, kListBox, kComboBox,
            kToggleButton}),
      Only({Long("ImageHeight", 0), Long("ImageWidth", 0), Choice("PictureAlignment", 2, 5),
            YesNo("PictureTiling", false)},
           {kImage}),
      Only({YesNo("MultiRow", false), Choice("Style", 0, 2), Integer("TabFixedHeight", 0),
            Integer("TabFixedWidth", 0)},
           {kTabControl}),
      Only({Text("Class"), Text("OnUpdated"), Long("Verb", 0)},
           {kBoundObjectFrame, kObjectFrame, kCustomControl}),
      // Not documented: a new control is one inch wide and a sixth of an inch high.
      AllBut({Integer("Height", 240), YesNo("Visible", true), Integer("Width", 1440)},
             {kChart, kPageBreak}),
      Only(Texts({"OnKeyDown", "OnKeyPress", "OnKeyUp"}),
           {kCommandButton, kOptionButton, kCheckBox, kBoundObjectFrame, kTextBox, kListBox,
            kComboBox, kToggleButton, kTabControl}),
      Only({YesNo("AutoRepeat", false), YesNo("Transparent", false)}, {kCommandButton}),
      Only({Long("BoundColumn", 1), Text("ColumnWidths")}, {kListBox, kComboBox}),
      Only({YesNo("Cancel", false), YesNo("Default", false)}, {kCommandButton, kCustomControl}),
      Only({YesNo("CanGrow", false), YesNo("CanShrink", false)}, {kTextBox, kSubform}),
      Only(Texts({"HyperlinkAddress", "HyperlinkSubAddress"}), {kLabel, kImage, kCommandButton}),
      AllBut({Integer("Left", 0), Integer("Top", 0)}, {kChart}),
      Only(Texts({"LinkChildFields", "LinkMasterFields"}), {kSubform, kObjectFrame}),
      Only(Texts({"OnEnter", "OnExit"}),
           {kCommandButton, kOptionButton, kCheckBox, kOptionGroup, kBoundObjectFrame, kTextBox,
            kListBox, kComboBox, kSubform, kObjectFrame, kCustomControl, kToggleButton}),
      Only(Texts({"OnGotFocus", "OnLostFocus"}),
           {kCommandButton, kOptionButton, kCheckBox, kBoundObjectFrame, kTextBox, kListBox,
            kComboBox, kObjectFrame, kCustomControl, kToggleButton}),
      Only({Long("OptionValue", 0), YesNo("TripleState", false)},
           {kOptionButton, kCheckBox, kToggleButton}),
      Only({Text("Picture", "(none)"), Choice("PictureType", 0, 1)},
           {kImage, kCommandButton, kToggleButton, kPage}),
      Only({Integer("TabIndex", 0), YesNo("TabStop", true)},
           {kCommandButton, kOptionButton, kCheckBox, kOptionGroup, kBoundObjectFrame, kTextBox,
            kListBox, kComboBox, kSubform, kObjectFrame, kCustomControl, kToggleButton,
            kTabControl}),
      Only({Long("BackColor", kWhite)},
           {kLabel, kRectangle, kImage, kOptionGroup, kBoundObjectFrame, kTextBox, kListBox,
            kComboBox, kObjectFrame}),
      Only({Choice("BackStyle", 1, 1)},
           {kLabel, kRectangle, kImage, kOptionGroup, kBoundObjectFrame, kTextBox, kComboBox,
            kObjectFrame, kTabControl}),
      Only({Text("Caption")}, {kLabel, kCommandButton, kToggleButton, kPage}),
      Only({Text("ControlSource")},
           {kOptionButton, kCheckBox, kOptionGroup, kBoundObjectFrame, kTextBox, kListBox,
            kComboBox, kCustomControl, kToggleButton}),
      AllBut({Text("ControlTipText")},
             {kRectangle, kLine, kSubform, kChart, kPageBreak, kTabControl}),
      AllBut({Choice("DisplayWhen", 0, 2)}, {kChart, kPageBreak, kPage}),
      Only({YesNo("Enabled", true)},
           {kCommandButton, kOptionButton, kCheckBox, kOptionGroup, kBoundObjectFrame, kTextBox,
            kListBox, kComboBox, kSubform, kObjectFrame, kCustomControl, kToggleButton,
            kTabControl, kPage}),
      Only({Long("ForeColor", 0)},
           {kLabel, kCommandButton, kTextBox, kListBox, kComboBox, kToggleButton}),
      AllBut({Long("HelpContextID", 0)}, {kRectangle, kLine, kSubform, kChart, kPageBreak}),
      Only({YesNo("LineSlant", false)}, {kLine}),
      Only({YesNo("Locked", false)},
           {kOptionButton, kCheckBox, kOptionGroup, kBoundObjectFrame, kTextBox, kListBox,
            kComboBox, kSubform, kObjectFrame, kCustomControl, kToggleButton}),
      Only({Choice("MultiSelect", 0, 2)}, {kListBox}),
      Only({ReadOnly(Text("OLEClass"))}, {kObjectFrame, kCustomControl}),
      Only({Text("OnChange")}, {kTextBox, kComboBox, kTabControl}),
      Only({Integer("PageIndex", 0)}, {kPage}),
      AllBut({Text("ShortcutMenuBar")},
             {kRectangle, kLine, kSubform, kChart, kPageBreak, kCustomControl}),
      Only({Choice("SizeMode", 0, 3, 2)}, {kImage, kBoundObjectFrame, kObjectFrame}),
      Only({Text("SourceObject")}, {kSubform}),
      AllBut({Text("StatusBarText")},
             {kLabel, kRectangle, kLine, kImage, kChart, kPageBreak, kCustomControl}),
      Only({Choice("TextAlign", 0, 3)}, {kLabel, kTextBox, kComboBox}),
  };
  return table;
}

// Where a kind of control starts out otherwise than most: transparent
// labels, rectangles, images and option groups without a border of their
// own, sunken boxes, buttons of their own size. The sizes are not
// documented; they are those of a control drawn with one click.
const std::map<std::pair<std::int32_t, std::string>, com::Variant>& Overrides() {
  static const std::map<std::pair<std::int32_t, std::string>, com::Variant> overrides = {
      {{kLabel, "BackStyle"}, com::Variant(std::uint8_t{0})},
      {{kLabel, "BorderStyle"}, com::Variant(std::uint8_t{0})},
      {{kLabel, "BackColor"}, com::Variant(kButtonFace)},
      {{kRectangle, "BackStyle"}, com::Variant(std::uint8_t{0})},
      {{kRectangle, "BackColor"}, com::Variant(kButtonFace)},
      {{kImage, "BackStyle"}, com::Variant(std::uint8_t{0})},
      {{kImage, "BorderStyle"}, com::Variant(std::uint8_t{0})},
      {{kImage, "BackColor"}, com::Variant(kButtonFace)},
      {{kOptionGroup, "BackStyle"}, com::Variant(std::uint8_t{0})},
      {{kOptionGroup, "BackColor"}, com::Variant(kButtonFace)},
      {{kOptionGroup, "SpecialEffect"}, com::Variant(std::uint8_t{3})},
      {{kTabControl, "BackStyle"}, com::Variant(std::uint8_t{0})},
      {{kTextBox, "SpecialEffect"}, com::Variant(std::uint8_t{2})},
      {{kComboBox, "SpecialEffect"}, com::Variant(std::uint8_t{2})},
      {{kListBox, "SpecialEffect"}, com::Variant(std::uint8_t{2})},
      {{kCheckBox, "SpecialEffect"}, com::Variant(std::uint8_t{2})},
      {{kOptionButton, "SpecialEffect"}, com::Variant(std::uint8_t{2})},
      {{kBoundObjectFrame, "SpecialEffect"}, com::Variant(std::uint8_t{2})},
      {{kObjectFrame, "SpecialEffect"}, com::Variant(std::uint8_t{2})},
      {{kSubform, "SpecialEffect"}, com::Variant(std::uint8_t{2})},
      {{kObjectFrame, "RowSourceType"}, com::Variant(std::string())},
      {{kCommandButton, "Height"}, com::Variant(std::int16_t{360})},
      {{kToggleButton, "Height"}, com::Variant(std::int16_t{360})},
      {{kCheckBox, "Width"}, com::Variant(std::int16_t{260})},
      {{kOptionButton, "Width"}, com::Variant(std::int16_t{260})},
      {{kLine, "Height"}, com::Variant(std::int16_t{0})},
      {{kOptionGroup, "Height"}, com::Variant(std::int16_t{1440})},
      {{kRectangle, "Height"}, com::Variant(std::int16_t{1440})},
      {{kSubform, "Width"}, com::Variant(std::int16_t{4320})},
      {{kSubform, "Height"}, com::Variant(std::int16_t{2880})},
      {{kTabControl, "Width"}, com::Variant(std::int16_t{4320})},
      {{kTabControl, "Height"}, com::Variant(std::int16_t{2880})},
  };
  return overrides;
}

bool Lists(const std::vector<std::int32_t>& types, std::int32_t type) {
  return std::find(types.begin(), types.end(), type) != types.end();
}

DesignProperties TableOfControl(std::int32_t type) {
  std::vector<DesignProperty> properties;
  for (const Applies& row : ControlTable()) {
    if (Lists(row.types, type) == !row.all_but) {
      for (DesignProperty property : row.properties) {
        const auto special = Overrides().find({type, property.name});
        if (special != Overrides().end()) property.fallback = special->second;
        properties.push_back(std::move(property));
      }
    }
  }
  return DesignProperties(std::move(properties));
}

}  // namespace

DesignProperties::DesignProperties(std::vector<DesignProperty> properties)
    : properties_(std::move(properties)) {}

const DesignProperty* DesignProperties::Find(std::string_view name) const {
  for (const DesignProperty& property : properties_)
    if (com::EqualsNoCase(property.name, name)) return &property;
  return nullptr;
}

const DesignProperties& FormProperties() {
  static const DesignProperties form(FormTable());
  return form;
}

const DesignProperties& ReportProperties() {
  static const DesignProperties report(ReportTable());
  return report;
}

const DesignProperties& SectionProperties() {
  static const DesignProperties section(SectionTable());
  return section;
}

// A report's sorting and grouping level: SortOrder is Yes for a descending
// level; GroupOn runs from "Each Value" (0) to "Interval" (9), KeepTogether
// from "No" to "With First Detail" (2); whether the level has a header or
// footer is set in the Sorting and Grouping box only.
const DesignProperties& GroupLevelProperties() {
  static const DesignProperties level({
      Text("ControlSource"),
      ReadOnly(YesNo("GroupFooter", false)),
      ReadOnly(YesNo("GroupHeader", false)),
      Long("GroupInterval", 1),
      Choice("GroupOn", 0, 9),
      Choice("KeepTogether", 0, 2),
      YesNo("SortOrder", false),
  });
  return level;
}

const DesignProperties& ControlProperties(std::int32_t control_type) {
  static const std::map<std::int32_t, DesignProperties> tables = [] {
    std::map<std::int32_t, DesignProperties> all;
    for (std::int32_t type : AllTypes()) all.emplace(type, TableOfControl(type));
    return all;
  }();
  return tables.at(control_type);
}

const std::vector<std::int32_t>& ControlTypes() { return AllTypes(); }

std::string ControlClassName(std::int32_t control_type) {
  static const std::map<std::int32_t, std::string> names = {
      {kLabel, "Label"},
      {kRectangle, "Rectangle"},
      {kLine, "Line"},
      {kImage, "Image"},
      {kCommandButton, "CommandButton"},
      {kOptionButton, "OptionButton"},
      {kCheckBox, "CheckBox"},
      {kOptionGroup, "OptionGroup"},
      {kBoundObjectFrame, "BoundObjectFrame"},
      {kTextBox, "TextBox"},
      {kListBox, "ListBox"},
      {kComboBox, "ComboBox"},
      {kSubform, "SubForm"},
      {kChart, "Chart"},
      {kObjectFrame, "ObjectFrame"},
      {kPageBreak, "PageBreak"},
      {kCustomControl, "CustomControl"},
      {kToggleButton, "ToggleButton"},
      {kTabControl, "TabControl"},
      {kPage, "Page"},
  };
  return names.at(control_type);
}

std::int32_t ControlTypeOfBlock(std::string_view block_type) {
  static const std::map<std::string, std::int32_t, std::less<>> types = {
      {"Label", kLabel},
      {"Rectangle", kRectangle},
      {"Line", kLine},
      {"Image", kImage},
      {"CommandButton", kCommandButton},
      {"OptionButton", kOptionButton},
      {"CheckBox", kCheckBox},
      {"OptionGroup", kOptionGroup},
      {"BoundObjectFrame", kBoundObjectFrame},
      {"TextBox", kTextBox},
      {"ListBox", kListBox},
      {"ComboBox", kComboBox},
      {"Subform", kSubform},
      {"Chart", kChart},
      // SaveAsText names an unbound object frame so; Access's own class is ObjectFrame.
      {"UnboundObjectFrame", kObjectFrame},
      {"ObjectFrame", kObjectFrame},
      {"PageBreak", kPageBreak},
      {"CustomControl", kCustomControl},
      {"ToggleButton", kToggleButton},
      // The same for a tab control.
      {"Tab", kTabControl},
      {"TabControl", kTabControl},
      {"Page", kPage},
  };
  const auto found = types.find(block_type);
  return found == types.end() ? 0 : found->second;
}

}  // namespace sim::access
