#include "sim/access/resource_strings.h"

#include <map>

namespace sim::access {
namespace {

// The wording of Access 2000's macro design view, as its documentation of the
// macro actions gives the argument settings.
const std::map<std::uint32_t, std::string>& Strings() {
  static const std::map<std::uint32_t, std::string> strings = {
      {kFormViews, "Form;Design;Print Preview;Datasheet"},
      {kDataModes, "Add;Edit;Read Only"},
      {kWindowModes, "Normal;Hidden;Icon;Dialog"},
      {kDatasheetViews, "Datasheet;Design;Print Preview"},
      {kReportViews, "Print;Design;Print Preview"},
      {kPageViews, "Browse;Design"},
      {kSaveOptions, "Prompt;Yes;No"},
      {kMatchOptions, "Any Part of Field;Whole Field;Start of Field"},
      {kSearchDirections, "Up;Down;All"},
      {kRecords, "Previous;Next;First;Last;Go To;New"},
      {kMessageTypes, "None;Critical;Warning?;Warning!;Information"},
      {kPrintRanges, "All;Selection;Pages"},
      {kPrintQualities, "High;Medium;Low;Draft"},
      {kQuitOptions, "Prompt;Save All;Exit"},
      {kTransferTypes, "Import;Export;Link"},
      // In the order of the acSpreadsheetType values. The type stored as 1
      // (Lotus WKS, from earlier versions) could not be confirmed for Access
      // 2000; it keeps its place so that the later numbers stay right. The
      // positions follow the documented acSpreadsheetType values, but the
      // wording of the choices (e.g. "Microsoft Excel 5-7", "Microsoft Excel
      // 8-9") could not be confirmed: the documentation names only the
      // constants.
      {kSpreadsheetTypes,
       "Microsoft Excel 3;Lotus WKS;Lotus WK1;Lotus WK3;Lotus WJ2 - Japanese version only;"
       "Microsoft Excel 5-7;Microsoft Excel 4;Lotus WK4;Microsoft Excel 8-9"},
      // In the order of the acTextTransferType values (acImportDelim 0 to
      // acLinkHTML 9). "Export Word for Windows Merge" (4) could not be
      // confirmed for Access 2000: later documentation calls it "Export
      // Microsoft Word Merge".
      {kTextTransferTypes,
       "Import Delimited;Import Fixed Width;Export Delimited;Export Fixed Width;"
       "Export Word for Windows Merge;Link Delimited;Link Fixed Width;Import HTML;Export HTML;"
       "Link HTML"},
  };
  return strings;
}

}  // namespace

std::optional<std::string> ResourceStrings::String(std::uint32_t id) const {
  auto found = Strings().find(id);
  if (found == Strings().end()) return std::nullopt;
  return found->second;
}

}  // namespace sim::access
