#pragma once
// The options of Access's Options dialog that GetOption and SetOption reach
// by name (letter case ignored). The ones here are Yes/No options: setting
// one takes the value as True or False. Access keeps them in the user's part
// of the registry, so a setting outlives the session that made it.

#include <string>
#include <utility>
#include <vector>

#include "com/variant.h"
#include "platform/win32.h"

namespace sim::access {

class Options {
 public:
  static constexpr const char* kKey =
      "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\9.0\\Access\\Settings";

  explicit Options(platform::Registry& registry);
  // 2091 for a name that is no option.
  com::Variant Get(const std::string& name) const;
  void Set(const std::string& name, const com::Variant& value);

 private:
  std::size_t IndexOf(const std::string& name) const;

  platform::Registry& registry_;
  std::vector<std::pair<std::string, bool>> defaults_;
};

}  // namespace sim::access
