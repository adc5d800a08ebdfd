// The quillnet command on real Access files: searched where they lie, never
// written, copied into this program's format by convert.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/command_line.h"
#include "support/real_files.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using testing_support::CommandResult;
using testing_support::Quoted;
using testing_support::ReadFile;

class RealFileCommandTest : public ::testing::Test {
 protected:
  CommandResult Run(const std::string& arguments) { return command_.Run(arguments); }
  std::string Copy(const std::string& name = "queryTestV2000.mdb") {
    return testing_support::CopyRealFixture(temp_, name);
  }

  testing_support::TempDir temp_;
  testing_support::CommandLine command_{temp_};
};

std::size_t LineCount(const std::string& text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

// What a search found, without the problems it reports after.
std::string Hits(const std::string& out) { return out.substr(0, out.find("\nProblems:")); }

TEST_F(RealFileCommandTest, SearchListAndShowReadARealFile) {
  for (const char* file : {"queryTestV2000.mdb", "queryTestV1997.mdb"}) {
    const std::string db = Quoted(Copy(file));
    CommandResult r = Run("list " + db + " Queries");
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(LineCount(r.out), 9u) << r.out;
    // The stamps are the file's own, the same whenever it is read.
    EXPECT_EQ(Run("list " + db + " Queries").out, r.out);
    r = Run("show " + db + " Queries MakeTableQuery");
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("INTO Table4\\r\\nFROM (Table2 INNER JOIN Table1"), std::string::npos)
        << r.out;
    r = Run("search " + db + " buzz");
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("Queries/SelectQuery/SQL"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Queries/MakeTableQuery/SQL"), std::string::npos) << r.out;
  }
}

TEST_F(RealFileCommandTest, SearchResultsEqualThoseOfTheConvertedCopy) {
  for (const char* file : {"queryTestV2000.mdb", "test2V2000.mdb", "compIndexTestV2000.mdb",
                           "testIndexPropertiesV2000.mdb", "queryTestV1997.mdb"}) {
    const std::string real = Copy(file);
    const std::string copy = temp_.File(std::string("converted-") + file);
    CommandResult r = Run("convert " + Quoted(real) + " " + Quoted(copy));
    ASSERT_NE(r.code, 2) << file << ": " << r.out << r.err;
    EXPECT_NE(r.out.find("converted "), std::string::npos) << r.out;
    for (const char* text : {"col", "Table", "e"}) {
      const CommandResult on_real = Run("search " + Quoted(real) + " " + text);
      const CommandResult on_copy = Run("search " + Quoted(copy) + " " + text);
      EXPECT_EQ(on_real.code, on_copy.code) << file << " " << text;
      EXPECT_EQ(Hits(on_real.out), Hits(on_copy.out)) << file << " " << text;
    }
  }
}

TEST_F(RealFileCommandTest, WritingIntoARealFileIsRefusedSayingHow) {
  const std::string db = Copy();
  const std::string before = ReadFile(db);
  for (const std::string& command :
       {"replace " + Quoted(db) + " foo bar --yes", "import " + Quoted(temp_.File("none")) + " " +
                                                        Quoted(db)}) {
    const CommandResult r = Run(command);
    EXPECT_EQ(r.code, 2) << command;
    EXPECT_EQ(LineCount(r.err), 1u) << r.err;
    EXPECT_NE(r.err.find("is a real Access file"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("quillnet convert"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("quillnet import"), std::string::npos) << r.err;
  }
  EXPECT_EQ(ReadFile(db), before);
  const CommandResult dry = Run("replace " + Quoted(db) + " foo bar --dry-run");
  EXPECT_EQ(dry.code, 0) << dry.err;
  EXPECT_EQ(ReadFile(db), before);
}

TEST_F(RealFileCommandTest, DocumentCollectionsSayInOneLineThatTheyCannotBeRead) {
  const std::string db = Quoted(Copy());
  const CommandResult list = Run("list " + db + " Macros");
  EXPECT_EQ(list.code, 2);
  EXPECT_EQ(LineCount(list.err), 1u) << list.err;
  EXPECT_NE(list.err.find("macros of the Access file"), std::string::npos) << list.err;
  const CommandResult search = Run("search " + db + " foo");
  for (const char* line : {"  Macros: The macros of the Access file",
                           "  Modules: The modules of the Access file"})
    EXPECT_NE(search.out.find(line), std::string::npos) << search.out;
}

TEST_F(RealFileCommandTest, FilesThatCannotBeReadGiveOneErrorLine) {
  std::string bytes = ReadFile(testing_support::RealFixture("queryTestV2000.mdb"));
  const std::string cut = temp_.File("cut.mdb");
  std::ofstream(cut, std::ios::binary) << bytes.substr(0, bytes.size() / 2 + 100);
  const std::string blank = temp_.File("blank.mdb");
  std::ofstream(blank, std::ios::binary) << bytes.substr(0, 0x80)
                                         << std::string(bytes.size() - 0x80, '\0');
  bytes.replace(4, 15, "Standard ACE DB");
  const std::string ace = temp_.File("new.accdb");
  std::ofstream(ace, std::ios::binary) << bytes;
  for (const std::string& file : {cut, blank, ace})
    for (const char* command : {"list", "search"}) {
      const CommandResult r = Run(std::string(command) + " " + Quoted(file) + " Tables");
      EXPECT_EQ(r.code, 2) << file << "\n" << r.out;
      EXPECT_EQ(LineCount(r.err), 1u) << r.err;
      EXPECT_EQ(r.err.rfind("quillnet: ", 0), 0u) << r.err;
    }
}

TEST_F(RealFileCommandTest, ConvertNeverOverwritesAndNeedsARealFile) {
  const std::string real = Copy();
  const std::string taken = temp_.File("taken.mdb");
  std::ofstream(taken) << "mine";
  CommandResult r = Run("convert " + Quoted(real) + " " + Quoted(taken));
  EXPECT_EQ(r.code, 2);
  EXPECT_EQ(ReadFile(taken), "mine");
  const std::string copy = temp_.File("copy.mdb");
  ASSERT_EQ(Run("convert " + Quoted(real) + " " + Quoted(copy)).code, 0);
  r = Run("convert " + Quoted(copy) + " " + Quoted(temp_.File("again.mdb")));
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("is not a real Access file"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(temp_.File("again.mdb")));
}

}  // namespace
