#include "sim/access/argument_descriptions.h"

#include <map>
#include <utility>

#include "sim/access/resource_strings.h"

namespace sim::access {
namespace {

enum Kind : std::int32_t {
  kPlain = 0,
  kChoice = 1,
  kYesNo = 3,
  kObjectType = 6,
  kOutputObjectType = 7,
  kSendObjectType = 8,
  kCommand = 9,
};

struct Description {
  Kind kind = kPlain;
  std::uint32_t choices = 0;
};

using Key = std::pair<std::int32_t, std::int32_t>;  // action number, argument position

// The actions with arguments that are not plain text, by action number.
const std::map<Key, Description>& Table() {
  static const std::map<Key, Description> table = {
      {{6, 0}, {kObjectType}},  // Close
      {{6, 2}, {kChoice, kSaveOptions}},
      {{7, 2}, {kObjectType}},  // CopyObject
      {{12, 1}, {kChoice, kMatchOptions}},  // FindRecord
      {{12, 2}, {kYesNo}},
      {{12, 3}, {kChoice, kSearchDirections}},
      {{12, 4}, {kYesNo}},
      {{12, 5}, {kYesNo}},
      {{12, 6}, {kYesNo}},
      {{15, 0}, {kObjectType}},  // GoToRecord
      {{15, 2}, {kChoice, kRecords}},
      {{22, 1}, {kYesNo}},  // MsgBox
      {{22, 2}, {kChoice, kMessageTypes}},
      {{23, 1}, {kChoice, kFormViews}},  // OpenForm
      {{23, 4}, {kChoice, kDataModes}},
      {{23, 5}, {kChoice, kWindowModes}},
      {{24, 1}, {kChoice, kDatasheetViews}},  // OpenQuery
      {{24, 2}, {kChoice, kDataModes}},
      {{25, 1}, {kChoice, kDatasheetViews}},  // OpenTable
      {{25, 2}, {kChoice, kDataModes}},
      {{26, 0}, {kChoice, kPrintRanges}},  // PrintOut
      {{26, 3}, {kChoice, kPrintQualities}},
      {{26, 5}, {kYesNo}},
      {{27, 0}, {kChoice, kQuitOptions}},  // Quit
      {{29, 0}, {kObjectType}},  // RepaintObject
      {{30, 1}, {kObjectType}},  // Rename
      {{37, 0}, {kObjectType}},  // SelectObject
      {{37, 2}, {kYesNo}},
      {{46, 1}, {kChoice, kReportViews}},  // OpenReport
      {{47, 0}, {kChoice, kTransferTypes}},  // TransferDatabase
      {{47, 3}, {kObjectType}},
      {{47, 6}, {kYesNo}},
      {{48, 0}, {kChoice, kTransferTypes}},  // TransferSpreadsheet
      {{48, 1}, {kChoice, kSpreadsheetTypes}},
      {{48, 4}, {kYesNo}},
      {{49, 0}, {kChoice, kTextTransferTypes}},  // TransferText
      {{49, 4}, {kYesNo}},
      {{51, 0}, {kOutputObjectType}},  // OutputTo
      {{51, 4}, {kYesNo}},
      {{52, 0}, {kObjectType}},  // DeleteObject
      {{54, 0}, {kSendObjectType}},  // SendObject
      {{54, 8}, {kYesNo}},
      {{56, 0}, {kObjectType}},  // Save
      {{58, 0}, {kCommand}},  // RunCommand
      {{59, 1}, {kChoice, kPageViews}},  // OpenDataAccessPage
      {{60, 1}, {kChoice, kDatasheetViews}},  // OpenView
      {{60, 2}, {kChoice, kDataModes}},
      {{62, 1}, {kChoice, kDatasheetViews}},  // OpenStoredProcedure
      {{62, 2}, {kChoice, kDataModes}},
  };
  return table;
}

Description Describe(std::int32_t action, std::int32_t position) {
  auto found = Table().find({action, position});
  return found == Table().end() ? Description{} : found->second;
}

}  // namespace

std::optional<std::int32_t> ArgumentDescriptions::Call(std::uint16_t ordinal,
                                                       std::int32_t action,
                                                       std::int32_t position) const {
  switch (ordinal) {
    case kPrepare: return 0;
    case kChoiceListOrdinal: return static_cast<std::int32_t>(Describe(action, position).choices);
    case kKindOrdinal: return Describe(action, position).kind;
    default: return std::nullopt;
  }
}

}  // namespace sim::access
