#include "objects/documents/mirror.h"

#include <algorithm>
#include <stdexcept>

#include "com/text.h"

namespace objects {
namespace {

com::Member Mirror(const MirrorSpec& spec, MirrorSource source) {
  const std::string name = spec.name;
  const com::VarType type = spec.type;
  com::Member member{name, type, com::MemberKind::Property,
                     [name, type, source](com::Dispatch& object, std::span<const com::Variant> args) {
                       if (!args.empty()) com::RaiseVb(450);
                       return com::CType(type, source(object).MirrorTarget().Get(name));
                     },
                     nullptr, nullptr};
  if (spec.writable)
    member.let = [name, type, source](com::Dispatch& object, const com::Variant& value) {
      source(object).MirrorTarget().Let(name, com::CType(type, value));
    };
  return member;
}

}  // namespace

std::vector<com::Member> MirrorMembers(std::vector<MirrorSpec> specs, MirrorSource source) {
  std::sort(specs.begin(), specs.end(), [](const MirrorSpec& a, const MirrorSpec& b) {
    return com::LCase(a.name) < com::LCase(b.name);
  });
  std::vector<com::Member> members;
  members.reserve(specs.size());
  for (const MirrorSpec& spec : specs) members.push_back(Mirror(spec, source));
  return members;
}

com::Member& FindMember(std::vector<com::Member>& members, std::string_view name) {
  for (com::Member& member : members)
    if (member.name == name) return member;
  throw std::logic_error("no member " + std::string(name));
}

void ClearPictureOnNone(com::Member& picture) {
  picture.let = [let = picture.let](com::Dispatch& object, const com::Variant& value) {
    const bool none = value.IsString() && com::EqualsNoCase(value.AsString(), "(none)");
    let(object, none ? com::Variant(std::string()) : value);
  };
}

}  // namespace objects
