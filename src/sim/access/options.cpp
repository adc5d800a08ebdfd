#include "sim/access/options.h"

#include "com/text.h"
#include "sim/access/access_errors.h"

namespace sim::access {

Options::Options()
    : values_{{"ShowWindowsInTaskbar", true},
              {"Confirm Record Changes", true},
              {"Confirm Document Deletions", true},
              {"Confirm Action Queries", true}} {}

com::Variant Options::Get(const std::string& name) const {
  return com::Variant(values_[IndexOf(name)].second);
}

void Options::Set(const std::string& name, const com::Variant& value) {
  values_[IndexOf(name)].second = com::CBool(value);
}

std::size_t Options::IndexOf(const std::string& name) const {
  for (std::size_t i = 0; i < values_.size(); ++i)
    if (com::EqualsNoCase(values_[i].first, name)) return i;
  RaiseAccess(kInvalidName, name);
}

}  // namespace sim::access
