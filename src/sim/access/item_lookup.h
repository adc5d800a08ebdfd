#pragma once
// How Access's collections find an item: by position (counted from the
// collection's base) when the index is a number, by name (letter case
// ignored) when it is text.

#include <optional>
#include <string>
#include <vector>

#include "com/variant.h"

namespace sim::access {

// The name of the item the index designates; nothing when there is none.
std::optional<std::string> ItemName(const std::vector<std::string>& names,
                                    const com::Variant& index, std::int32_t base);

}  // namespace sim::access
