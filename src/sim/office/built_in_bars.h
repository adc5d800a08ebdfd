#pragma once
// The command bars Access 2000 brings itself, listed before a database's own
// in its CommandBars: the menu bars, the toolbars of its views and the
// shortcut menus. Their controls are not simulated.

#include <vector>

#include <nlohmann/json.hpp>

namespace sim::office {

const std::vector<nlohmann::json>& BuiltInBars();

}  // namespace sim::office
