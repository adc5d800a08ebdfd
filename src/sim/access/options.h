#pragma once
// The options of Access's Options dialog that GetOption and SetOption reach
// by name (letter case ignored). The ones here are Yes/No options: setting
// one takes the value as True or False.

#include <string>
#include <utility>
#include <vector>

#include "com/variant.h"

namespace sim::access {

class Options {
 public:
  Options();
  // 2091 for a name that is no option.
  com::Variant Get(const std::string& name) const;
  void Set(const std::string& name, const com::Variant& value);

 private:
  std::size_t IndexOf(const std::string& name) const;

  std::vector<std::pair<std::string, bool>> values_;
};

}  // namespace sim::access
