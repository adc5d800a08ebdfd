#include "objects/documents/group_level.h"

#include "objects/documents/group_levels.h"
#include "shared/vxhandler.h"

namespace objects {
namespace {

using com::VarType;

constexpr std::int32_t kAscending = 0;
constexpr std::int32_t kDescending = 1;

}  // namespace

const com::TypeInfo& GroupLevel::Members() const {
  static const com::TypeInfo info = [] {
    com::TypeBuilder<GroupLevel> builder(kClass);
    builder.Get("Name", &GroupLevel::Name);
    std::vector<com::Member> properties =
        MirrorMembers<GroupLevel>({{"ControlSource", VarType::String},
                       {"GroupFooter", VarType::Boolean, false},
                       {"GroupHeader", VarType::Boolean, false},
                       {"GroupInterval", VarType::Long},
                       {"GroupOn", VarType::Long},
                       {"KeepTogether", VarType::Long}});
    for (com::Member& member : properties) builder.Custom(std::move(member));
    builder.Property("SortOrder", &GroupLevel::SortOrder, &GroupLevel::SetSortOrder);
    return builder.Build();
  }();
  return info;
}

void GroupLevel::Initialize(std::shared_ptr<GroupLevels> parent, com::ObjectRef level,
                            const std::string& name) {
  vxhandler::Guard(kClass, "Initialize", [&] {
    parent_ = parent;
    level_ = std::move(level);
    name_ = name;
  });
}

void GroupLevel::TearDown() {
  vxhandler::Guard(kClass, "TearDown", [&] {
    level_.reset();
    parent_.reset();
  });
}

com::Dispatch& GroupLevel::MirrorTarget() {
  if (!level_) com::RaiseVb(91);
  return *level_;
}

std::int32_t GroupLevel::SortOrder() {
  return com::CBool(MirrorTarget().Get("SortOrder")) ? kDescending : kAscending;
}

// Only the two orders are written; any other value is ignored without an error.
void GroupLevel::SetSortOrder(std::int32_t order) {
  if (order == kAscending || order == kDescending)
    MirrorTarget().Let("SortOrder", com::Variant(order == kDescending));
}

}  // namespace objects
