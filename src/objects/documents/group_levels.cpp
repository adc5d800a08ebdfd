#include "objects/documents/group_levels.h"

#include <string>

#include "shared/vxhandler.h"

namespace objects {
namespace {

constexpr std::int32_t kLastLevel = 9;

}  // namespace

const com::TypeInfo& GroupLevels::Members() const {
  static const com::TypeInfo info = Builder<GroupLevels>(kClass).Build();
  return info;
}

void GroupLevels::Initialize(com::ObjectRef report) {
  vxhandler::Guard(kClass, "Initialize", [&] {
    auto self = std::static_pointer_cast<GroupLevels>(shared_from_this());
    for (std::int32_t number = 0; number <= kLastLevel; ++number) {
      com::ObjectRef access_level;
      com::IgnoreErrors([&] {
        auto found = com::CObj(report->Call("GroupLevel", {com::Variant(number)}));
        found->Get("SortOrder");
        access_level = found;
      });
      if (!access_level) break;
      const std::string name = std::to_string(number);
      auto level = std::make_shared<GroupLevel>();
      level->Initialize(self, access_level, name);
      list_.Add(level, name);
    }
  });
}

}  // namespace objects
