#include "objects/documents/report.h"

#include "driver/project.h"
#include "objects/code/procedures.h"
#include "objects/documents/controls.h"
#include "objects/documents/group_levels.h"
#include "objects/documents/sections.h"
#include "platform/access.h"
#include "platform/system.h"
#include "shared/validation.h"
#include "shared/vxhandler.h"

namespace objects {
namespace {

using com::VarType;

const AccessDocument::Kind kReport{"Report", "Reports", msaccess::acReport, "Reports",
                                   "AllReports"};
const DesignedDocument::Design kReportDesign{"Report_", "report"};

std::vector<MirrorSpec> ReportProperties() {
  std::vector<MirrorSpec> specs;
  for (const char* name :
       {"Caption", "Filter", "HelpFile", "InputParameters", "MenuBar", "OnActivate", "OnClose",
        "OnDeactivate", "OnError", "OnNoData", "OnOpen", "OnPage", "OrderBy", "PaletteSource",
        "Picture", "RecordSource", "ServerFilter", "ShortcutMenuBar", "Tag", "Toolbar"})
    specs.push_back({name, VarType::String});
  for (const char* name : {"FastLaserPrinting", "LayoutForPrint", "PictureTiling"})
    specs.push_back({name, VarType::Boolean});
  for (const char* name : {"GridX", "GridY", "Width"}) specs.push_back({name, VarType::Integer});
  // Long values: a number and the enumerations.
  for (const char* name : {"HelpContextID", "DateGrouping", "GrpKeepTogether", "PageFooter",
                           "PageHeader", "PictureAlignment", "PicturePages", "PictureSizeMode",
                           "PictureType", "RecordLocks"})
    specs.push_back({name, VarType::Long});
  return specs;
}

}  // namespace

Report::Report() : DesignedDocument(kReport, kReportDesign) {}

const com::TypeInfo& Report::Members() const {
  static const com::TypeInfo info = [] {
    std::vector<com::Member> properties = MirrorMembers<Report>(ReportProperties());
    for (const char* name : {"InputParameters", "ServerFilter"})
      OnlyInProject(FindMember(properties, name));
    ClearPictureOnNone(FindMember(properties, "Picture"));
    com::TypeBuilder<Report> builder(kClass);
    builder.Property("Name", &Report::Name, &Report::SetName)
        .Property("Description", &Report::Description, &Report::SetDescription)
        .Get("GroupLevels", &Report::GetGroupLevels)
        .Get("Sections", &Report::GetSections)
        .Get("Controls", &Report::GetControls)
        .Get("Procedures", &Report::GetProcedures);
    for (com::Member& member : properties) builder.Custom(std::move(member));
    return builder.Build();
  }();
  return info;
}

std::shared_ptr<GroupLevels> Report::GetGroupLevels() {
  return vxhandler::Guard(kClass, "GroupLevels", [&] {
    if (!group_levels_) {
      group_levels_ = std::make_shared<GroupLevels>();
      if (document_) group_levels_->Initialize(document_);
    }
    return group_levels_;
  });
}

void Report::CheckOpenDocument(com::Dispatch&, std::int32_t mode) {
  if (mode == driver::kModeUpdate)
    validation::RaiseMessage("Couldn't save changes safely because the report was already open.");
}

void Report::CheckBeforeOpening() {
  const bool printer = !com::Capture([] { platform::System::Current().printers().DefaultPrinter(); });
  if (!printer)
    validation::RaiseMessage(
        "Couldn't open the report in design view. \r\n Access 2000 will not permit this report "
        "to be inspected unless a default printer is present on your system.");
}

void Report::OpenInDesignView() {
  constexpr std::int32_t kDesignView = 1;
  DoCmd()->Call("OpenReport",
                {com::Variant(name_), com::Variant(kDesignView), com::Variant(""), com::Variant("")});
}

void Report::Opened(com::Dispatch& report) { report.Let("Visible", com::Variant(false)); }

void Report::FillSections(Sections& sections, com::ObjectRef report) {
  sections.InitializeForReport(std::move(report));
}

void Report::TearDownSubCollections() {
  if (group_levels_) group_levels_->TearDown();
  group_levels_.reset();
  DesignedDocument::TearDownSubCollections();
}

}  // namespace objects
