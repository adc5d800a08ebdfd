// One run at a time on a database, and a run that did not finish put back.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "com/error.h"
#include "engine/run_claim.h"
#include "shared/database_keyed_file.h"
#include "support/command_line.h"
#include "support/machine_test.h"

namespace {

namespace fs = std::filesystem;
using engine::RunClaim;
using testing_support::ReadFile;

class RunClaimTest : public testing_support::MachineTest {
 protected:
  RunClaimTest() : db_(command_.Sample()) {}

  // The claim file the command uses for the database, in its state folder.
  std::string ClaimFile() const { return shared::DatabaseKeyedFile(temp.File("home/claims"), db_, ".claim"); }

  testing_support::CommandLine command_{temp};
  std::string db_;
};

TEST_F(RunClaimTest, AReplaceIsRefusedAtOnceWhileAnotherRunHoldsTheFile) {
  const std::string before = ReadFile(db_);
  {
    RunClaim running(db_, ClaimFile(), RunClaim::Kind::Exclusive, 0, [] {});
    const auto r = command_.Run("replace '" + db_ + "' CustomerID ClientID --yes");
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("Another quillnet run is using " + db_ + " (a replace by process "),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("This replace needs the database to itself: try again when that run "
                         "has finished."),
              std::string::npos)
        << r.err;
    EXPECT_TRUE(ReadFile(db_) == before);
    EXPECT_FALSE(fs::exists(db_ + ".bak"));
  }
  EXPECT_EQ(command_.Run("replace '" + db_ + "' CustomerID ClientID --yes").code, 0);
}

TEST_F(RunClaimTest, AnImportIsRefusedAtOnceWhileAnotherRunHoldsTheFile) {
  ASSERT_EQ(command_.Run("export '" + db_ + "' text").code, 0);
  const std::string before = ReadFile(db_);
  {
    RunClaim running(db_, ClaimFile(), RunClaim::Kind::Exclusive, 0, [] {});
    const auto r = command_.Run("import text '" + db_ + "'");
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("Another quillnet run is using " + db_ + " (a replace by process " +
                         std::to_string(getpid()) + "). This import needs the database to "
                         "itself"),
              std::string::npos)
        << r.err;
    EXPECT_TRUE(ReadFile(db_) == before);
  }
  EXPECT_EQ(command_.Run("import text '" + db_ + "'").code, 0);
}

TEST_F(RunClaimTest, ReadersShareTheFileAndKeepAReplaceOut) {
  bool first_alone = false, second_alone = false;
  {
    RunClaim first(db_, ClaimFile(), RunClaim::Kind::Shared, 0, [&] { first_alone = true; });
    RunClaim second(db_, ClaimFile(), RunClaim::Kind::Shared, 0, [&] { second_alone = true; });
    EXPECT_THROW(RunClaim(db_, ClaimFile(), RunClaim::Kind::Exclusive, 0, [] {}), com::Error);
  }
  EXPECT_TRUE(first_alone);
  EXPECT_FALSE(second_alone);
  EXPECT_NO_THROW(RunClaim(db_, ClaimFile(), RunClaim::Kind::Exclusive, 0, [] {}));
}

TEST_F(RunClaimTest, AReaderGivesUpAfterWaitingForAReplace) {
  RunClaim replace(db_, ClaimFile(), RunClaim::Kind::Exclusive, 0, [] {});
  const std::uint32_t start = clock().GetTickCount();
  try {
    RunClaim reader(db_, ClaimFile(), RunClaim::Kind::Shared, 5000, [] {});
    ADD_FAILURE() << "the reader got in";
  } catch (const com::Error& error) {
    EXPECT_NE(error.Description().find("Try again when the replace has finished."),
              std::string::npos);
  }
  EXPECT_GE(clock().GetTickCount() - start, 5000u);
}

TEST_F(RunClaimTest, TheNextCommandPutsBackTheFileOfARunThatDidNotFinish) {
  const std::string before = ReadFile(db_);
  fs::copy_file(db_, temp.File("before.mdb"));
  // What a killed run leaves: some objects changed, its copy still there.
  ASSERT_EQ(command_.Run("replace '" + db_ + "' Customers Clients --only Queries --yes --no-backup "
                         "--keep-going")
                .code,
            0);
  ASSERT_TRUE(ReadFile(db_) != before);
  fs::copy_file(temp.File("before.mdb"), db_ + ".quillnet-undo");
  std::ofstream(db_ + ".quillnet-run") << db_ << '\n';
  const auto r = command_.Run("search '" + db_ + "' Zanzibar");
  EXPECT_NE(r.err.find("a replace of " + db_ + " did not finish; the database was put back as it "
                       "was before it"),
            std::string::npos)
      << r.err;
  EXPECT_TRUE(ReadFile(db_) == before);
  EXPECT_FALSE(fs::exists(db_ + ".quillnet-undo"));
  EXPECT_FALSE(fs::exists(db_ + ".quillnet-run"));
}

}  // namespace
