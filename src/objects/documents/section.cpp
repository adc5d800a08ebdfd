#include "objects/documents/section.h"

#include "objects/documents/sections.h"
#include "shared/validation.h"
#include "shared/vxhandler.h"

namespace objects {
namespace {

using com::VarType;

Section& Self(com::Dispatch& object) { return static_cast<Section&>(object); }

// Properties that only the sections of a report have: a form's section has
// no format or print events and no repeated group header. They are left out
// of a form section, as a control's inapplicable properties are, so that a
// scan does not report Access's refusal for each of them.
bool ReportOnly(const std::string& name) {
  return name == "OnFormat" || name == "OnPrint" || name == "OnRetreat" ||
         name == "RepeatSection";
}

std::vector<com::Member> PropertyMembers() {
  std::vector<com::Member> members = MirrorMembers<Section>({
      {"BackColor", VarType::Long},     {"CanGrow", VarType::Boolean},
      {"CanShrink", VarType::Boolean},  {"DisplayWhen", VarType::Long},
      {"ForceNewPage", VarType::Long},  {"Height", VarType::Integer},
      {"KeepTogether", VarType::Boolean}, {"NewRowOrCol", VarType::Long},
      {"OnClick", VarType::String},     {"OnDblClick", VarType::String},
      {"OnFormat", VarType::String},    {"OnMouseDown", VarType::String},
      {"OnMouseMove", VarType::String}, {"OnMouseUp", VarType::String},
      {"OnPrint", VarType::String},     {"OnRetreat", VarType::String},
      {"RepeatSection", VarType::Boolean}, {"SpecialEffect", VarType::Long},
      {"Tag", VarType::String},         {"Visible", VarType::Boolean},
  });
  for (com::Member& member : members) {
    if (!ReportOnly(member.name)) continue;
    member.get = [get = member.get](com::Dispatch& object, std::span<const com::Variant> args) {
      if (!Self(object).OfReport()) validation::RaiseUndefinedProperty();
      return get(object, args);
    };
    member.defined = [](com::Dispatch& object) { return Self(object).OfReport(); };
  }
  return members;
}

}  // namespace

const com::TypeInfo& Section::Members() const {
  static const com::TypeInfo info = [] {
    com::TypeBuilder<Section> builder(kClass);
    builder.Property("Name", &Section::Name, &Section::SetName);
    for (com::Member& member : PropertyMembers()) builder.Custom(std::move(member));
    return builder.Build();
  }();
  return info;
}

void Section::Initialize(std::shared_ptr<Sections> parent, com::ObjectRef section) {
  vxhandler::Guard(kClass, "Initialize", [&] {
    parent_ = parent;
    section_ = std::move(section);
  });
}

void Section::TearDown() {
  vxhandler::Guard(kClass, "TearDown", [&] {
    section_.reset();
    parent_.reset();
  });
}

com::Dispatch& Section::MirrorTarget() {
  if (!section_) com::RaiseVb(91);
  return *section_;
}

bool Section::OfReport() const {
  auto parent = parent_.lock();
  return parent && parent->OfReport();
}

std::string Section::Name() { return com::CStr(MirrorTarget().Get("Name")); }

void Section::SetName(const std::string& name) {
  auto parent = parent_.lock();
  if (!parent) com::RaiseVb(91);
  if (parent->Item(com::Variant(name)))
    validation::RaiseMessage("Section name '" + name + "' is already in use.");
  const std::string old_name = Name();
  MirrorTarget().Let("Name", com::Variant(name));
  parent->UpdateKey(old_name, name);
}

}  // namespace objects
