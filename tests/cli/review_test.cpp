// Reviewing a replace before and after it is written: the diff of every
// change, a plan applied later, and undo of the last run.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/unified_diff.h"
#include "support/command_line.h"
#include "support/temp_dir.h"

namespace {

using testing_support::CommandResult;
using testing_support::Quoted;
using testing_support::ReadFile;

class ReviewTest : public ::testing::Test {
 protected:
  CommandResult Run(const std::string& arguments) { return command_.Run(arguments); }

  // Every readable property of every table and query, object by object.
  std::string Snapshot() {
    std::string all;
    for (const char* collection : {"Tables", "Queries"}) {
      std::istringstream list(Run("list " + db_ + " " + collection).out);
      for (std::string line; std::getline(list, line);) {
        const std::string name = line.substr(0, line.find('\t'));
        all += "== " + name + "\n" + Run("show " + db_ + " " + collection + " " + Quoted(name)).out;
      }
    }
    return all;
  }

  testing_support::TempDir temp_;
  testing_support::CommandLine command_{temp_};
  std::string db_ = Quoted(command_.Sample());
  // Renames a table, its field and index, and queries, and rewrites their SQL.
  std::string rename_ = "Customer Client --only Tables,Queries --only-path 'Tables/CustomerNotes/*' "
                        "--only-path 'Queries/*'";
};

std::string DatabaseFile(const std::string& quoted) { return quoted.substr(1, quoted.size() - 2); }

TEST_F(ReviewTest, DiffShowsEveryChangeAsAUnifiedDiffAndWritesNothing) {
  const std::string before = ReadFile(DatabaseFile(db_));
  const CommandResult r = Run("replace " + db_ + " CustomerID ClientID --diff --only Queries,Forms");
  ASSERT_EQ(r.code, 0) << r.err;
  for (const char* expected :
       {"# Queries/qryArchiveCustomers\n--- a/Queries/qryArchiveCustomers/SQL\n"
        "+++ b/Queries/qryArchiveCustomers/SQL\n@@ -1 +1 @@\n"
        "-INSERT INTO CustomerArchive ( CustomerID, Customer ) SELECT CustomerID, Customer FROM "
        "Customers;\n+INSERT INTO CustomerArchive ( ClientID, Customer ) SELECT ClientID, "
        "Customer FROM Customers;\n",
        "@@ -1,3 +1,3 @@\n Private Sub Form_Current()\n-    Me.Caption = \"Customer \" & "
        "Nz(Me!CustomerID, \"(new)\")\n+    Me.Caption = \"Customer \" & Nz(Me!ClientID, "
        "\"(new)\")\n End Sub\n"})
    EXPECT_NE(r.out.find(expected), std::string::npos) << r.out;
  EXPECT_TRUE(ReadFile(DatabaseFile(db_)) == before) << "the database was written";
}

TEST(UnifiedDiff, HunksKeepThreeLinesOfContextAndJoinWhenClose) {
  struct Case {
    const char* before;
    const char* after;
    const char* hunks;
  } cases[] = {
      {"a\nb\nc\nd\ne\nf\ng\nh\ni\nj\nk\nl\nm\n", "a\nB\nc\nd\ne\nf\ng\nh\ni\nj\nk\nL\nm\n",
       "@@ -1,5 +1,5 @@\n a\n-b\n+B\n c\n d\n e\n@@ -9,5 +9,5 @@\n i\n j\n k\n-l\n+L\n m\n"},
      {"a\r\nb\r\nc", "a\r\nb\r\nc\r\nd", "@@ -1,3 +1,4 @@\n a\n b\n c\n+d\n"},
      {"x", "", "@@ -1 +0,0 @@\n-x\n"},
      {"a\nb\nc\nd\ne\nf\n", "a\nb\nX\nd\nY\nf\n",
       "@@ -1,6 +1,6 @@\n a\n b\n-c\n+X\n d\n-e\n+Y\n f\n"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(cli::UnifiedDiff("P", c.before, c.after), std::string("--- a/P\n+++ b/P\n") + c.hunks)
        << c.before;
  EXPECT_EQ(cli::UnifiedDiff("P", "same", "same"), "");
}

TEST_F(ReviewTest, APlanIsAppliedLaterExactlyAsItWasMade) {
  const std::string plan = Quoted(temp_.File("plan.json"));
  const std::string before = ReadFile(DatabaseFile(db_));
  CommandResult r = Run("replace " + db_ + " " + rename_ + " --plan " + plan);
  ASSERT_EQ(r.code, 0) << r.out << r.err;
  EXPECT_NE(r.out.find("planned 25 change(s) in 9 object(s)"), std::string::npos) << r.out;
  EXPECT_TRUE(ReadFile(DatabaseFile(db_)) == before) << "planning wrote to the database";

  r = Run("replace " + db_ + " --apply " + plan + " --yes");
  ASSERT_EQ(r.code, 0) << r.out << r.err;
  EXPECT_NE(r.out.find("25 replaced, 0 refused or failed"), std::string::npos) << r.out;
  r = Run("search " + db_ + " Customer --only Tables,Queries");
  EXPECT_EQ(r.out.find("CustomerNotes"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("Queries/"), std::string::npos) << r.out;
  EXPECT_NE(Run("list " + db_ + " Tables").out.find("ClientNotes\t"), std::string::npos);
}

TEST_F(ReviewTest, AStalePlanIsRefusedWholeAndSaysWhatChanged) {
  const std::string plan = Quoted(temp_.File("plan.json"));
  ASSERT_EQ(Run("replace " + db_ + " " + rename_ + " --plan " + plan).code, 0);
  ASSERT_EQ(Run("replace " + db_ + " 'Is Not Null' '> 0' --only Tables --yes --no-backup").code, 0);
  const std::string before = ReadFile(DatabaseFile(db_));
  const CommandResult r = Run("replace " + db_ + " --apply " + plan + " --yes");
  EXPECT_EQ(r.code, 3) << r.out << r.err;
  EXPECT_NE(r.out.find("Tables/CustomerNotes/ValidationRule: [CustomerID] > 0 -> [ClientID] Is "
                       "Not Null  [refused] Not applied: it no longer holds the value the plan "
                       "saw."),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("nothing replaced"), std::string::npos) << r.out;
  EXPECT_TRUE(ReadFile(DatabaseFile(db_)) == before) << "the database was written";
  EXPECT_EQ(Run("replace " + db_ + " --apply " + Quoted(temp_.File("none.json")) + " --yes").code,
            2);
}

TEST_F(ReviewTest, UndoGivesBackEveryPropertyOfARunThatRenamedATableAFieldAndQueries) {
  const std::string before = Snapshot();
  CommandResult r = Run("replace " + db_ + " " + rename_ + " --yes");
  ASSERT_EQ(r.code, 0) << r.out << r.err;
  ASSERT_NE(Snapshot(), before);
  r = Run("undo " + db_);
  EXPECT_EQ(r.code, 2) << "no terminal to ask on and no --yes";
  r = Run("undo " + db_ + " --yes");
  ASSERT_EQ(r.code, 0) << r.out << r.err;
  EXPECT_NE(r.out.find("Tables/ClientNotes/Fields(ClientID)/Name: ClientID -> CustomerID  "
                       "[replaced]"),
            std::string::npos)
      << r.out;
  EXPECT_EQ(Snapshot(), before);
  r = Run("undo " + db_ + " --yes");
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("there is no replace run of"), std::string::npos) << r.err;
}

TEST_F(ReviewTest, UndoRefusesAndListsValuesChangedAgainSinceTheRun) {
  ASSERT_EQ(Run("replace " + db_ + " " + rename_ + " --yes --no-backup").code, 0);
  // The value changes again by another hand (here a second replace, whose
  // own journal is then set aside, as if Access had changed it).
  const auto journals = temp_.path() / "home" / "journals";
  ASSERT_EQ(std::distance(std::filesystem::directory_iterator(journals), {}), 1);
  const auto journal = std::filesystem::directory_iterator(journals)->path();
  const std::string first_run = ReadFile(journal.string());
  ASSERT_EQ(Run("replace " + db_ + " 'Is Not Null' '> 0' --only Tables --yes --no-backup").code, 0);
  std::ofstream(journal, std::ios::binary) << first_run;

  const std::string before = ReadFile(DatabaseFile(db_));
  for (int attempt = 0; attempt < 2; ++attempt) {
    const CommandResult r = Run("undo " + db_ + " --yes");
    EXPECT_EQ(r.code, 3) << r.out << r.err;
    EXPECT_NE(r.out.find("Tables/ClientNotes/ValidationRule: [ClientID] > 0 -> [CustomerID] Is "
                         "Not Null  [refused] Not taken back: it was changed again since the run."),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("nothing replaced"), std::string::npos) << r.out;
    EXPECT_TRUE(ReadFile(DatabaseFile(db_)) == before) << "the database was written";
  }
}

}  // namespace
