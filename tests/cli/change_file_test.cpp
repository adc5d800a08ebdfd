// A plan or journal reads back exactly the changes that were written, whatever
// their texts hold.

#include "cli/change_file.h"

#include <gtest/gtest.h>

#include "cli/options.h"
#include "support/temp_dir.h"

namespace {

engine::Change Change(const std::string& before, const std::string& after,
                      std::vector<host::PathStep> steps = {}) {
  return {"Queries", "qry \"One\"", std::move(steps), "SQL", before, after};
}

TEST(ChangeFileTest, ChangesReadBackExactlyAsWritten) {
  testing_support::TempDir temp;
  const std::vector<engine::Change> changes = {
      Change("SELECT CustomerID FROM Customers;", "SELECT ClientID FROM Customers;"),
      Change("Me!txt = \"a\\b\"", "tab\there\r\nnext line"),
      Change("bell \x07 and del \x7f", "Clïent ☃"),
      Change("CustomerID", "ClientID",
             {{"Fields", com::Variant(std::string("CustomerID"))}, {"Properties", std::nullopt}}),
  };
  const cli::ChangeFile file{"journal", {{"/tmp/a b.mdb", changes}, {"/tmp/empty.mdb", {}}}};
  const std::string path = temp.File("journal.json");
  cli::WriteChangeFile(path, file);

  const cli::ChangeFile back = cli::ReadChangeFile(path, "journal");
  ASSERT_EQ(back.databases.size(), 2u);
  EXPECT_EQ(back.databases[0].database, "/tmp/a b.mdb");
  EXPECT_TRUE(back.databases[1].changes.empty());
  ASSERT_EQ(back.databases[0].changes.size(), changes.size());
  for (std::size_t i = 0; i < changes.size(); ++i) {
    const engine::Change& got = back.databases[0].changes[i];
    EXPECT_EQ(got.object, changes[i].object);
    EXPECT_EQ(got.before, changes[i].before);
    EXPECT_EQ(got.after, changes[i].after);
    EXPECT_EQ(got.Path(), changes[i].Path());
  }
}

TEST(ChangeFileTest, AFileOfAnotherKindIsRefused) {
  testing_support::TempDir temp;
  const std::string path = temp.File("plan.json");
  cli::WriteChangeFile(path, {"plan", {}});
  EXPECT_THROW(cli::ReadChangeFile(path, "journal"), cli::UsageError);
  EXPECT_NO_THROW(cli::ReadChangeFile(path, "plan"));
}

}  // namespace
