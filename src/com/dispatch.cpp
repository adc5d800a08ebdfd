#include "com/dispatch.h"

#include "com/text.h"

namespace com {
namespace {

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool IsAscii(std::string_view name) {
  for (char c : name)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

}  // namespace

std::size_t TypeInfo::AsciiFoldedHash::operator()(std::string_view name) const {
  std::size_t hash = 14695981039346656037ull;  // FNV-1a
  for (char c : name) hash = (hash ^ static_cast<unsigned char>(AsciiUpper(c))) * 1099511628211ull;
  return hash;
}

bool TypeInfo::AsciiFoldedEqual::operator()(std::string_view a, std::string_view b) const {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  return true;
}

TypeInfo::TypeInfo(std::string name, std::vector<Member> members)
    : name_(std::move(name)), members_(std::move(members)) {
  for (std::size_t i = 0; i < members_.size(); ++i) index_.emplace(UCase(members_[i].name), i);
}

// The index holds upper-cased names: an ASCII name meets its entry through
// the folding comparison; any other is upper-cased as VB would first.
const Member* TypeInfo::Find(std::string_view name) const {
  const auto found = IsAscii(name) ? index_.find(name) : index_.find(UCase(name));
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
