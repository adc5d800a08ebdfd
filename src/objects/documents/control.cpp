#include "objects/documents/control.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "com/text.h"
#include "objects/documents/control_properties.h"
#include "objects/documents/controls.h"
#include "objects/documents/format_conditions.h"
#include "shared/utility.h"
#include "shared/validation.h"
#include "shared/vxhandler.h"

namespace objects {
namespace {

constexpr std::int32_t kTransparent = 0;
constexpr std::int32_t kNormal = 1;

Control& Self(com::Dispatch& object) { return static_cast<Control&>(object); }

// A row of the table becomes a member that exists only on the control types
// the row names.
com::Member Applicable(const ControlProperty& row) {
  std::vector<com::Member> one = MirrorMembers<Control>({row.spec});
  com::Member member = std::move(one.front());
  member.get = [row, get = member.get](com::Dispatch& object, std::span<const com::Variant> args) {
    if (!ControlHasProperty(row, Self(object).ControlType())) validation::RaiseUndefinedProperty();
    return get(object, args);
  };
  member.defined = [row](com::Dispatch& object) {
    return ControlHasProperty(row, Self(object).ControlType());
  };
  return member;
}

// A name no control is likely to have, for a rename that only changes the
// characters Visual Basic maps to underscores.
std::string TemporaryName() {
  static std::mt19937 generator{std::random_device{}()};
  std::uniform_real_distribution<double> fraction(0.0, 1.0);
  return "tvtemp_qb8swk6x_" +
         std::to_string(static_cast<std::int64_t>(std::llround(fraction(generator) * 999999999.0)));
}

std::vector<com::Member> PropertyMembers() {
  std::vector<com::Member> members;
  for (const ControlProperty& row : ControlProperties()) members.push_back(Applicable(row));
  for (com::Member& member : MirrorMembers<Control>({{"Tag", com::VarType::String}}))
    members.push_back(std::move(member));
  members.push_back(com::Member{"ControlType", com::VarType::Long, com::MemberKind::Property,
                                [](com::Dispatch& object, std::span<const com::Variant>) {
                                  return com::Variant(Self(object).ControlType());
                                },
                                nullptr, nullptr});
  members.push_back(com::Member{
      "Object", com::VarType::Object, com::MemberKind::Property,
      [](com::Dispatch& object, std::span<const com::Variant>) {
        return com::Variant(Self(object).Object());
      },
      nullptr, [](com::Dispatch& object) { return Self(object).ControlType() == acCustomControl; }});
  members.push_back(com::Member{"FormatConditions", com::VarType::Object, com::MemberKind::Property,
                                [](com::Dispatch& object, std::span<const com::Variant>) {
                                  return com::Variant(Self(object).GetFormatConditions());
                                },
                                nullptr, nullptr});
  std::sort(members.begin(), members.end(), [](const com::Member& a, const com::Member& b) {
    return com::LCase(a.name) < com::LCase(b.name);
  });
  ClearPictureOnNone(FindMember(members, "Picture"));
  com::Member& back_style = FindMember(members, "BackStyle");
  back_style.let = [let = back_style.let](com::Dispatch& object, const com::Variant& value) {
    const std::int32_t style = com::CLng(value);
    if (style != kTransparent && style != kNormal) validation::RaiseInvalidArgument("BackStyle", value);
    let(object, value);
  };
  FindMember(members, "Cancel").let = [](com::Dispatch& object, const com::Variant& value) {
    Self(object).SetOnlyButton("Cancel", "cancel", com::CBool(value));
  };
  FindMember(members, "Default").let = [](com::Dispatch& object, const com::Variant& value) {
    Self(object).SetOnlyButton("Default", "default", com::CBool(value));
  };
  return members;
}

}  // namespace

const com::TypeInfo& Control::Members() const {
  static const com::TypeInfo info = [] {
    com::TypeBuilder<Control> builder(kClass);
    builder.Property("Name", &Control::Name, &Control::SetName);
    for (com::Member& member : PropertyMembers()) builder.Custom(std::move(member));
    return builder.Build();
  }();
  return info;
}

void Control::Initialize(std::shared_ptr<Controls> parent, com::ObjectRef control, std::int32_t) {
  vxhandler::Guard(kClass, "Initialize", [&] {
    parent_ = parent;
    control_ = std::move(control);
    control_type_ = com::CLng(MirrorTarget().Get("ControlType"));
  });
}

void Control::TearDown() {
  vxhandler::Guard(kClass, "TearDown", [&] {
    if (format_conditions_) format_conditions_->TearDown();
    format_conditions_.reset();
    control_.reset();
    parent_.reset();
  });
}

com::Dispatch& Control::MirrorTarget() {
  if (!control_) com::RaiseVb(91);
  return *control_;
}

std::shared_ptr<Controls> Control::Parent() const {
  auto parent = parent_.lock();
  if (!parent) com::RaiseVb(91);
  return parent;
}

std::string Control::Name() { return com::CStr(MirrorTarget().Get("Name")); }

void Control::SetName(const std::string& name) {
  auto parent = Parent();
  const std::string mapped = Utility::MapControlName(name);
  std::shared_ptr<Control> conflicting;
  for (std::int32_t position = 0; position < parent->Count() && !conflicting; ++position) {
    auto control = parent->Item(com::Variant(position));
    if (control && com::EqualsNoCase(Utility::MapControlName(control->Name()), mapped))
      conflicting = control;
  }
  const std::string old_name = Name();
  if (conflicting.get() == this) {
    MirrorTarget().Let("Name", com::Variant(TemporaryName()));
  } else if (conflicting) {
    validation::RaiseMessage("The control name '" + name +
                             "' is already in use. Note: Visual Basic maps spaces and "
                             "punctuation characters in control names to underscores, so 'My "
                             "Control', 'My_Control', and 'My#Control' are treated as duplicate "
                             "names.");
  }
  MirrorTarget().Let("Name", com::Variant(name));
  parent->UpdateKey(old_name, name);
}

std::shared_ptr<FormatConditions> Control::GetFormatConditions() {
  if (!format_conditions_) {
    format_conditions_ = std::make_shared<FormatConditions>();
    if (control_type_ == acTextBox || control_type_ == acComboBox)
      format_conditions_->Initialize(com::CObj(MirrorTarget().Get("FormatConditions")));
  }
  return format_conditions_;
}

com::ObjectRef Control::Object() { return com::CObj(MirrorTarget().Get("Object")); }

void Control::SetOnlyButton(const char* property, const char* role, bool value) {
  if (value) {
    const std::string own_name = Name();
    auto siblings = com::CObj(com::CObj(MirrorTarget().Get("Parent"))->Get("Controls"));
    const std::int32_t count = com::CLng(siblings->Get("Count"));
    for (std::int32_t position = 0; position < count; ++position) {
      auto other = com::CObj(siblings->Call("Item", {com::Variant(position)}));
      if (com::CLng(other->Get("ControlType")) != acCommandButton ||
          com::EqualsNoCase(com::CStr(other->Get("Name")), own_name))
        continue;
      if (com::CBool(other->Get(property)))
        validation::RaiseMessage(std::string("Can't make this control the ") + role +
                                 " button because control '" + com::CStr(other->Get("Name")) +
                                 "' is already the " + role + " button.");
    }
  }
  MirrorTarget().Let(property, com::Variant(value));
}

}  // namespace objects
