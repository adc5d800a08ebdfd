#pragma once
// The string resources of Access 2000's resource library (msain900.dll) that
// the macro design view shows: each choice list of a macro action argument
// as one string, its choices separated by ";", in the order of the numbers
// Access stores for them.

#include <cstdint>
#include <optional>
#include <string>

#include "sim/win32/library.h"

namespace sim::access {

// The resource numbers of the choice lists. The numbers are this
// simulation's own; only the argument descriptions refer to them.
enum ChoiceList : std::uint32_t {
  kFormViews = 6001,
  kDataModes,
  kWindowModes,
  kDatasheetViews,
  kReportViews,
  kPageViews,
  kSaveOptions,
  kMatchOptions,
  kSearchDirections,
  kRecords,
  kMessageTypes,
  kPrintRanges,
  kPrintQualities,
  kQuitOptions,
  kTransferTypes,
  kSpreadsheetTypes,
  kTextTransferTypes,
};

class ResourceStrings : public Library {
 public:
  std::optional<std::string> String(std::uint32_t id) const override;
};

}  // namespace sim::access
