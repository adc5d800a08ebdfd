#include "platform/dao.h"

#include <algorithm>

#include "com/error.h"
#include "com/text.h"

namespace dao {
namespace {
constexpr std::int32_t kInvalidName = 3125;
constexpr std::size_t kLongestName = 64;
}  // namespace

void CheckName(const std::string& name) {
  const bool control = std::any_of(name.begin(), name.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x20; });
  if (name.empty() || name.front() == ' ' || com::CharacterCount(name) > kLongestName ||
      name.find_first_of(".!`[]") != std::string::npos || control)
    com::Raise(kInvalidName,
               "'" + name +
                   "' is not a valid name. Make sure that it does not include invalid characters "
                   "or punctuation and that it is not too long.");
}

}  // namespace dao
