#include "sim/access/item_lookup.h"

#include "com/text.h"

namespace sim::access {

std::optional<std::string> ItemName(const std::vector<std::string>& names,
                                    const com::Variant& index, std::int32_t base) {
  if (index.IsString()) {
    for (const auto& name : names)
      if (com::EqualsNoCase(name, index.AsString())) return name;
    return std::nullopt;
  }
  const std::int64_t position = std::int64_t{com::CLng(index)} - base;
  if (position < 0 || position >= static_cast<std::int64_t>(names.size())) return std::nullopt;
  return names[static_cast<std::size_t>(position)];
}

}  // namespace sim::access
