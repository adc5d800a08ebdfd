// The replace command as one run: all of its changes kept or none, renames
// checked before the first write, --keep-going, and the terminal's consent.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "cli/commands.h"
#include "support/command_line.h"
#include "support/temp_dir.h"

namespace replace_run_test {

namespace fs = std::filesystem;
using testing_support::CommandResult;
using testing_support::Quoted;
using testing_support::ReadFile;

class ReplaceRunTest : public ::testing::Test {
 protected:
  CommandResult Run(const std::string& arguments) { return command_.Run(arguments); }
  std::map<std::string, std::string> Files() const {
    return testing_support::ReadFolder(temp_.path() / "app");
  }
  std::string ChangesSince(const std::map<std::string, std::string>& before,
                           const std::string& new_allowed = "") const {
    return testing_support::FolderChanges(before, temp_.path() / "app", new_allowed);
  }

  testing_support::TempDir temp_;
  testing_support::CommandLine command_{temp_};
  std::string db_ = command_.Sample();
};

TEST_F(ReplaceRunTest, ARefusedRenameLeavesEveryFileAsItWas) {
  struct Case {
    std::string arguments;
    std::string says;
  } cases[] = {
      {"Customers Clients --whole-word",
       "Tables/Customers/SourceTableName: Customers -> Clients  [refused] Cannot relink: the table "
       "is involved in one or more relationships"},
      {"CustomerArchive Regions",
       "Tables/CustomerArchive/Name: CustomerArchive -> Regions  [refused] Cannot rename: "
       "'Regions' already exists.\n"},
  };
  for (const Case& c : cases) {
    auto before = Files();
    const CommandResult r = Run("replace " + Quoted(db_) + " " + c.arguments + " --yes");
    EXPECT_EQ(r.code, 3) << c.arguments << ": " << r.out << r.err;
    EXPECT_NE(r.out.find(c.says), std::string::npos) << c.arguments << ": " << r.out;
    EXPECT_EQ(r.out.find("[replaced]"), std::string::npos) << c.arguments << ": " << r.out;
    EXPECT_NE(r.out.find("nothing replaced: "),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("[not kept]"), std::string::npos) << c.arguments << ": " << r.out;
    EXPECT_EQ(ChangesSince(before, ".bak"), "") << c.arguments;
  }
}

TEST_F(ReplaceRunTest, ADryRunShowsTheCollisionAndExitsThree) {
  const auto before = Files();
  const CommandResult r = Run("replace " + Quoted(db_) + " CustomerArchive Regions --dry-run");
  EXPECT_EQ(r.code, 3) << r.out << r.err;
  EXPECT_NE(r.out.find("Tables/CustomerArchive/Name: CustomerArchive -> Regions  [refused] "
                       "Cannot rename: 'Regions' already exists.\n"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("qryArchiveCustomers/SQL: "), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("dry run: nothing was written; 1 would be refused\n"), std::string::npos)
      << r.out;
  EXPECT_EQ(ChangesSince(before), "");
}

TEST_F(ReplaceRunTest, KeepGoingKeepsTheRestAndSaysSo) {
  const CommandResult r =
      Run("replace " + Quoted(db_) + " Customers Clients --whole-word --yes --keep-going");
  EXPECT_EQ(r.code, 3) << r.out << r.err;
  EXPECT_NE(r.out.find("Queries/qryAllCustomerCities/SQL: "), std::string::npos) << r.out;
  EXPECT_NE(r.out.find(" replaced and kept, 2 refused or failed: what the kept changes name may "
                       "not have changed with them\n"),
            std::string::npos)
      << r.out;
  EXPECT_EQ(Run("search " + Quoted(db_) + " Clients --only Queries").code, 0);
}

TEST_F(ReplaceRunTest, QueryFieldsAreRenamedWithTheirQueries) {
  const CommandResult r = Run("replace " + Quoted(db_) +
                              " CustomerID ClientID --whole-word --yes --include-query-fields "
                              "--only Queries");
  EXPECT_EQ(r.code, 0) << r.out << r.err;
  EXPECT_NE(r.out.find("Queries/qryCustomerOrders/Fields(CustomerID)/Name: CustomerID -> ClientID "
                       " [replaced]"),
            std::string::npos)
      << r.out;
  EXPECT_EQ(Run("search " + Quoted(db_) + " CustomerID --include-query-fields --only Queries").code,
            1);
}

TEST_F(ReplaceRunTest, WithBackendsAFieldIsRenamedInTheBackendAndTheFrontEndInOneRun) {
  const CommandResult r =
      Run("replace " + Quoted(db_) + " CustomerID ClientID --whole-word --with-backends --yes");
  EXPECT_EQ(r.code, 0) << r.out << r.err;
  EXPECT_NE(r.out.find("sales_be.mdb:Tables/Customers/Fields(CustomerID)/Name: CustomerID -> "
                       "ClientID  [replaced]"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.err.find("sales_be.mdb.bak"), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find("warning"), std::string::npos) << r.err;
  const std::string backend = (temp_.path() / "app" / "sales_be.mdb").string();
  for (const std::string& db : {db_, backend})
    EXPECT_EQ(Run("search " + Quoted(db) + " CustomerID --whole-word --include-linked-table-fields")
                  .code,
              1)
        << db;
  // The front end's links read the renamed fields.
  EXPECT_NE(Run("search " + Quoted(db_) + " ClientID --include-linked-table-fields --only Tables")
                .out.find("Tables/Orders/Fields(ClientID)/Name: ClientID"),
            std::string::npos);
}

TEST_F(ReplaceRunTest, WithBackendsARefusalInTheFrontEndKeepsTheBackendAsItWas) {
  const auto before = Files();
  const CommandResult r =
      Run("replace " + Quoted(db_) + " Customers Clients --whole-word --with-backends --yes");
  EXPECT_EQ(r.code, 3) << r.out << r.err;
  EXPECT_NE(r.out.find("sales_be.mdb:Tables/Customers/Name: Customers -> Clients  [not kept]"),
            std::string::npos)
      << r.out;
  EXPECT_EQ(ChangesSince(before, ".bak"), "");
}

TEST_F(ReplaceRunTest, WithoutBackendsTextNamingABackendFieldIsWarnedOfOnce) {
  const CommandResult r = Run("replace " + Quoted(db_) + " CustomerID ClientID --dry-run");
  EXPECT_EQ(r.code, 0) << r.out << r.err;
  const std::string warning = "quillnet: warning: the text names tables or fields of the backend ";
  const auto at = r.err.find(warning);
  ASSERT_NE(at, std::string::npos) << r.err;
  EXPECT_NE(r.err.find("sales_be.mdb, which is not part of this run"), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find(warning, at + 1), std::string::npos) << r.err;
  EXPECT_EQ(Run("replace " + Quoted(db_) + " qryArchiveCustomers qryArchive --dry-run")
                .err.find("warning"),
            std::string::npos);
}

TEST_F(ReplaceRunTest, APageWrittenBeforeAFailureIsPutBack) {
  const auto before = Files();
  const CommandResult r = Run("replace " + Quoted(db_) + " CustomerID " +
                              std::string(1100, 'X') +
                              " --whole-word --yes --only DataAccessPages,Modules");
  EXPECT_EQ(r.code, 3) << r.out << r.err;
  EXPECT_NE(r.out.find("exceeds maximum length of 1023 characters"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("  [not kept]"), std::string::npos) << r.out;
  EXPECT_EQ(ChangesSince(before, ".bak"), "");
}

// The answer on the terminal decides; only a yes writes.
TEST(ReplacePrompt, OnlyAYesWrites) {
  testing_support::TempDir temp;
  const std::string db = testing_support::CommandLine(temp).Sample();
  ASSERT_EQ(setenv("QUILLNET_HOME", temp.File("home").c_str(), 1), 0);
  std::string from = "CustomerArchive", to = "CustomerHistory";
  for (const std::string answer : {"n", "N", "no", "", "nyes", "y", "Y", "yes"}) {
    const bool yes = answer == "y" || answer == "Y" || answer == "yes";
    const std::string before = ReadFile(db);
    std::ostringstream out, err;
    std::istringstream in(answer + "\n");
    cli::Console console{out, err, in, true, false};
    const int code = cli::Run({"replace", db, from, to, "--only", "Tables"}, console);
    EXPECT_NE(err.str().find("Replace 1 occurrence(s) in 1 object(s)? [y/N] "), std::string::npos)
        << answer << ": " << err.str();
    EXPECT_EQ(code, yes ? 0 : 1) << answer << ": " << err.str();
    EXPECT_EQ(ReadFile(db) == before, !yes) << answer;
    if (yes) std::swap(from, to);
  }
}

}  // namespace replace_run_test
