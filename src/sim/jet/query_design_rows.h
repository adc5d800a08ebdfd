#pragma once
// A query design as Jet stores it: rows of the system table MSysQueries, one
// for each item of the design, told apart by their Attribute.

#include <cstdint>
#include <string>
#include <vector>

#include "sim/jet/query_design.h"

namespace sim::jet {

struct DesignRow {
  std::uint8_t attribute = 0;
  std::int32_t flag = 0;
  std::string name1;
  std::string name2;
  std::string expression;
};

class QueryDesignRows {
 public:
  // The design the rows of one query describe, in the order Jet keeps them.
  static QueryDesign Read(const std::vector<DesignRow>& rows);
};

}  // namespace sim::jet
