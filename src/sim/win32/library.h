#pragma once
// What a simulated library file holds: string resources, functions exported
// by ordinal, type information. A library answers what it has and nothing
// for the rest.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/libraries.h"

namespace sim {

class Library {
 public:
  virtual ~Library() = default;
  virtual std::optional<std::string> String(std::uint32_t) const { return std::nullopt; }
  virtual std::optional<std::int32_t> Call(std::uint16_t, std::int32_t, std::int32_t) const {
    return std::nullopt;
  }
  virtual bool IsTypeLibrary() const { return false; }
  virtual std::optional<std::vector<platform::EnumerationMember>> Enumeration(
      const std::string&) const {
    return std::nullopt;
  }
};

}  // namespace sim
