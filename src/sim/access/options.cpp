#include "sim/access/options.h"

#include "com/text.h"
#include "sim/access/access_errors.h"

namespace sim::access {

Options::Options(platform::Registry& registry)
    : registry_(registry),
      defaults_{{"ShowWindowsInTaskbar", true},
                {"Confirm Record Changes", true},
                {"Confirm Document Deletions", true},
                {"Confirm Action Queries", true}} {}

com::Variant Options::Get(const std::string& name) const {
  const auto& [option, default_value] = defaults_[IndexOf(name)];
  const auto stored = registry_.ReadValue(kKey, option);
  return com::Variant(stored ? com::CLng(*stored) != 0 : default_value);
}

void Options::Set(const std::string& name, const com::Variant& value) {
  const std::string& option = defaults_[IndexOf(name)].first;
  registry_.CreateKey(kKey);
  registry_.WriteValue(kKey, option, com::Variant(com::CBool(value) ? 1 : 0));
}

std::size_t Options::IndexOf(const std::string& name) const {
  for (std::size_t i = 0; i < defaults_.size(); ++i)
    if (com::EqualsNoCase(defaults_[i].first, name)) return i;
  RaiseAccess(kInvalidName, name);
}

}  // namespace sim::access
