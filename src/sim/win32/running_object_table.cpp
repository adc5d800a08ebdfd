#include "sim/win32/running_object_table.h"

#include "com/text.h"

namespace sim {

std::uint32_t RunningObjectTable::Register(const std::string& name, com::ObjectRef object) {
  entries_[next_cookie_] = {name, std::move(object)};
  return next_cookie_++;
}

void RunningObjectTable::Revoke(std::uint32_t cookie) { entries_.erase(cookie); }

com::ObjectRef RunningObjectTable::Find(const std::string& name) {
  for (const auto& [cookie, entry] : entries_)
    if (com::EqualsNoCase(entry.name, name)) return entry.object;
  return nullptr;
}

}  // namespace sim
