#pragma once
// --only-path: a run limited to the hits whose path matches a glob.

#include <string>
#include <vector>

#include "engine/search_engine.h"

namespace cli {

// Keeps the hits whose path (Queries/qryOrders/SQL, sales_be.mdb:Tables/...)
// matches any of the globs, letter case ignored: * and ? match any
// characters, "/" included, and [...] a set. All hits stay when there is none.
void KeepPaths(std::vector<engine::Hit>& hits, const std::vector<std::string>& globs);

}  // namespace cli
