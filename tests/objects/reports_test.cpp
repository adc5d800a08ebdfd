// Reports: their list, the mode switch's differences from forms (a report
// open in any view is scanned there, none opens without a default printer),
// group levels and sections, and conditional formats written through Modify.

#include <gtest/gtest.h>

#include "com/text.h"
#include "driver/project.h"
#include "objects/documents/control.h"
#include "objects/documents/controls.h"
#include "objects/documents/format_condition.h"
#include "objects/documents/format_conditions.h"
#include "objects/documents/group_level.h"
#include "objects/documents/group_levels.h"
#include "objects/documents/report.h"
#include "objects/documents/sections.h"
#include "platform/access.h"
#include "sim/access/application.h"
#include "sim/access/conditional_format.h"
#include "sim/access/document_windows.h"
#include "sim/machine.h"
#include "support/access_documents_test.h"
#include "support/error_matchers.h"
#include "support/object_lists.h"

namespace {

using testing_support::ErrorOf;
using testing_support::Message;

// Below 0 in red, above 1000 in green: one condition of each type.
std::vector<std::string> ConditionLines() {
  sim::access::FormatRule below;
  below.op = 5;
  below.expression1 = "0";
  sim::access::FormatRule above;
  above.type = 1;
  above.expression1 = "[Amount]>[CustomerLimit]";
  const std::string blob = sim::access::EncodeConditionalFormat({below, above});
  std::vector<std::string> lines{"                    ConditionalFormat = Begin"};
  for (std::size_t at = 0; at < blob.size(); at += 32) {
    std::string line = "                        0x";
    for (std::size_t i = at; i < std::min(blob.size(), at + 32); ++i) {
      char digits[3];
      std::snprintf(digits, sizeof digits, "%02x", static_cast<unsigned char>(blob[i]));
      line += digits;
    }
    lines.push_back(line + (at + 32 < blob.size() ? " ," : ""));
  }
  lines.push_back("                    End");
  return lines;
}

std::vector<std::string> ReportText() {
  std::vector<std::string> lines = {
      "Version =20",
      "VersionRequired =20",
      "Begin Report",
      "    Width =9360",
      "    RecordSource =\"qryCustomerOrders\"",
      "    Caption =\"Orders per CustomerID\"",
      "    OnNoData =\"[Event Procedure]\"",
      "    Begin",
      "        Begin BreakLevel",
      "            GroupHeader = NotDefault",
      "            GroupFooter = NotDefault",
      "            ControlSource =\"CustomerID\"",
      "        End",
      "        Begin BreakLevel",
      "            GroupHeader = NotDefault",
      "            GroupFooter = NotDefault",
      "            ControlSource =\"OrderDate\"",
      "        End",
      "        Begin BreakLevel",
      "            ControlSource =\"OrderID\"",
      "        End",
      "        Begin PageHeader",
      "            Height =360",
      "            Name =\"PageHeaderSection\"",
      "        End",
      "        Begin BreakHeader",
      "            Height =360",
      "            BreakLevel =1",
      "            Name =\"GroupHeader0\"",
      "        End",
      "        Begin BreakHeader",
      "            Height =360",
      "            BreakLevel =2",
      "            Name =\"GroupHeader1\"",
      "        End",
      "        Begin Section",
      "            Height =300",
      "            Name =\"Detail\"",
      "            Begin",
      "                Begin TextBox",
      "                    Width =1440",
      "                    Height =255",
      "                    Name =\"txtAmount\"",
      "                    ControlSource =\"Amount\""};
  for (const std::string& line : ConditionLines()) lines.push_back(line);
  for (const char* line :
       {"                End",
        "                Begin Label",
        "                    Left =1800",
        "                    Width =1440",
        "                    Height =255",
        "                    Name =\"lblAmount\"",
        "                    Caption =\"Amount\"",
        "                End",
        "            End",
        "        End",
        "        Begin BreakFooter",
        "            Height =360",
        "            BreakLevel =2",
        "            Name =\"GroupFooter1\"",
        "        End",
        "        Begin BreakFooter",
        "            Height =360",
        "            BreakLevel =1",
        "            Name =\"GroupFooter0\"",
        "        End",
        "        Begin PageFooter",
        "            Height =360",
        "            Name =\"PageFooterSection\"",
        "        End",
        "    End",
        "End"})
    lines.push_back(line);
  return lines;
}

class ReportsTest : public testing_support::AccessDocumentsTest {
 protected:
  ReportsTest() {
    Store(msaccess::acReport, "rptOrders", ReportText());
    OpenProject();
  }

  std::shared_ptr<objects::Report> Report() { return Object<objects::Report>("Reports", "rptOrders"); }
  std::string Stored() { return AccessDocumentsTest::Stored(msaccess::acReport, "rptOrders"); }
  std::vector<std::string> OpenReports() {
    return Access()->Documents()->OpenNames(msaccess::acReport);
  }
  std::size_t Hooks() { return machine.windows().HookCount(); }
};

TEST_F(ReportsTest, ListsTheReportsWithTheirDesignCommand) {
  auto reports = project_->IProject_GetCollection("Reports");
  const auto list = testing_support::ParseObjectList(reports->ICollection_EnumObjects());
  EXPECT_EQ(list.at("rptOrders"),
            (std::vector<std::string>{"rptOrders", "18", "", "1", "1", "1", "0"}));
  EXPECT_EQ(reports->ICollection_EnumObjectCommands("rptOrders"),
            "&Design\t26\tFalse\tOpen the report in design view.");
}

TEST_F(ReportsTest, WithoutADefaultPrinterNoReportIsOpened) {
  machine.printers().SetDefault(std::nullopt);
  auto report = Report();
  const auto refused = ErrorOf([&] { report->SetMode(driver::kModeScan); });
  EXPECT_EQ(Message(refused),
            "Couldn't open the report in design view. \r\n Access 2000 will not permit this report "
            "to be inspected unless a default printer is present on your system.");
  EXPECT_EQ(report->Mode(), driver::kModeClosed);
  EXPECT_TRUE(OpenReports().empty());
  EXPECT_EQ(Hooks(), 0u);
}

TEST_F(ReportsTest, GroupLevelsAndTheirSectionsAreRead) {
  const std::string before = Stored();
  auto report = Report();
  report->SetMode(driver::kModeScan);
  auto levels = report->GetGroupLevels();
  ASSERT_EQ(levels->Count(), 3);
  EXPECT_EQ(levels->Item(com::Variant(2))->Name(), "2");
  EXPECT_EQ(com::CStr(levels->Item(com::Variant("0"))->Get("ControlSource")), "CustomerID");
  EXPECT_TRUE(com::CBool(levels->Item(com::Variant("1"))->Get("GroupHeader")));
  EXPECT_EQ(report->GetSections()->Count(), 7);
  EXPECT_EQ(com::CStr(report->Get("Caption")), "Orders per CustomerID");
  EXPECT_EQ(ErrorOf([&] { report->Get("InputParameters"); }).Number(), -32749);
  report->SetMode(driver::kModeClosed);
  EXPECT_EQ(Stored(), before);
}

TEST_F(ReportsTest, SortOrderTakesOnlyItsTwoValues) {
  auto report = Report();
  report->SetMode(driver::kModeUpdate);
  auto level = report->GetGroupLevels()->Item(com::Variant("0"));
  level->SetSortOrder(2);
  EXPECT_EQ(level->SortOrder(), 0);
  level->SetSortOrder(1);
  EXPECT_EQ(level->SortOrder(), 1);
  level->Let("ControlSource", com::Variant("ClientID"));
  report->SetMode(driver::kModeClosed);
  EXPECT_NE(Stored().find("ControlSource =\"ClientID\""), std::string::npos);
}

TEST_F(ReportsTest, AnExpressionOfAConditionIsWrittenWithTheRestOfItUnchanged) {
  auto report = Report();
  report->SetMode(driver::kModeUpdate);
  auto amount = report->GetControls()->Item(com::Variant("txtAmount"));
  auto conditions = amount->GetFormatConditions();
  ASSERT_EQ(conditions->Count(), 2);
  auto second = conditions->Item(com::Variant(1));
  second->SetExpression1("[Amount]>[ClientLimit]");
  EXPECT_EQ(second->ConditionType(), 1);
  EXPECT_EQ(conditions->Item(com::Variant(0))->Operator(), 5);
  EXPECT_EQ(report->GetControls()->Item(com::Variant("lblAmount"))->GetFormatConditions()->Count(), 0);
  report->SetMode(driver::kModeClosed);

  report->SetMode(driver::kModeScan);
  conditions = report->GetControls()->Item(com::Variant("txtAmount"))->GetFormatConditions();
  EXPECT_EQ(com::CStr(conditions->Item(com::Variant(1))->Get("Expression1")), "[Amount]>[ClientLimit]");
  EXPECT_EQ(com::CStr(conditions->Item(com::Variant(0))->Get("Expression1")), "0");
  report->SetMode(driver::kModeClosed);
}

TEST_F(ReportsTest, AReportTheUserPreviewsIsScannedThereAndNeverChanged) {
  DoCmd(*Access())->Call("OpenReport", {com::Variant("rptOrders"), com::Variant(2)});
  auto report = Report();
  report->SetMode(driver::kModeScan);
  EXPECT_EQ(report->GetGroupLevels()->Count(), 3);
  report->SetMode(driver::kModeClosed);
  EXPECT_EQ(OpenReports(), std::vector<std::string>{"rptOrders"});
  const auto refused = ErrorOf([&] { report->SetMode(driver::kModeUpdate); });
  EXPECT_EQ(Message(refused), "Couldn't save changes safely because the report was already open.");
  EXPECT_EQ(OpenReports(), std::vector<std::string>{"rptOrders"});
}

}  // namespace
