#pragma once
// Helpers for the member tables of Access's objects, whose methods take
// optional arguments: a caller may leave trailing ones out, or pass Empty.

#include <span>
#include <string>

#include "com/dispatch.h"

namespace sim::access {

// The argument at the position; Empty when the caller left it out.
inline com::Variant Arg(std::span<const com::Variant> args, std::size_t position) {
  return position < args.size() ? args[position] : com::Variant();
}

// The argument as a number, or the default when it was left out.
inline std::int32_t LongArg(std::span<const com::Variant> args, std::size_t position,
                            std::int32_t missing) {
  const com::Variant value = Arg(args, position);
  return value.IsEmpty() ? missing : com::CLng(value);
}

// A required argument: 449 "Argument not optional" when left out.
inline com::Variant Required(std::span<const com::Variant> args, std::size_t position) {
  const com::Variant value = Arg(args, position);
  if (value.IsEmpty()) com::RaiseVb(449);
  return value;
}

using Args = std::span<const com::Variant>;

// A method that reads its arguments itself: the body is called with the
// object and the arguments as given.
template <class T, class Body>
com::Member Method(std::string name, Body body) {
  return {std::move(name), com::VarType::Variant, com::MemberKind::Method,
          [body](com::Dispatch& self, Args args) -> com::Variant {
            return body(static_cast<T&>(self), args);
          },
          nullptr, nullptr};
}

}  // namespace sim::access
