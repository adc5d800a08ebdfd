#include "sim/office/built_in_bars.h"

#include "platform/office.h"

namespace sim::office {
namespace {

nlohmann::json Bar(const char* name, std::int32_t type, bool visible) {
  return {{"Name", name}, {"Type", type}, {"BuiltIn", true}, {"Visible", visible},
          {"Controls", nlohmann::json::array()}};
}

}  // namespace

const std::vector<nlohmann::json>& BuiltInBars() {
  static const std::vector<nlohmann::json> bars = {
      Bar("Menu Bar", ::office::msoBarTypeMenuBar, true),
      Bar("Database", ::office::msoBarTypeNormal, true),
      Bar("Form Design", ::office::msoBarTypeNormal, false),
      Bar("Report Design", ::office::msoBarTypeNormal, false),
      Bar("Toolbox", ::office::msoBarTypeNormal, false),
      Bar("Web", ::office::msoBarTypeNormal, false),
      Bar("Form View Control", ::office::msoBarTypePopup, false),
  };
  return bars;
}

}  // namespace sim::office
