// A replace across the forms of the sample application: a control's source,
// its name and its event procedure change in one run, and the exported form
// differs from the one before only in the lines that held the old text (a
// long string is cut into its chunks afresh).

#include <gtest/gtest.h>

#include "com/text.h"
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
// line they continue: a changed string is cut into Access's chunks afresh.
std::vector<std::string> LogicalLines(const std::string& text) {
  std::vector<std::string> lines;
  for (const std::string& line : com::Split(text, "\n")) {
    const std::string trimmed = com::Trim(line);
    if (!lines.empty() && trimmed.starts_with('"') && lines.back().ends_with('"')) {
      lines.back().pop_back();
      lines.back() += trimmed.substr(1);
    } else {
      lines.push_back(line);
    }
  }
  return lines;
}

class FormReplaceTest : public ::testing::Test {
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

TEST_F(FormReplaceTest, AControlItsNameAndItsEventProcedureChangeInOneRun) {
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

TEST_F(FormReplaceTest, AScanAndAnUpdateWithoutReplacementKeepEveryFormByteForByte) {
  ASSERT_EQ(Run("export " + Quoted(db_) + " " + Quoted((temp_.path() / "before").string())).code, 0);
  ASSERT_EQ(Run("search " + Quoted(db_) + " CustomerID --only Forms").code, 0);
  CommandResult r = Run("replace " + Quoted(db_) + " CustomerID CustomerID --yes --only Forms");
  ASSERT_EQ(r.code, 0) << r.out << r.err;
  ASSERT_EQ(Run("export " + Quoted(db_) + " " + Quoted((temp_.path() / "after").string())).code, 0);
  for (const char* file :
       {"forms/frmCustomerSearch.bas", "forms/fsubCustomerOrders.bas", "forms/frmCustomers.bas"})
    EXPECT_EQ(Exported("after", file), Exported("before", file)) << file;
}

}  // namespace
