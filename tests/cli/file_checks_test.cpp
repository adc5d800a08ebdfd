// Files the command must not search or write as if all were well: a file
// cut off or damaged, a read-only file, a folder where the backup cannot go.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "sim/jet/sqlite_connection.h"
#include "support/command_line.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using testing_support::CommandResult;
using testing_support::ReadFile;

class FileChecksTest : public ::testing::Test {
 protected:
  FileChecksTest() : db_(command_.Sample()) {}

  CommandResult Run(const std::string& arguments) {
    return command_.Run(arguments);
  }
  void ExpectRefused(const CommandResult& r, const std::string& says) {
    EXPECT_EQ(r.code, 2) << r.out << r.err;
    EXPECT_NE(r.err.find(says), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(db_ + ".bak"));
  }

  testing_support::TempDir temp_;
  testing_support::CommandLine command_{temp_};
  std::string db_;
};

TEST_F(FileChecksTest, AFileCutOffInsideItsLastPageIsNeitherSearchedNorWritten) {
  fs::resize_file(db_, fs::file_size(db_) - 100);
  const std::string before = ReadFile(db_);
  for (const std::string& command : {"search '" + db_ + "' CustomerID",
                                    "replace '" + db_ + "' CustomerID ClientID --yes"}) {
    ExpectRefused(Run(command), "may be corrupt");
    EXPECT_EQ(ReadFile(db_), before) << command;
  }
}

// Its size agrees with its header, one of its pages is damaged: SQLite's
// quick check finds it before anything is written.
TEST_F(FileChecksTest, AFileWithADamagedPageIsNeverWritten) {
  std::string bytes = ReadFile(db_);
  const std::size_t page_size = static_cast<unsigned char>(bytes[16]) << 8 |
                                static_cast<unsigned char>(bytes[17]);
  bytes.replace(bytes.size() - page_size, 8, std::string(8, '\xff'));
  std::ofstream(db_, std::ios::binary | std::ios::trunc) << bytes;
  ExpectRefused(Run("replace '" + db_ + "' CustomerID ClientID --yes"), "may be corrupt");
  EXPECT_TRUE(ReadFile(db_) == bytes);
}

TEST_F(FileChecksTest, AReadOnlyFileOrBackupFolderIsRefusedBeforeTheScan) {
  const std::string before = ReadFile(db_);
  fs::permissions(db_, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  ExpectRefused(Run("replace '" + db_ + "' CustomerID ClientID --yes"), "is read-only");
  EXPECT_EQ(Run("replace '" + db_ + "' CustomerID ClientID --dry-run").code, 0);
  fs::permissions(db_, fs::perms::owner_write, fs::perm_options::add);

  const fs::path folder = fs::path(db_).parent_path();
  fs::permissions(folder, fs::perms::owner_write, fs::perm_options::remove);
  ExpectRefused(Run("replace '" + db_ + "' CustomerID ClientID --yes"), "folder is read-only");
  fs::permissions(folder, fs::perms::owner_write, fs::perm_options::add);
  EXPECT_EQ(ReadFile(db_), before);
}

TEST_F(FileChecksTest, AnObjectThatCannotBeListedIsLeftOutAndTheRestSearched) {
  {
    sim::jet::SqliteConnection db(db_, sim::jet::SqliteConnection::Mode::ReadWrite);
    db.Execute("UPDATE jet_objects SET name = 'Customer' || char(9) || 'Notes' "
               "WHERE name = 'CustomerNotes'");
    db.Execute("UPDATE jet_objects SET date_update = 1e20 WHERE name = 'qryCustomerOrders'");
  }
  const CommandResult r = Run("search '" + db_ + "' CustomerID --only Tables,Queries");
  EXPECT_EQ(r.code, 3);
  EXPECT_NE(r.out.find("Tables/CustomerArchive/"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Queries/qryOrdersPerCustomer/"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("The object 'Customer\\tNotes' is left out of the list: its name holds a "
                       "tab or a line break."),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("The object 'qryCustomerOrders' is left out of the list:"), std::string::npos)
      << r.out;
}

}  // namespace
