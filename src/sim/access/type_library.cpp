#include "sim/access/type_library.h"

#include "com/text.h"

namespace sim::access {
namespace {

using Members = std::vector<platform::EnumerationMember>;

const Members& ObjectTypes() {
  static const Members members = {
      {"acDefault", -1},     {"acTable", 0},          {"acQuery", 1},
      {"acForm", 2},         {"acReport", 3},         {"acMacro", 4},
      {"acModule", 5},       {"acDataAccessPage", 6}, {"acServerView", 7},
      {"acDiagram", 8},      {"acStoredProcedure", 9},
  };
  return members;
}

// The commands macros run most, in the type library's alphabetical order.
// Access 2000 publishes some three hundred more; a macro that runs one of
// those shows its number.
const Members& Commands() {
  static const Members members = {
      {"acCmdAboutMicrosoftAccess", 35}, {"acCmdAddInManager", 526},
      {"acCmdAdvancedFilterSort", 99},   {"acCmdAlignBottom", 46},
      {"acCmdAlignLeft", 43},            {"acCmdAlignRight", 44},
      {"acCmdAlignToGrid", 47},          {"acCmdAlignTop", 45},
      {"acCmdAnalyzePerformance", 283},  {"acCmdAnalyzeTable", 284},
      {"acCmdApplyFilterSort", 93},      {"acCmdAppMaximize", 10},
      {"acCmdAppMinimize", 11},          {"acCmdAppMove", 12},
      {"acCmdAppRestore", 9},            {"acCmdAppSize", 13},
      {"acCmdBringToFront", 52},         {"acCmdClearGrid", 71},
      {"acCmdClose", 58},                {"acCmdCompactDatabase", 4},
      {"acCmdCopy", 190},                {"acCmdCut", 189},
      {"acCmdDatabaseProperties", 256},  {"acCmdDatasheetView", 282},
      {"acCmdDelete", 337},              {"acCmdDeleteRecord", 223},
      {"acCmdDesignView", 183},          {"acCmdDocumenter", 285},
      {"acCmdExit", 3},                  {"acCmdFilterByForm", 207},
      {"acCmdFilterBySelection", 208},   {"acCmdFind", 30},
      {"acCmdFindNext", 341},            {"acCmdFormView", 281},
      {"acCmdImport", 84},               {"acCmdLinkTables", 102},
      {"acCmdNewDatabase", 26},          {"acCmdOpenDatabase", 25},
      {"acCmdOptions", 49},              {"acCmdPaste", 191},
      {"acCmdPrint", 340},               {"acCmdPrintPreview", 54},
      {"acCmdRecordsGoToNew", 28},       {"acCmdRefresh", 18},
      {"acCmdRelationships", 133},       {"acCmdRemoveFilterSort", 144},
      {"acCmdRepairDatabase", 5},        {"acCmdRunMacro", 31},
      {"acCmdSave", 20},                 {"acCmdSaveAs", 21},
      {"acCmdSaveRecord", 97},           {"acCmdSortAscending", 163},
      {"acCmdSortDescending", 164},      {"acCmdSpelling", 269},
      {"acCmdSQLView", 184},             {"acCmdTileHorizontally", 286},
      {"acCmdUndo", 292},                {"acCmdVisualBasicEditor", 525},
      {"acCmdWindowHide", 2},            {"acCmdWindowUnhide", 1},
      {"acCmdZoomBox", 209},
  };
  return members;
}

}  // namespace

std::optional<Members> TypeLibrary::Enumeration(const std::string& name) const {
  if (com::EqualsNoCase(name, "AcObjectType")) return ObjectTypes();
  if (com::EqualsNoCase(name, "AcCommand")) return Commands();
  return std::nullopt;
}

}  // namespace sim::access
