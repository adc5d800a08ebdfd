#include "cli/saved_connections.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "host/parameter_set.h"
#include "support/temp_dir.h"

namespace {

std::string Saved(const std::map<std::string, std::string>& values) {
  host::ParameterSet set;
  for (const auto& [key, value] : values) set.PutValue(key, value, key.find("Password") != std::string::npos);
  return set.Text();
}

class SavedConnectionsTest : public ::testing::Test {
 protected:
  testing_support::TempDir temp;
  cli::SavedConnections saved{temp.File("home")};
};

TEST_F(SavedConnectionsTest, OneConnectionPerDatabaseKeptForItsOwnerOnly) {
  EXPECT_FALSE(saved.Find("/data/a.mdb"));
  EXPECT_FALSE(saved.Forget("/data/a.mdb"));
  saved.Save("/data/a.mdb", "Database=/data/a.mdb;Workgroup=/w/one.mdw");
  saved.Save("/data/a.mdb", "Database=/data/a.mdb;Workgroup=/w/two.mdw");
  saved.Save("/data/b.mdb", "Database=/data/b.mdb");
  EXPECT_EQ(saved.Find("/data/a.mdb"), "Database=/data/a.mdb;Workgroup=/w/two.mdw");
  EXPECT_EQ(saved.Find("/data/b.mdb"), "Database=/data/b.mdb");
  for (const auto& file : std::filesystem::directory_iterator(temp.File("home/connections"))) {
    struct stat info {};
    ASSERT_EQ(stat(file.path().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u) << file.path();
  }
  EXPECT_TRUE(saved.Forget("/data/a.mdb"));
  EXPECT_FALSE(saved.Find("/data/a.mdb"));
  EXPECT_TRUE(saved.Find("/data/b.mdb"));
}

TEST_F(SavedConnectionsTest, TheCommandLineWinsOverWhatWasSaved) {
  saved.Save("/data/a.mdb", Saved({{"ProjectType", "Database"},
                                   {"Database", "/data/a.mdb"},
                                   {"DatabasePassword", "dbpw"},
                                   {"Workgroup", "/w/team.mdw"},
                                   {"Username", "Anna"},
                                   {"Password", "secret"},
                                   {"ExcludeQueryFields", "0"},
                                   {"ExcludeLinkedTableFields", "1"}}));
  engine::ProjectOptions project;
  project.database = "/data/a.mdb";
  project.workgroup = "/w/default.mdw";
  cli::Options none;
  saved.Apply(none, project);
  EXPECT_EQ(project.database_password, "dbpw");
  EXPECT_EQ(project.workgroup, "/w/team.mdw");
  EXPECT_EQ(project.user, "Anna");
  EXPECT_EQ(project.user_password, "secret");
  EXPECT_TRUE(project.include_query_fields);
  EXPECT_FALSE(project.include_linked_table_fields);
  EXPECT_FALSE(project.access_project);

  cli::Options given;
  given.user = "Bob";
  given.workgroup = "/w/other.mdw";
  given.include_linked_table_fields = true;
  engine::ProjectOptions mixed;
  mixed.database = "/data/a.mdb";
  mixed.user = "Bob";
  mixed.workgroup = "/w/other.mdw";
  mixed.include_linked_table_fields = true;
  saved.Apply(given, mixed);
  EXPECT_EQ(mixed.user, "Bob");
  EXPECT_EQ(mixed.workgroup, "/w/other.mdw");
  EXPECT_EQ(mixed.user_password, "secret");
  EXPECT_TRUE(mixed.include_linked_table_fields);

  engine::ProjectOptions other;
  other.database = "/data/b.mdb";
  other.workgroup = "/w/default.mdw";
  saved.Apply(none, other);
  EXPECT_EQ(other.workgroup, "/w/default.mdw") << "another database has nothing saved";
}

}  // namespace
