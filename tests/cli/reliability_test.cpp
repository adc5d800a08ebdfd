// The quillnet command on input that could destroy or mislead: search text
// that matches nothing at all, text the matcher cannot search, damaged dates
// and names, sample folders it cannot use.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "sim/jet/sqlite_connection.h"
#include "support/command_line.h"
#include "support/temp_dir.h"

namespace reliability_test {

namespace fs = std::filesystem;
using testing_support::CommandResult;
using testing_support::Quoted;
using testing_support::ReadFile;

std::size_t LineCount(const std::string& text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

// A refusal: exit 2, one line that says `says`, nothing on standard output.
void ExpectRefused(const CommandResult& r, const std::string& says, const std::string& what) {
  EXPECT_EQ(r.code, 2) << what << ": " << r.out << r.err;
  EXPECT_EQ(LineCount(r.err), 1u) << what << ": " << r.err;
  EXPECT_NE(r.err.find(says), std::string::npos) << what << ": " << r.err;
  EXPECT_EQ(r.out, "") << what;
}

class ReliabilityTest : public ::testing::Test {
 protected:
  CommandResult Run(const std::string& arguments) { return command_.Run(arguments); }

  // Changes the file below the Jet store, as damage or another program could.
  void Damage(const std::string& sql) {
    sim::jet::SqliteConnection(db_, sim::jet::SqliteConnection::Mode::ReadWrite).Execute(sql);
  }
  // Any bytes, as a damaged file can hold them.
  void SetQuerySql(const std::string& query, const std::string& sql) {
    std::string literal;
    for (char c : sql) literal += c == '\'' ? std::string("''") : std::string(1, c);
    Damage("UPDATE jet_queries SET sql = '" + literal +
           "' WHERE object_id = (SELECT id FROM jet_objects WHERE name = '" + query + "');");
  }

  testing_support::TempDir temp_;
  testing_support::CommandLine command_{temp_};
  std::string db_ = command_.Sample();
};

TEST_F(ReliabilityTest, TextThatCanMatchEmptyTextIsRefusedAndNothingIsWritten) {
  const std::string before = ReadFile(db_);
  for (const std::string command : {"search", "replace"}) {
    const std::string tail = command == "replace" ? " X --yes" : "";
    for (const std::string text :
         {"''", "'' --regex", "'x*' --regex", "'^' --regex", "'(a|)' --regex", "'' --whole-word"}) {
      const std::string arguments = command + " " + Quoted(db_) + " " + text + tail;
      ExpectRefused(Run(arguments), "empty", arguments);
    }
  }
  EXPECT_EQ(ReadFile(db_), before);
  EXPECT_FALSE(fs::exists(db_ + ".bak"));
}

TEST_F(ReliabilityTest, ALongPlainTextIsNeverCalledARegularExpression) {
  const CommandResult r = Run("search " + Quoted(db_) + " " + std::string(70000, 'q'));
  ExpectRefused(r, "The search text is too long", "70000 characters");
  EXPECT_EQ(r.err.find("regular expression"), std::string::npos) << r.err;
}

TEST_F(ReliabilityTest, TextTheMatcherGivesUpOnIsAProblemOfItsPropertyAndExitThree) {
  SetQuerySql("qryDeleteOldNotes",
              "SELECT * FROM Customers WHERE City = '" + std::string(40, 'a') + "c b';");
  const CommandResult r = Run("search " + Quoted(db_) + " '(a+)+b' --regex --only Queries");
  EXPECT_EQ(r.code, 3) << r.out << r.err;
  EXPECT_NE(r.out.find("  Queries/qryDeleteOldNotes: SQL: The search gave up on this text: match "
                       "limit exceeded."),
            std::string::npos)
      << r.out;
}

TEST_F(ReliabilityTest, TextThatIsNotUtf8IsAProblemAndTheRestIsStillReplaced) {
  SetQuerySql("qryMakeCustomerList", "SELECT CustomerID\xff FROM Customers;");
  const std::string problem =
      "  Queries/qryMakeCustomerList: SQL: The text is not valid UTF-8 (at byte 17), so it "
      "cannot be searched.";
  CommandResult r = Run("search " + Quoted(db_) + " CustomerID --only Queries");
  EXPECT_EQ(r.code, 3) << r.out << r.err;
  EXPECT_NE(r.out.find(problem), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Queries/qryCustomerOrders/SQL: "), std::string::npos) << r.out;

  r = Run("replace " + Quoted(db_) + " CustomerID ClientID --yes --only Queries");
  EXPECT_EQ(r.code, 3) << r.out << r.err;
  EXPECT_NE(r.out.find(problem), std::string::npos) << r.out;
  r = Run("search " + Quoted(db_) + " ClientID --only Queries");
  EXPECT_NE(r.out.find("Queries/qryCustomerOrders/SQL: "), std::string::npos) << r.out;
  r = Run("show " + Quoted(db_) + " Queries qryMakeCustomerList");
  EXPECT_NE(r.out.find("SQL = \"SELECT CustomerID\\xff FROM Customers;\""), std::string::npos)
      << r.out;
}

TEST_F(ReliabilityTest, TextOutputEscapesControlCharacters) {
  Damage("UPDATE jet_objects SET name = 'Cust\x1b[2JArchive' WHERE name = 'CustomerArchive';");
  SetQuerySql("qryCustomerOrders",
              "SELECT CustomerID\r\nFROM Customers WHERE City = '\x1b]0;x\x07\t\xc2\x9b';");
  const std::string escaped_sql =
      "SELECT CustomerID\\r\\nFROM Customers WHERE City = '\\x1b]0;x\\x07\\t\\u009b';";
  struct Case {
    std::string arguments;
    std::string shows;
  } cases[] = {
      {"list " + Quoted(db_) + " Tables", "Cust\\x1b[2JArchive\t20\t"},
      {"search " + Quoted(db_) + " CustomerID --only Queries",
       "Queries/qryCustomerOrders/SQL: " + escaped_sql + "\n"},
      {"show " + Quoted(db_) + " Queries qryCustomerOrders", "SQL = \"" + escaped_sql + "\""},
      {"replace " + Quoted(db_) + " CustomerID ClientID --dry-run --only Queries",
       escaped_sql + " -> "},
  };
  for (const Case& c : cases) {
    const CommandResult r = Run(c.arguments);
    EXPECT_LE(r.code, 1) << c.arguments << ": " << r.err;
    EXPECT_NE(r.out.find(c.shows), std::string::npos) << c.arguments << ": " << r.out;
    // A list separates its fields with tabs; the lines are checked below.
    const std::string controls = c.arguments.starts_with("list") ? "\x1b\x07\r" : "\x1b\x07\r\t";
    EXPECT_EQ(r.out.find_first_of(controls), std::string::npos) << c.arguments << ": " << r.out;
    EXPECT_EQ(r.out.find("\xc2\x9b"), std::string::npos) << c.arguments;
  }
  const CommandResult list = Run("list " + Quoted(db_) + " Tables");
  for (std::size_t start = 0, end; (end = list.out.find('\n', start)) != std::string::npos;
       start = end + 1) {
    const std::string line = list.out.substr(start, end - start);
    EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 6) << line;
    EXPECT_EQ(line.find('\x1b'), std::string::npos) << line;
  }
}

TEST_F(ReliabilityTest, AChangeStampOutsideTheDateRangeIsReportedAsInvalid) {
  for (const std::string serial : {"1e20", "-1e20", "9e999", "-9e999", "3e6"}) {
    Damage("UPDATE jet_objects SET date_update = " + serial + " WHERE name = 'Regions';");
    const CommandResult r = Run("list " + Quoted(db_) + " Tables");
    EXPECT_EQ(r.code, 3) << serial;
    EXPECT_EQ(r.out.find("Regions\t"), std::string::npos) << serial << r.out;
    EXPECT_NE(r.out.find("CustomerArchive\t"), std::string::npos) << serial << r.out;
    EXPECT_NE(r.out.find("The object 'Regions' is left out of the list: Invalid date"),
              std::string::npos)
        << serial << r.out;
    EXPECT_NE(r.out.find("is outside the dates Access can hold (100-01-01 to 9999-12-31)"),
              std::string::npos)
        << serial << r.out;
  }
}

TEST_F(ReliabilityTest, ProjectOnADatabaseSaysItIsNotAProject) {
  ExpectRefused(Run("search " + Quoted(db_) + " CustomerID --project"),
                "is not an Access project", "--project");
}

TEST_F(ReliabilityTest, ADamagedVersionIsNotCalledNeverOpened) {
  for (const std::string value : {"NULL", "''"}) {
    Damage("UPDATE jet_properties SET value = " + value + " WHERE name = 'AccessVersion';");
    ExpectRefused(Run("search " + Quoted(db_) + " CustomerID"),
                  "AccessVersion property is empty; the file may be damaged", value);
  }
  Damage("UPDATE jet_properties SET value_type = 1 WHERE name = 'AccessVersion';");
  ExpectRefused(Run("search " + Quoted(db_) + " CustomerID"),
                "AccessVersion property cannot be read (Invalid use of Null)", "typed Null");
  Damage("DELETE FROM jet_properties WHERE name = 'AccessVersion';");
  ExpectRefused(Run("search " + Quoted(db_) + " CustomerID"),
                "This Jet database has never been opened with Access.", "no AccessVersion");
}

TEST(SampleTarget, IsCheckedFirstAndWrittenWholeOrNotAtAll) {
  testing_support::TempDir temp;
  const testing_support::CommandLine command(temp);
  std::ofstream(temp.File("file")) << "x";
  fs::create_directory(temp.File("full"));
  std::ofstream(temp.File("full/keep.txt")) << "mine";
  struct Case {
    std::string folder;
    std::string says;
  } cases[] = {
      {"new;x", "where ';' cannot appear"},
      {"file", "is a file, not a folder"},
      {"file/sub", "is a file, not a folder"},
      {"full", "is not empty"},
      {"", "Give the folder"},
      {"made/" + std::string(300, 'n'), "File name too long"},
      // The folders can be made, the database files are beyond SQLite's longest path.
      {"made/" + std::string(200, 'a') + "/" + std::string(200, 'b') + "/" + std::string(120, 'c'),
       ""},
  };
  for (const Case& c : cases) {
    ExpectRefused(command.Run("sample " + Quoted(c.folder)), c.says, c.folder);
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(temp.path()))
      left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"err.txt", "file", "full", "home", "in.txt",
                                              "out.txt"}))
        << c.folder;
    EXPECT_EQ(ReadFile(temp.File("full/keep.txt")), "mine");
  }
  fs::create_directory(temp.File("empty"));
  EXPECT_EQ(command.Run("sample empty").code, 0);
  EXPECT_TRUE(fs::exists(temp.File("empty/sales_be.mdb")));
}

}  // namespace reliability_test
