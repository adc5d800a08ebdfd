// A replace across the forms and reports of the sample application: a
// control's source, its name and its event procedure change in one run, and
// the exported form differs from the one before only in the lines that held
// the old text (a long string is cut into its chunks afresh); a group
// level's source and a conditional format's expression change, the format's
// blobs keeping every other part of their meaning.

#include <gtest/gtest.h>

#include "com/text.h"
#include "sim/access/conditional_format.h"
#include "sim/access/document_text.h"
#include "sim/access/text_encoding.h"
#include "support/command_line.h"
#include "support/temp_dir.h"

namespace {

using testing_support::CommandResult;
using testing_support::Quoted;
using testing_support::ReadFile;

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

// The text's lines with each long string's continuation lines joined to the
// line they continue (a changed string is cut into Access's chunks afresh),
// without binary data, whose length follows what it encodes.
std::vector<std::string> LogicalLines(const std::string& text) {
  std::vector<std::string> lines;
  for (const std::string& line : com::Split(text, "\n")) {
    const std::string trimmed = com::Trim(line);
    if (trimmed.starts_with("0x")) continue;
    if (!lines.empty() && trimmed.starts_with('"') && lines.back().ends_with('"')) {
      lines.back().pop_back();
      lines.back() += trimmed.substr(1);
    } else {
      lines.push_back(line);
    }
  }
  return lines;
}

class DocumentReplaceTest : public ::testing::Test {
 protected:
  CommandResult Run(const std::string& arguments) { return command_.Run(arguments); }
  // The exported file's text (Access writes UTF-16), lines joined by LF.
  std::string Exported(const std::string& folder, const std::string& file) {
    return sim::access::DecodeText(ReadFile((temp_.path() / folder / file).string())).text;
  }

  testing_support::TempDir temp_;
  testing_support::CommandLine command_{temp_};
  std::string db_ = command_.Sample();
};

TEST_F(DocumentReplaceTest, AControlItsNameAndItsEventProcedureChangeInOneRun) {
  ASSERT_EQ(Run("export " + Quoted(db_) + " " + Quoted((temp_.path() / "before").string())).code, 0);
  CommandResult r = Run("replace " + Quoted(db_) + " CustomerID ClientID --yes --only Forms");
  ASSERT_EQ(r.code, 0) << r.out << r.err;
  EXPECT_NE(r.out.find("Controls(cmdFindCustomerID)/Name"), std::string::npos) << r.out;
  ASSERT_EQ(Run("export " + Quoted(db_) + " " + Quoted((temp_.path() / "after").string())).code, 0);

  for (const char* file :
       {"forms/frmCustomerSearch.bas", "forms/fsubCustomerOrders.bas", "forms/frmCustomers.bas"}) {
    const auto before = LogicalLines(Exported("before", file));
    const auto after = LogicalLines(Exported("after", file));
    ASSERT_EQ(before.size(), after.size()) << file;
    for (std::size_t i = 0; i < before.size(); ++i)
      EXPECT_EQ(after[i], ReplaceAll(before[i], "CustomerID", "ClientID")) << file << " line " << i + 1;
  }
  const std::string search_form = Exported("after", "forms/frmCustomerSearch.bas");
  EXPECT_NE(search_form.find("Name =\"cmdFindClientID\""), std::string::npos);
  EXPECT_NE(search_form.find("Private Sub cmdFindClientID_Click()"), std::string::npos);
  EXPECT_EQ(Run("search " + Quoted(db_) + " CustomerID --only Forms").code, 1);
}

TEST_F(DocumentReplaceTest, AScanAndAnUpdateWithoutReplacementKeepEveryFormByteForByte) {
  ASSERT_EQ(Run("export " + Quoted(db_) + " " + Quoted((temp_.path() / "before").string())).code, 0);
  ASSERT_EQ(Run("search " + Quoted(db_) + " CustomerID --only Forms,Reports").code, 0);
  CommandResult r = Run("replace " + Quoted(db_) + " CustomerID CustomerID --yes --only Forms,Reports");
  ASSERT_EQ(r.code, 0) << r.out << r.err;
  ASSERT_EQ(Run("export " + Quoted(db_) + " " + Quoted((temp_.path() / "after").string())).code, 0);
  for (const char* file : {"forms/frmCustomerSearch.bas", "forms/fsubCustomerOrders.bas",
                           "forms/frmCustomers.bas", "reports/rptCustomerOrders.bas"})
    EXPECT_EQ(Exported("after", file), Exported("before", file)) << file;
}

// The conditions of a text box of an exported form, from both blobs.
std::pair<std::vector<sim::access::FormatRule>, std::vector<sim::access::FormatRule>> Conditions(
    const std::string& text, const std::string& control) {
  auto document = sim::access::DocumentText::Parse(text);
  std::vector<sim::access::TextNode*> blocks{document.Root()};
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    sim::access::TextNode& block = *blocks[i];
    const auto* name = block.FindProperty("Name");
    if (name && name->value == control)
      return {*sim::access::DecodeConditionalFormat(block.FindProperty("ConditionalFormat")->value),
              *sim::access::DecodeConditionalFormat14(block.FindProperty("ConditionalFormat14")->value)};
    for (auto& child : block.children)
      if (child.kind == sim::access::TextNode::Kind::Block) blocks.push_back(&child);
  }
  ADD_FAILURE() << "no control " << control;
  return {};
}

TEST_F(DocumentReplaceTest, AGroupLevelAndAConditionalFormatChangeAndKeepTheRestOfTheirMeaning) {
  ASSERT_EQ(Run("export " + Quoted(db_) + " " + Quoted((temp_.path() / "before").string())).code, 0);
  CommandResult r = Run("replace " + Quoted(db_) + " CustomerID ClientID --yes --only Forms,Reports");
  ASSERT_EQ(r.code, 0) << r.out << r.err;
  EXPECT_NE(r.out.find("GroupLevels(0)/ControlSource"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("FormatConditions(1)/Expression1"), std::string::npos) << r.out;
  ASSERT_EQ(Run("export " + Quoted(db_) + " " + Quoted((temp_.path() / "after").string())).code, 0);

  EXPECT_NE(Exported("after", "reports/rptCustomerOrders.bas")
                .find("        Begin BreakLevel\n"
                      "            GroupHeader = NotDefault\n"
                      "            GroupFooter = NotDefault\n"
                      "            ControlSource =\"ClientID\"\n"),
            std::string::npos);
  const auto before = Conditions(Exported("before", "forms/frmCustomerSearch.bas"), "txtCity");
  const auto after = Conditions(Exported("after", "forms/frmCustomerSearch.bas"), "txtCity");
  for (const auto* rules : {&after.first, &after.second}) {
    ASSERT_EQ(rules->size(), 2u);
    for (std::size_t i = 0; i < rules->size(); ++i) {
      const auto& was = before.first[i];
      const auto& now = (*rules)[i];
      EXPECT_EQ(now.expression1, ReplaceAll(was.expression1, "CustomerID", "ClientID"));
      EXPECT_EQ(now.expression2, was.expression2);
      EXPECT_EQ(std::tie(now.type, now.op, now.fore_color, now.back_color, now.enabled, now.bold,
                         now.italic, now.underline),
                std::tie(was.type, was.op, was.fore_color, was.back_color, was.enabled, was.bold,
                         was.italic, was.underline));
    }
  }
  EXPECT_EQ(after.first[0].expression1, "IsNull([ClientID])");
  EXPECT_EQ(Run("search " + Quoted(db_) + " CustomerID --only Forms,Reports").code, 1);
}

}  // namespace
