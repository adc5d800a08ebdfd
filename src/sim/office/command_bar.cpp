#include "sim/office/command_bar.h"

#include "sim/office/bar_text.h"
#include "sim/office/command_bar_controls.h"

namespace sim::office {
namespace {

com::Member PublishedBarMember(const BarMember& member) {
  com::Member published{member.name, member.type, com::MemberKind::Property,
                        [&member](com::Dispatch& self, std::span<const com::Variant>) {
                          return static_cast<CommandBar&>(self).Read(member);
                        },
                        nullptr, nullptr};
  if (!member.read_only)
    published.let = [&member](com::Dispatch& self, const com::Variant& value) {
      static_cast<CommandBar&>(self).Write(member, value);
    };
  return published;
}

}  // namespace

const com::TypeInfo& CommandBar::Members() const {
  static const com::TypeInfo info = [] {
    com::TypeBuilder<CommandBar> builder("CommandBar");
    for (const auto& member : BarMembers()) builder.Custom(PublishedBarMember(member));
    builder.Get("Controls", &CommandBar::Controls);
    return builder.Build();
  }();
  return info;
}

com::Variant CommandBar::Read(const BarMember& member) const { return ReadMember(member, bar_.Read()); }

void CommandBar::Write(const BarMember& member, const com::Variant& value) {
  bar_.Update([&](nlohmann::json& bar) { WriteMember(member, bar, value); });
}

com::ObjectRef CommandBar::Controls() { return std::make_shared<CommandBarControls>(bar_); }

}  // namespace sim::office
