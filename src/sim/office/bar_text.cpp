#include "sim/office/bar_text.h"

#include <algorithm>

#include "com/error.h"
#include "com/text.h"
#include "platform/office.h"
#include "sim/access/text_format_error.h"

namespace sim::office {
namespace {

using com::VarType;
using nlohmann::json;
using access::TextFormatError;

constexpr unsigned kAllControls = kEveryControl | kButtons | kComboBoxes | kPopups;
constexpr std::int32_t kTypeMismatch = 13;
constexpr std::int32_t kMsoBarTop = 1;
constexpr std::int32_t kMsoOLEMenuGroupNone = -1;

unsigned KindsOf(std::int32_t control_type) {
  if (control_type == ::office::msoControlButton) return kEveryControl | kButtons;
  if (control_type >= ::office::msoControlEdit && control_type <= ::office::msoControlComboBox)
    return kEveryControl | kComboBoxes;
  if (::office::IsPopupControl(control_type)) return kEveryControl | kPopups;
  return kEveryControl;
}

bool Fits(const BarMember& member, const json& value) {
  switch (member.type) {
    case VarType::String: return value.is_string();
    case VarType::Boolean: return value.is_boolean();
    default: return value.is_number_integer();
  }
}

[[noreturn]] void Refuse(const std::string& message) { throw TextFormatError(0, message); }

void CheckControl(const json& control, const std::string& where);

void CheckBar(const json& bar, const std::string& where) {
  if (!bar.is_object()) Refuse(where + " is no JSON object");
  if (!bar.contains("Name") || !bar["Name"].is_string() || bar["Name"].get<std::string>().empty())
    Refuse(where + " has no Name");
  const std::string name = where + " '" + bar["Name"].get<std::string>() + "'";
  for (const auto& [key, value] : bar.items()) {
    if (key == "Controls") {
      if (!value.is_array()) Refuse(name + ": Controls is no array");
      for (std::size_t i = 0; i < value.size(); ++i)
        CheckControl(value[i], name + ", control " + std::to_string(i + 1));
      continue;
    }
    const BarMember* member = FindMember(BarMembers(), key);
    if (!member || member->name != key) Refuse(name + ": no bar has " + key);
    if (!Fits(*member, value)) Refuse(name + ": " + key + " has a value of the wrong kind");
  }
  const auto type = bar.value("Type", ::office::msoBarTypeNormal);
  if (type < ::office::msoBarTypeNormal || type > ::office::msoBarTypePopup)
    Refuse(name + ": Type " + std::to_string(type) + " is no bar type");
}

void CheckControl(const json& control, const std::string& where) {
  if (!control.is_object() || !control.contains("Type") || !control["Type"].is_number_integer())
    Refuse(where + " has no Type");
  const std::int32_t type = control["Type"].get<std::int32_t>();
  if (::office::IsPopupControl(type) && !control.contains("CommandBar"))
    Refuse(where + ": a popup without its CommandBar");
  for (const auto& [key, value] : control.items()) {
    if (key == "List") {
      if (!ControlHas(*FindMember(ControlMembers(), "Text"), type) || !value.is_array() ||
          !std::all_of(value.begin(), value.end(), [](const json& item) { return item.is_string(); }))
        Refuse(where + ": List is no list of texts of a combo box");
      continue;
    }
    if (key == "CommandBar") {
      if (!::office::IsPopupControl(type)) Refuse(where + ": only a popup has a CommandBar");
      if (value.is_object() && value.value("Type", ::office::msoBarTypePopup) != ::office::msoBarTypePopup)
        Refuse(where + ": a popup's CommandBar is of Type 2");
      CheckBar(value, where + ", bar");
      continue;
    }
    const BarMember* member = FindMember(ControlMembers(), key);
    if (!member || member->name != key || !ControlHas(*member, type))
      Refuse(where + ": a control of type " + std::to_string(type) + " has no " + key);
    if (!Fits(*member, value)) Refuse(where + ": " + key + " has a value of the wrong kind");
  }
}

}  // namespace

const std::vector<BarMember>& BarMembers() {
  static const std::vector<BarMember> members = {
      {"Name", VarType::String, 0, false, ""},
      {"Type", VarType::Long, 0, true, ::office::msoBarTypeNormal},
      {"BuiltIn", VarType::Boolean, 0, true, false},
      {"Protection", VarType::Long, 0, false, 0},
      {"Enabled", VarType::Boolean, 0, false, true},
      {"Visible", VarType::Boolean, 0, false, false},
      {"Position", VarType::Long, 0, false, kMsoBarTop},
      {"RowIndex", VarType::Long, 0, false, 0},
      {"Left", VarType::Long, 0, false, 0},
      {"Top", VarType::Long, 0, false, 0},
      {"Width", VarType::Long, 0, false, 0},
      {"Height", VarType::Long, 0, false, 0},
  };
  return members;
}

const std::vector<BarMember>& ControlMembers() {
  static const std::vector<BarMember> members = {
      {"Type", VarType::Long, kAllControls, true, ::office::msoControlButton},
      {"Id", VarType::Long, kAllControls, true, 1},
      {"BuiltIn", VarType::Boolean, kAllControls, true, false},
      {"BeginGroup", VarType::Boolean, kAllControls, false, false},
      {"Caption", VarType::String, kAllControls, false, ""},
      {"DescriptionText", VarType::String, kAllControls, false, ""},
      {"Enabled", VarType::Boolean, kAllControls, false, true},
      {"Height", VarType::Long, kAllControls, false, 0},
      {"HelpContextId", VarType::Long, kAllControls, false, 0},
      {"HelpFile", VarType::String, kAllControls, false, ""},
      {"OLEUsage", VarType::Long, kAllControls, false, 0},
      {"OnAction", VarType::String, kAllControls, false, ""},
      {"Parameter", VarType::String, kAllControls, false, ""},
      {"Priority", VarType::Long, kAllControls, false, 0},
      {"Tag", VarType::String, kAllControls, false, ""},
      {"TooltipText", VarType::String, kAllControls, false, ""},
      {"Visible", VarType::Boolean, kAllControls, false, true},
      {"Width", VarType::Long, kAllControls, false, 0},
      {"BuiltInFace", VarType::Boolean, kButtons, false, false},
      {"FaceId", VarType::Long, kButtons, false, 0},
      {"ShortcutText", VarType::String, kButtons, false, ""},
      {"State", VarType::Long, kButtons, false, 0},
      {"Style", VarType::Long, kButtons | kComboBoxes, false, 0},
      {"Text", VarType::String, kComboBoxes, false, ""},
      {"DropDownLines", VarType::Long, kComboBoxes, false, 0},
      {"DropDownWidth", VarType::Long, kComboBoxes, false, 0},
      {"ListHeaderCount", VarType::Long, kComboBoxes, false, -1},
      {"OLEMenuGroup", VarType::Long, kPopups, false, kMsoOLEMenuGroupNone},
  };
  return members;
}

const BarMember* FindMember(const std::vector<BarMember>& members, std::string_view name) {
  for (const auto& member : members)
    if (com::EqualsNoCase(member.name, name)) return &member;
  return nullptr;
}

bool ControlHas(const BarMember& member, std::int32_t control_type) {
  return (member.kinds & KindsOf(control_type)) != 0;
}

com::Variant ReadMember(const BarMember& member, const json& node) {
  const json& value = node.contains(member.name) ? node[member.name] : member.fallback;
  switch (member.type) {
    case VarType::String: return com::Variant(value.get<std::string>());
    case VarType::Boolean: return com::Variant(value.get<bool>());
    default: return com::Variant(value.get<std::int32_t>());
  }
}

void WriteMember(const BarMember& member, json& node, const com::Variant& value) {
  if (value.IsObject() || value.IsNull()) com::RaiseVb(kTypeMismatch);
  switch (member.type) {
    case VarType::String: node[member.name] = com::CStr(value); break;
    case VarType::Boolean: node[member.name] = com::CBool(value); break;
    default: node[member.name] = com::CLng(value);
  }
}

json ParseBar(const std::string& text) {
  json bar;
  try {
    bar = json::parse(text);
  } catch (const json::parse_error& error) {
    const auto end = text.begin() + static_cast<std::ptrdiff_t>(std::min(error.byte, text.size()));
    throw TextFormatError(static_cast<std::size_t>(std::count(text.begin(), end, '\n')) + 1,
                          "not JSON text");
  }
  CheckBar(bar, "the bar");
  return bar;
}

std::string RenderBar(const json& bar) { return bar.dump(2) + "\n"; }

}  // namespace sim::office
