#include "sim/jet/key_field.h"

namespace sim::jet {

std::vector<BuiltInSpec> KeyField::BuiltIns() {
  auto specs = CommonBuiltIns();
  const std::string foreign_name = foreign_name_;
  specs.push_back(
      {"ForeignName", dao::dbText, [foreign_name] { return com::Variant(foreign_name); }, nullptr});
  return specs;
}

}  // namespace sim::jet
