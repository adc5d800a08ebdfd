#include "sim/access/design_control.h"

#include <algorithm>
#include <map>

#include "com/text.h"
#include "sim/access/access_errors.h"
#include "sim/access/design_controls.h"
#include "sim/access/document_design.h"
#include "sim/access/format_conditions.h"

namespace sim::access {
namespace {

constexpr std::int32_t kCustomControlType = 119;
constexpr std::int32_t kTextBoxType = 109;
constexpr std::int32_t kComboBoxType = 111;

// The kinds that hold other controls: an option group its buttons, a tab
// control its pages, a page its controls, and the kinds that can have an
// attached label.
bool HoldsControls(std::int32_t type) {
  static const std::vector<std::int32_t> holders = {105, 106, 107, 108, 109, 110,
                                                    111, 112, 114, 122, 123, 124};
  return std::find(holders.begin(), holders.end(), type) != holders.end();
}

com::TypeInfo ControlTypeInfo(std::int32_t type) {
  com::TypeBuilder<DesignControl> builder(ControlClassName(type));
  builder.Property("Name", &DesignControl::Name, &DesignControl::SetName)
      .Get("ControlType", &DesignControl::ControlType)
      .Get("EventProcPrefix", &DesignControl::EventProcPrefix)
      .Get("Parent", &DesignControl::Parent)
      .Get("Section", &DesignControl::Section);
  if (HoldsControls(type)) builder.Get("Controls", &DesignControl::Controls);
  if (type == kCustomControlType) builder.Get("Object", &DesignControl::Object);
  if (type == kTextBoxType || type == kComboBoxType)
    builder.Get("FormatConditions", &DesignControl::FormatConditions);
  return DesignTypeInfo(std::move(builder), ControlProperties(type));
}

const com::TypeInfo& TypeInfoOf(std::int32_t type) {
  static const std::map<std::int32_t, com::TypeInfo> infos = [] {
    std::map<std::int32_t, com::TypeInfo> all;
    for (std::int32_t kind : ControlTypes()) all.emplace(kind, ControlTypeInfo(kind));
    return all;
  }();
  return infos.at(type);
}

bool IsVbaNameCharacter(const std::string& character) {
  const auto c = static_cast<unsigned char>(character.front());
  return c >= 0x80 || std::isalnum(c) || c == '_';
}

}  // namespace

DesignControl::DesignControl(std::weak_ptr<DocumentDesign> design, TextNode* block,
                             std::int32_t control_type, std::weak_ptr<DesignControl> parent,
                             std::int32_t section, const TextNode* defaults)
    : DesignElement(block, ControlProperties(control_type)),
      design_(std::move(design)),
      type_(control_type),
      members_(TypeInfoOf(control_type)),
      parent_(std::move(parent)),
      section_(section),
      defaults_(defaults) {}

const com::TypeInfo& DesignControl::Members() const { return members_; }

std::shared_ptr<DocumentDesign> DesignControl::Design() const {
  return DocumentDesign::Require(design_);
}

std::string DesignControl::Name() {
  Design();
  return StoredName();
}

// The event procedure prefix follows the name; Access writes it only where
// it differs from the name.
void DesignControl::SetName(const std::string& name) {
  const auto design = Design();
  if (name.empty()) RaiseAccess(kInvalidName, name);
  design->RequireUniqueName(name, *this);
  WriteString(EditBlock(), "Name", name);
  const std::string prefix = EventProcPrefixOf(name);
  WriteString(EditBlock(), "EventProcPrefix", prefix == name ? "" : prefix);
}

std::uint8_t DesignControl::ControlType() {
  Design();
  return static_cast<std::uint8_t>(type_);
}

std::string DesignControl::EventProcPrefix() {
  Design();
  const TextNode* prefix = Block().FindProperty("EventProcPrefix");
  return prefix ? prefix->value : EventProcPrefixOf(StoredName());
}

com::ObjectRef DesignControl::Parent() {
  auto design = Design();
  if (auto parent = parent_.lock()) return parent;
  return design;
}

com::ObjectRef DesignControl::Controls() {
  const auto design = Design();
  std::vector<std::shared_ptr<DesignControl>> children;
  for (const auto& child : children_)
    if (auto held = child.lock()) children.push_back(std::move(held));
  return std::make_shared<DesignControls>(design, std::move(children));
}

std::int16_t DesignControl::Section() {
  Design();
  return static_cast<std::int16_t>(section_);
}

com::ObjectRef DesignControl::Object() {
  Design();
  RaiseAccess(kNoObjectInControl);
}

std::string DesignControl::StoredName() const {
  const TextNode* name = Block().FindProperty("Name");
  return name ? name->value : "";
}

std::string EventProcPrefixOf(std::string_view name) {
  std::string prefix;
  for (const auto& character : com::Characters(name))
    prefix += IsVbaNameCharacter(character) ? character : "_";
  return prefix;
}

com::ObjectRef DesignControl::FormatConditions() {
  Design();
  auto self = std::static_pointer_cast<DesignControl>(shared_from_this());
  return std::make_shared<access::FormatConditions>(
      StoredName(),
      [self]() -> const TextNode& {
        self->Design();
        return self->Block();
      },
      [self]() -> TextNode& { return self->EditBlock(); });
}

}  // namespace sim::access
