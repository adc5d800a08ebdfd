#pragma once
// The plain text form of a custom command bar: one JSON object whose keys
// are the Office member names of the bar and of its controls, with their
// Office values (MsoBarType, MsoControlType, MsoBarProtection, ...):
//
//   {"Name": "Customers", "Type": 1, "Protection": 0, "Position": 1,
//    "Controls": [
//      {"Type": 1, "Caption": "&Find", "OnAction": "=FindCustomer()", "Parameter": "CustomerID"},
//      {"Type": 4, "Caption": "City", "List": ["Bergen", "Oslo"]},
//      {"Type": 10, "Caption": "&Reports", "CommandBar": {"Name": "Reports", "Type": 2, "Controls": []}}]}
//
// A key left out has Office's default for a new bar or control. Text, Long
// and Boolean members are JSON strings, integers and true/false; a combo
// box's List is an array of strings; a popup's own bar is the CommandBar
// object. The database file keeps this text, and `quillnet export` writes it.

#include <cstdint>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "com/variant.h"

namespace sim::office {

// Office's error for a bar, control or list item it does not have.
inline constexpr std::int32_t kInvalidArgument = 5;

// The control kinds that have a member.
enum ControlKinds : unsigned {
  kEveryControl = 1,
  kButtons = 2,
  kComboBoxes = 4,  // edit boxes, drop-down lists and combo boxes
  kPopups = 8,
};

struct BarMember {
  const char* name;
  com::VarType type;  // String, Long or Boolean
  unsigned kinds;     // for controls: the kinds that have it
  bool read_only;
  nlohmann::json fallback;  // the value of a key left out
};

const std::vector<BarMember>& BarMembers();
const std::vector<BarMember>& ControlMembers();
// The member of that name (letter case ignored); nothing when there is none.
const BarMember* FindMember(const std::vector<BarMember>& members, std::string_view name);
bool ControlHas(const BarMember& member, std::int32_t control_type);

// The member's value in a bar or control, in its type.
com::Variant ReadMember(const BarMember& member, const nlohmann::json& node);
// Sets the member; 13 for a value of no such type.
void WriteMember(const BarMember& member, nlohmann::json& node, const com::Variant& value);

// Raises sim::access::TextFormatError for text that is no bar: no JSON
// object, a bar without a name, an unknown key, a value of the wrong kind.
nlohmann::json ParseBar(const std::string& text);
std::string RenderBar(const nlohmann::json& bar);

}  // namespace sim::office
