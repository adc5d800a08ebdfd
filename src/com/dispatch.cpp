#include "com/dispatch.h"

namespace com {

TypeInfo::TypeInfo(std::string name, std::vector<Member> members)
    : name_(std::move(name)), members_(std::move(members)) {
  for (std::size_t i = 0; i < members_.size(); ++i) index_.emplace(members_[i].name, i);
}

const Member* TypeInfo::Find(std::string_view name) const {
  const auto found = index_.find(name);
  return found == index_.end() ? nullptr : &members_[found->second];
}

void RaiseMemberNotFound() { RaiseVb(438); }

Variant Dispatch::Get(std::string_view member, std::span<const Variant> args) {
  const Member* m = Members().Find(member);
  if (!m || !m->CanGet()) RaiseMemberNotFound();
  return m->get(*this, args);
}

void Dispatch::Let(std::string_view member, const Variant& value) {
  const Member* m = Members().Find(member);
  if (!m || !m->CanLet()) RaiseMemberNotFound();
  m->let(*this, value);
}

Variant Dispatch::Call(std::string_view member, std::span<const Variant> args) {
  return Get(member, args);
}

}  // namespace com
