#include "objects/documents/command_bar_control.h"

#include "com/text.h"
#include "objects/documents/command_bar.h"
#include "objects/documents/command_bar_controls.h"
#include "objects/documents/mirror.h"
#include "platform/office.h"
#include "shared/validation.h"
#include "shared/vxhandler.h"

namespace objects {
namespace {

constexpr std::int32_t kMemberNotFound = 438;

// Which controls have a member.
enum class HasIt { Always, NotPopup, ComboBox, PopupOnMenuBar };

bool Applies(HasIt rule, const CommandBarControl& control) {
  switch (rule) {
    case HasIt::Always: return true;
    case HasIt::NotPopup: return !control.IsPopup();
    case HasIt::ComboBox: return control.IsComboBox();
    case HasIt::PopupOnMenuBar: return control.IsPopup() && control.OnMenuBar();
  }
  return false;
}

struct ControlMember {
  const char* name;
  com::VarType type;
  HasIt rule;
  bool writable;
  // A member of some kinds of control only, reached by late binding: a
  // control of another kind does not have it, which a scan must pass by
  // rather than report.
  bool kind_member;
};

com::Variant Typed(com::VarType type, const com::Variant& value) {
  switch (type) {
    case com::VarType::String: return com::Variant(com::CStr(value));
    case com::VarType::Boolean: return com::Variant(com::CBool(value));
    default: return com::Variant(com::CLng(value));
  }
}

com::Variant ReadMember(const ControlMember& member, CommandBarControl& control) {
  validation::RequireProperty(Applies(member.rule, control));
  com::Variant value;
  const auto error = com::Capture([&] { value = control.Control().Get(member.name); });
  if (error && member.kind_member && error->Number() == kMemberNotFound)
    validation::RaiseUndefinedProperty();
  if (error) throw *error;
  return Typed(member.type, value);
}

com::Member Mirror(const ControlMember& member) {
  com::Member mirror{member.name, member.type, com::MemberKind::Property,
                     [&member](com::Dispatch& self, std::span<const com::Variant>) {
                       return ReadMember(member, static_cast<CommandBarControl&>(self));
                     },
                     nullptr, nullptr};
  if (member.writable)
    mirror.let = [&member](com::Dispatch& self, const com::Variant& value) {
      static_cast<CommandBarControl&>(self).Control().Let(member.name,
                                                          Typed(member.type, value));
    };
  return mirror;
}

using namespace property_types;

// The members before List, and those after it, in the interface's order.
const ControlMember kBeforeCommandBar[] = {
    {"BeginGroup", B, HasIt::NotPopup, true, false},
    {"BuiltIn", B, HasIt::Always, false, false},
    {"BuiltInFace", B, HasIt::Always, false, true},
    {"Caption", S, HasIt::Always, true, false},
};
const ControlMember kBeforeList[] = {
    {"DescriptionText", S, HasIt::Always, true, false},
    {"DropDownLines", L, HasIt::ComboBox, true, true},
    {"DropDownWidth", L, HasIt::ComboBox, true, true},
    {"Enabled", B, HasIt::NotPopup, true, false},
    {"FaceId", L, HasIt::Always, true, true},
    {"Height", L, HasIt::Always, true, false},
    {"HelpContextID", L, HasIt::Always, true, false},
    {"HelpFile", S, HasIt::Always, true, false},
    {"Id", L, HasIt::Always, false, false},
};
const ControlMember kAfterList[] = {
    {"ListHeaderCount", L, HasIt::ComboBox, true, true},
    {"OLEMenuGroup", L, HasIt::PopupOnMenuBar, true, false},
    {"OLEUsage", L, HasIt::PopupOnMenuBar, true, false},
    {"OnAction", S, HasIt::Always, true, false},
    {"Parameter", S, HasIt::Always, true, false},
    {"Priority", L, HasIt::Always, true, false},
    {"ShortcutText", S, HasIt::Always, true, true},
    {"State", L, HasIt::Always, true, true},
    {"Style", L, HasIt::Always, true, true},
    {"Tag", S, HasIt::Always, true, false},
    {"Text", S, HasIt::Always, true, true},
    {"TooltipText", S, HasIt::Always, true, false},
    {"Visible", B, HasIt::NotPopup, true, false},
    {"Width", L, HasIt::Always, true, false},
};

template <class Members>
void AddMirrors(com::TypeBuilder<CommandBarControl>& builder, const Members& members) {
  for (const auto& member : members) builder.Custom(Mirror(member));
}

}  // namespace

const com::TypeInfo& CommandBarControl::Members() const {
  static const com::TypeInfo info = [] {
    com::TypeBuilder<CommandBarControl> builder("CommandBarControl");
    AddMirrors(builder, kBeforeCommandBar);
    builder.Get("CommandBar", &CommandBarControl::GetCommandBar);
    AddMirrors(builder, kBeforeList);
    builder.Property("List", &CommandBarControl::List, &CommandBarControl::SetList);
    AddMirrors(builder, kAfterList);
    return builder.Build();
  }();
  return info;
}

void CommandBarControl::Initialize(std::shared_ptr<CommandBarControls> parent,
                                   com::ObjectRef office_control) {
  vxhandler::Guard("CommandBarControl", "Initialize", [&] {
    parent_ = parent;
    control_ = std::move(office_control);
    popup_ = office::IsPopupControl(com::CLng(control_->Get("Type")));
  });
}

void CommandBarControl::TearDown() {
  vxhandler::Guard("CommandBarControl", "TearDown", [&] {
    parent_.reset();
    control_.reset();
    if (command_bar_) command_bar_->IObject_Dispose();
    command_bar_.reset();
  });
}

com::Dispatch& CommandBarControl::Control() const {
  if (!control_) com::RaiseVb(91);
  return *control_;
}

bool CommandBarControl::IsComboBox() const {
  return com::CLng(Control().Get("Type")) == office::msoControlComboBox;
}

bool CommandBarControl::OnMenuBar() const {
  return com::CLng(com::CObj(Control().Get("Parent"))->Get("Type")) == office::msoBarTypeMenuBar;
}

std::string CommandBarControl::List() {
  validation::RequireProperty(IsComboBox());
  const std::int32_t count = com::CLng(Control().Get("ListCount"));
  std::vector<std::string> items;
  for (std::int32_t i = 1; i <= count; ++i)
    items.push_back(com::CStr(Control().Get("List", {com::Variant(i)})));
  return com::Join(items, "\r\n");
}

// Empty text is no items at all, as VB's Split gives none for it.
void CommandBarControl::SetList(const std::string& list) {
  const auto items = list.empty() ? std::vector<std::string>{} : com::Split(list, "\r\n");
  Control().Call("Clear", {});
  for (const auto& item : items) Control().Call("AddItem", {com::Variant(item)});
}

std::shared_ptr<CommandBar> CommandBarControl::GetCommandBar() {
  if (command_bar_) return command_bar_;
  com::ObjectRef office_bar;
  com::IgnoreErrors([&] { office_bar = com::CObj(Control().Get("CommandBar")); });
  if (!office_bar) return nullptr;
  command_bar_ = std::make_shared<CommandBar>();
  command_bar_->Initialize2(office_bar);
  return command_bar_;
}

}  // namespace objects
