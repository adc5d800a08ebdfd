#include "sim/access/document_kind.h"

#include "platform/access.h"
#include "platform/dao.h"
#include "sim/access/access_errors.h"

namespace sim::access {
namespace {

constexpr std::int32_t kNormal = 0;
constexpr std::int32_t kDesign = msaccess::acViewDesign;
constexpr std::int32_t kPreview = 2;
constexpr std::int32_t kDatasheet = 3;

const std::vector<DocumentKind>& Kinds() {
  static const std::vector<DocumentKind> kinds = {
      {msaccess::acTable, "Tables", "OTable", "Table", kObjectNotFound, {kNormal, kDesign, kPreview}},
      {msaccess::acQuery, "Tables", "OQry", "Query", kObjectNotFound,
       {kNormal, kDesign, kPreview, kSqlView}},
      {msaccess::acForm, "Forms", "OForm", "Form", kFormNotFound,
       {kNormal, kDesign, kPreview, kDatasheet}},
      {msaccess::acReport, "Reports", "OReport", "Report", kReportNotFound, {kDesign, kPreview}},
      {msaccess::acMacro, "Scripts", "OScript", "Macro", kMacroNotFound, {kDesign}},
      {msaccess::acModule, "Modules", "VbaWindow", "Code", kModuleNotFound, {kDesign}},
      {msaccess::acDataAccessPage, "DataAccessPages", "ODataPage", "Data Access Page",
       kObjectNotFound, {kNormal, kDesign}},
      {kDatabaseWindow, "", "ODb", "Database", kObjectNotFound, {kNormal}},
      {kRelationshipsWindow, "", "OSysRel", "Relationships", kObjectNotFound, {kNormal}},
  };
  return kinds;
}

}  // namespace

const DocumentKind& KindOf(std::int32_t object_type) {
  for (const auto& kind : Kinds())
    if (kind.object_type == object_type) return kind;
  RaiseAccess(kWrongArgumentType);
}

std::string QueryCaptionWord(std::int16_t query_type) {
  switch (query_type) {
    case dao::dbQCrosstab: return "Crosstab Query";
    case dao::dbQDelete: return "Delete Query";
    case dao::dbQUpdate: return "Update Query";
    case dao::dbQAppend: return "Append Query";
    case dao::dbQMakeTable: return "Make Table Query";
    case dao::dbQDDL: return "Data Definition Query";
    case dao::dbQSQLPassThrough:
    case dao::dbQSPTBulk: return "Pass-Through Query";
    case dao::dbQSetOperation: return "Union Query";
    default: return "Select Query";
  }
}

bool ShowsRows(std::int16_t query_type) {
  return query_type == dao::dbQSelect || query_type == dao::dbQCrosstab ||
         query_type == dao::dbQSetOperation;
}

std::string WindowCaption(const DocumentKind& kind, const std::string& name, std::int32_t view,
                          const std::string& caption_word) {
  if (kind.object_type == kRelationshipsWindow) return caption_word;
  const bool always_named = kind.object_type == msaccess::acTable ||
                            kind.object_type == msaccess::acQuery ||
                            kind.object_type == kDatabaseWindow;
  if (view == kDesign || always_named) return name + " : " + caption_word;
  return name;
}

}  // namespace sim::access
