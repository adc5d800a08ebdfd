#pragma once
// Properties that are the Access object's own. A form's Caption or a
// control's ControlSource is kept by Access; the driver's object only passes
// the value through, by late binding on the Access object it has open,
// converted to the type the driver's interface declares. Such properties are
// rows of a table, not functions.

#include <string>
#include <string_view>
#include <vector>

#include "com/dispatch.h"

namespace objects {

// Short names of the property types, for tables of properties.
namespace property_types {
inline constexpr com::VarType S = com::VarType::String;
inline constexpr com::VarType B = com::VarType::Boolean;
inline constexpr com::VarType I = com::VarType::Integer;
inline constexpr com::VarType L = com::VarType::Long;
inline constexpr com::VarType Y = com::VarType::Byte;
}  // namespace property_types

// An object whose properties mirror those of an Access object.
class Mirrored {
 public:
  virtual ~Mirrored() = default;
  // The Access object that is open for this one; fails when none is.
  virtual com::Dispatch& MirrorTarget() = 0;
};

struct MirrorSpec {
  const char* name;
  com::VarType type;
  bool writable = true;
};

// How a member reaches the Mirrored side of the object it is called on.
using MirrorSource = Mirrored& (*)(com::Dispatch& object);

// The members of the specs in alphabetical order of their names, letter
// case ignored, as the driver's interfaces list them.
std::vector<com::Member> MirrorMembers(std::vector<MirrorSpec> specs, MirrorSource source);

// The same for the members of the class T.
template <class T>
std::vector<com::Member> MirrorMembers(std::vector<MirrorSpec> specs) {
  return MirrorMembers(std::move(specs),
                       [](com::Dispatch& object) -> Mirrored& { return static_cast<T&>(object); });
}

// The member of that name among them.
com::Member& FindMember(std::vector<com::Member>& members, std::string_view name);

// Access shows an empty picture as "(none)" in its property sheet; a user
// who writes that back means no picture.
void ClearPictureOnNone(com::Member& picture);

}  // namespace objects
