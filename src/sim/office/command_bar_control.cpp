#include "sim/office/command_bar_control.h"

#include "com/error.h"
#include "sim/access/members.h"
#include "sim/office/command_bar.h"
#include "sim/office/command_bar_controls.h"

namespace sim::office {
namespace {

using access::Args;
using access::Method;
using access::Required;
using nlohmann::json;


com::Member PublishedControlMember(const BarMember& member) {
  com::Member published{member.name, member.type, com::MemberKind::Property,
                        [&member](com::Dispatch& self, Args) {
                          return static_cast<CommandBarControl&>(self).Read(member);
                        },
                        nullptr, nullptr};
  if (!member.read_only)
    published.let = [&member](com::Dispatch& self, const com::Variant& value) {
      static_cast<CommandBarControl&>(self).Write(member, value);
    };
  return published;
}

const BarMember& ComboMember() { return *FindMember(ControlMembers(), "Text"); }
const BarMember& PopupMember() { return *FindMember(ControlMembers(), "OLEMenuGroup"); }

}  // namespace

const com::TypeInfo& CommandBarControl::Members() const {
  static const com::TypeInfo info = [] {
    com::TypeBuilder<CommandBarControl> builder("CommandBarControl");
    for (const auto& member : ControlMembers()) builder.Custom(PublishedControlMember(member));
    builder.Get("ListCount", &CommandBarControl::ListCount)
        .Get("CommandBar", &CommandBarControl::CommandBar)
        .Get("Controls", &CommandBarControl::Controls)
        .Get("Parent", &CommandBarControl::Parent)
        .Custom(Method<CommandBarControl>("List", [](CommandBarControl& self, Args args) {
          return com::Variant(self.List(com::CLng(Required(args, 0))));
        }))
        .Custom(Method<CommandBarControl>("Clear", [](CommandBarControl& self, Args) {
          self.Clear();
          return com::Variant();
        }))
        .Custom(Method<CommandBarControl>("AddItem", [](CommandBarControl& self, Args args) {
          self.AddItem(com::CStr(Required(args, 0)), access::Arg(args, 1));
          return com::Variant();
        }));
    return builder.Build();
  }();
  return info;
}

json CommandBarControl::Node() const {
  const json bar = bar_.Read();
  const auto& controls = bar.value("Controls", json::array());
  if (position_ >= controls.size()) com::RaiseVb(kInvalidArgument);
  return controls[position_];
}

void CommandBarControl::Require(unsigned kinds) const {
  const BarMember kind{"", com::VarType::Empty, kinds, true, nullptr};
  if (!ControlHas(kind, Node().at("Type").get<std::int32_t>())) com::RaiseMemberNotFound();
}

void CommandBarControl::Update(const std::function<void(json&)>& change) {
  bar_.Update([&](json& bar) {
    auto& controls = bar["Controls"];
    if (position_ >= controls.size()) com::RaiseVb(kInvalidArgument);
    change(controls[position_]);
  });
}

com::Variant CommandBarControl::Read(const BarMember& member) const {
  Require(member.kinds);
  return ReadMember(member, Node());
}

void CommandBarControl::Write(const BarMember& member, const com::Variant& value) {
  Require(member.kinds);
  Update([&](json& control) { WriteMember(member, control, value); });
}

std::string CommandBarControl::List(std::int32_t index) const {
  Require(ComboMember().kinds);
  const auto items = Node().value("List", json::array());
  if (index < 1 || static_cast<std::size_t>(index) > items.size()) com::RaiseVb(kInvalidArgument);
  return items[static_cast<std::size_t>(index - 1)].get<std::string>();
}

std::int32_t CommandBarControl::ListCount() const {
  Require(ComboMember().kinds);
  return static_cast<std::int32_t>(Node().value("List", json::array()).size());
}

void CommandBarControl::Clear() {
  Require(ComboMember().kinds);
  Update([](json& control) { control["List"] = json::array(); });
}

void CommandBarControl::AddItem(const std::string& text, const com::Variant& index) {
  Require(ComboMember().kinds);
  Update([&](json& control) {
    auto& items = control["List"];
    if (!items.is_array()) items = json::array();
    if (index.IsEmpty()) return items.push_back(text);
    const std::int32_t position = com::CLng(index);
    if (position < 1 || static_cast<std::size_t>(position) > items.size() + 1)
      com::RaiseVb(kInvalidArgument);
    items.insert(items.begin() + (position - 1), text);
  });
}

com::ObjectRef CommandBarControl::CommandBar() const {
  Require(PopupMember().kinds);
  return std::make_shared<office::CommandBar>(bar_.PopupBar(position_));
}

com::ObjectRef CommandBarControl::Parent() const { return std::make_shared<office::CommandBar>(bar_); }

com::ObjectRef CommandBarControl::Controls() const {
  Require(PopupMember().kinds);
  return std::make_shared<CommandBarControls>(bar_.PopupBar(position_));
}

}  // namespace sim::office
