#include "sim/jet/sessions.h"

#include <gtest/gtest.h>

#include "support/error_matchers.h"

namespace {

using sim::jet::Sessions;
using testing_support::ErrorOf;

constexpr const char* kFile = "/data/app.mdb";

TEST(Sessions, ExclusiveUseConflictsWithEveryOtherConnection) {
  struct Case {
    bool first_exclusive;
    bool second_exclusive;
  };
  for (const Case c : {Case{true, false}, Case{false, true}, Case{true, true}}) {
    Sessions sessions;
    sessions.Open(kFile, "PC1", c.first_exclusive);
    const auto e = ErrorOf([&] { sessions.Open("/DATA/App.mdb", "PC2", c.second_exclusive); });
    EXPECT_EQ(e.Number(), 3045);
    EXPECT_EQ(e.Description(), "Could not use '/DATA/App.mdb'; file already in use.");
    EXPECT_EQ(sessions.Roster(kFile).size(), 1u);
  }
}

TEST(Sessions, SharedConnectionsMakeTheRosterInOpeningOrderUntilClosed) {
  Sessions sessions;
  const auto first = sessions.Open(kFile, "PC1", false);
  sessions.Open("/data/other.mdb", "PC9", true);
  sessions.Open("/data/./APP.MDB", "PC2", false);
  auto roster = sessions.Roster(kFile);
  ASSERT_EQ(roster.size(), 2u);
  EXPECT_EQ(roster[0].computer, "PC1");
  EXPECT_EQ(roster[1].computer, "PC2");
  EXPECT_FALSE(sessions.HeldExclusively(kFile));
  EXPECT_TRUE(sessions.HeldExclusively("/data/other.mdb"));
  sessions.Close(first);
  roster = sessions.Roster(kFile);
  ASSERT_EQ(roster.size(), 1u);
  EXPECT_EQ(roster[0].computer, "PC2");
}

TEST(Sessions, ConnectionControlOneRefusesNewConnectionsUntilTheLastOneLeaves) {
  Sessions sessions;
  const auto access = sessions.Open(kFile, "ACCESS-PC", false);
  EXPECT_EQ(sessions.ConnectionControl(kFile), 2);
  sessions.SetConnectionControl(kFile, 1);
  const auto e = ErrorOf([&] { sessions.Open(kFile, "QUILLNET-PC", false); });
  EXPECT_EQ(e.Number(), 3734);
  EXPECT_EQ(e.Description(),
            "The database has been placed in a state by user 'Admin' on machine 'ACCESS-PC' "
            "that prevents it from being opened or locked.");
  sessions.SetConnectionControl(kFile, 2);
  sessions.Close(sessions.Open(kFile, "QUILLNET-PC", false));
  sessions.SetConnectionControl(kFile, 1);
  sessions.Close(access);
  EXPECT_EQ(sessions.ConnectionControl(kFile), 2);
  EXPECT_NO_THROW(sessions.Open(kFile, "QUILLNET-PC", false));
}

TEST(Sessions, CountsEveryAttemptGrantedOrNot) {
  Sessions sessions;
  sessions.Open(kFile, "PC1", true);
  for (int i = 0; i < 3; ++i) (void)com::Capture([&] { sessions.Open(kFile, "PC2", false); });
  EXPECT_EQ(sessions.OpenAttempts(kFile), 4u);
  EXPECT_EQ(sessions.OpenAttempts("/data/never.mdb"), 0u);
}

}  // namespace
