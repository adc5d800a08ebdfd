#include "sim/win32/file_system.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/error_matchers.h"
#include "support/temp_dir.h"

namespace {

using testing_support::ErrorOf;

class FileSystemTest : public ::testing::Test {
 protected:
  FileSystemTest() { std::ofstream(temp.File("app.mdb")) << "data"; }

  testing_support::TempDir temp;
  sim::jet::Sessions sessions;
  sim::FileSystem files{sessions};
};

TEST_F(FileSystemTest, ProbeReadRaisesVbErrorsForFilesItCannotOpen) {
  struct Case {
    std::string path;
    std::int32_t number;
    std::string description;
  };
  const std::vector<Case> cases = {
      {"", 52, "Bad file name or number"},
      {temp.File("missing.mdb"), 53, "File not found"},
      {temp.File("no folder/app.mdb"), 76, "Path not found"},
  };
  for (const auto& c : cases) {
    const auto e = ErrorOf([&] { files.ProbeRead(c.path); });
    EXPECT_EQ(e.Number(), c.number) << c.path;
    EXPECT_EQ(e.Description(), c.description);
  }
}

TEST_F(FileSystemTest, ProbeReadIsRefusedOnlyWhileASessionHoldsTheFileExclusively) {
  EXPECT_NO_THROW(files.ProbeRead(temp.File("app.mdb")));
  const auto shared = sessions.Open(temp.File("app.mdb"), "PC", false);
  EXPECT_NO_THROW(files.ProbeRead(temp.File("app.mdb")));
  sessions.Close(shared);
  const auto exclusive = sessions.Open(temp.File("app.mdb"), "PC", true);
  EXPECT_EQ(ErrorOf([&] { files.ProbeRead(temp.File("app.mdb")); }).Number(), 70);
  sessions.Close(exclusive);
  EXPECT_NO_THROW(files.ProbeRead(temp.File("app.mdb")));
}

TEST_F(FileSystemTest, ReadOnlyIsAFileWithoutWritePermission) {
  const std::string file = temp.File("app.mdb");
  EXPECT_FALSE(files.IsReadOnly(file));
  using std::filesystem::perms;
  std::filesystem::permissions(file, perms::owner_read | perms::group_read | perms::others_read);
  EXPECT_TRUE(files.IsReadOnly(file));
}

}  // namespace
