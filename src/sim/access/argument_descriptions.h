#pragma once
// The macro argument descriptions that the Access 2000 executable exports by
// ordinal, each taking an action number and an argument position:
//   33  prepares the description of the action's arguments (its answer means nothing);
//   34  the resource number of the argument's choice list, 0 when it has none;
//   35  the argument's kind: 0 plain text, 1 choice list, 3 yes/no, 6 any object
//       type, 7 an object type OutputTo takes, 8 an object type SendObject
//       takes, 9 a RunCommand command (4 and 5, text Access checks, are not
//       used by the actions below).
// Arguments the table does not list are plain text.

#include <cstdint>
#include <optional>

#include "sim/win32/library.h"

namespace sim::access {

class ArgumentDescriptions : public Library {
 public:
  static constexpr std::uint16_t kPrepare = 33;
  static constexpr std::uint16_t kChoiceListOrdinal = 34;
  static constexpr std::uint16_t kKindOrdinal = 35;

  std::optional<std::int32_t> Call(std::uint16_t ordinal, std::int32_t action,
                                   std::int32_t position) const override;
};

}  // namespace sim::access
