// The quillnet command end to end: the built program, run as a user runs it,
// with its state in a fresh folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "com/text.h"
#include "sim/access/text_encoding.h"
#include "support/command_line.h"
#include "support/temp_dir.h"

namespace {

using Result = testing_support::CommandResult;

class CommandTest : public ::testing::Test {
 protected:
  Result Run(const std::string& arguments, const std::string& input = "") {
    return command_.Run(arguments, input);
  }
  std::string Sample() {
    const std::string front = command_.Sample();
    EXPECT_FALSE(front.empty());
    return front;
  }
  static std::string Read(const std::string& file) { return testing_support::ReadFile(file); }

  testing_support::TempDir temp_;
  testing_support::CommandLine command_{temp_};
};

std::size_t Lines(const std::string& text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST_F(CommandTest, SampleWritesTheApplicationAndEndsWithItsPath) {
  const std::string front = Sample();
  EXPECT_EQ(front, (temp_.path() / "app" / "sales.mdb").string());
  EXPECT_TRUE(std::filesystem::exists(front));
  EXPECT_TRUE(std::filesystem::exists(temp_.path() / "app" / "sales_be.mdb"));
}

TEST_F(CommandTest, CollectionsListAndShow) {
  const std::string db = Sample();
  Result r = Run("collections '" + db + "'");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out,
            "Tables\nQueries\nRelationships\nImportSpecs\nForms\nReports\nDataAccessPages\n"
            "Macros\nModules\nCommandBars\n");
  r = Run("list '" + db + "' queries");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("qryCustomerOrders\t14\t"), std::string::npos);
  r = Run("show '" + db + "' Tables CustomerNotes");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("Fields(CustomerID)/RowSource = \"SELECT CustomerID, Customer FROM "
                       "Customers ORDER BY Customer;\""),
            std::string::npos)
      << r.out;
}

TEST_F(CommandTest, SearchFindsTheTextInEveryKindOfDataObject) {
  const std::string db = Sample();
  const Result r = Run("search '" + db + "' CustomerID --json --include-linked-table-fields");
  ASSERT_EQ(r.code, 0) << r.err;
  for (const char* path :
       {"\"Tables/CustomerNotes/Fields(CustomerID)/Name\"",
        "\"Tables/CustomerNotes/Indexes(CustomerIDIndex)/OrderBy\"",
        "\"Tables/Customers/Fields(CustomerID)/Name\"", "\"Queries/qryCustomerOrders/SQL\"",
        "\"Relationships/CustomersCustomerNotes/Fields\"",
        "\"ImportSpecs/Customer Import/Columns(CustomerID)/Name\""})
    EXPECT_NE(r.out.find(path), std::string::npos) << path;
  for (const std::string& line : com::Split(r.out.substr(0, r.out.size() - 1), "\n"))
    EXPECT_EQ(line.front(), '{') << line;
  // A number field whose DecimalPlaces was never set simply does not have it.
  EXPECT_EQ(r.err.find("DecimalPlaces"), std::string::npos) << r.err;
}

TEST_F(CommandTest, DryRunLeavesEveryByteAndYesReplacesExactlyTheHits) {
  const std::string db = Sample();
  const std::string before = Read(db);
  const std::string backend_before = Read(temp_.File("app/sales_be.mdb"));
  Result r = Run("replace '" + db + "' CustomerID ClientID --dry-run");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("[dry-run]"), std::string::npos);
  EXPECT_EQ(Read(db), before);
  EXPECT_EQ(Read(temp_.File("app/sales_be.mdb")), backend_before);
  EXPECT_FALSE(std::filesystem::exists(db + ".bak"));

  r = Run("replace '" + db + "' CustomerID ClientID --yes --only Tables,Queries,ImportSpecs");
  ASSERT_EQ(r.code, 0) << r.out << r.err;
  EXPECT_TRUE(std::filesystem::exists(db + ".bak"));
  EXPECT_EQ(Read(db + ".bak"), before);
  r = Run("search '" + db + "' CustomerID --only Tables,Queries,ImportSpecs");
  EXPECT_EQ(r.code, 1) << r.out;
  r = Run("search '" + db + "' ClientID --whole-word --match-case --only Queries");
  EXPECT_EQ(r.code, 0);
}

TEST_F(CommandTest, ReplaceWithoutATerminalOrConsentWritesNothing) {
  const std::string db = Sample();
  const std::string before = Read(db);
  Result r = Run("replace '" + db + "' CustomerID ClientID");
  EXPECT_EQ(r.code, 2);
  EXPECT_EQ(Read(db), before);
  EXPECT_EQ(Lines(r.err), 1u) << r.err;
}

TEST_F(CommandTest, BadInputGivesOneLineAndExitTwo) {
  const std::string db = Sample();
  std::ofstream(temp_.File("junk.mdb")) << "junk";
  struct Case {
    std::string arguments;
    std::string says;
  } cases[] = {
      {"search '" + temp_.File("none.mdb") + "' x", "Couldn't find the project file"},
      {"search '" + temp_.File("junk.mdb") + "' x", "Unrecognized database format."},
      {"search '" + db + "' x --workgroup '" + temp_.File("no.mdw") + "'",
       "Couldn't find the workgroup file"},
      {"search '" + db + "' '(' --regex", "Invalid regular expression"},
      {"search '" + db + "' x --only Tables,Nope", "unknown collection 'Nope'"},
      {"list '" + db + "' Nope", "unknown collection 'Nope'"},
      {"search '" + db + "' x --frobnicate", "not expected: --frobnicate"},
      {"search '" + db + "'", "TEXT is required"},
      {"replace '" + db + "' x", "replace takes DB, TEXT and NEW"},
      {"replace '" + db + "' x y --dry-run --yes", "--yes excludes --dry-run"},
      {"replace '" + db + "' x y --match-case --preserve-case", "--match-case excludes --preserve-case"},
      {"search '" + db + "' x --color sometimes", "not in {auto,always,never}"},
      {"explode", "unknown command"},
  };
  for (const Case& c : cases) {
    const Result r = Run(c.arguments);
    EXPECT_EQ(r.code, 2) << c.arguments;
    EXPECT_EQ(Lines(r.err), 1u) << c.arguments << ": " << r.err;
    EXPECT_NE(r.err.find(c.says), std::string::npos) << c.arguments << ": " << r.err;
    EXPECT_EQ(r.out, "") << c.arguments;
  }
}

TEST_F(CommandTest, AWrongPasswordIsBadInput) {
  const std::string db = Sample();
  const Result r = Run("search '" + db + "' x --user admin --user-password wrong");
  EXPECT_EQ(r.code, 2);
  EXPECT_EQ(r.err, "quillnet: Not a valid account name or password.\n");
}

TEST_F(CommandTest, NothingFoundIsExitOne) {
  const Result r = Run("search '" + Sample() + "' Zanzibar");
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.out.find("0 match(es)"), std::string::npos);
}

TEST_F(CommandTest, TheSampleGoesOutAndBackInThroughAFolder) {
  const std::string db = Sample();
  Result r = Run("export '" + db + "' src");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("exported 17 document(s)"), std::string::npos) << r.out;
  const auto folder = temp_.path() / "src";
  for (const char* file : {"forms/frmCustomers.bas", "reports/rptCustomerOrders.bas",
                           "macros/mcrShowOrders.bas", "macros/mcrCustomers.bas",
                           "macros/AutoKeys.bas", "modules/basCustomers.bas",
                           "modules/clsCustomer.bas", "queries/qryCustomerOrders.bas"})
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / file)) << file;
  EXPECT_NE(Read((folder / "modules/basCustomers.bas").string()).find("ByVal CustomerID"),
            std::string::npos);
  r = Run("import src copy.mdb");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("imported 17 document(s)"), std::string::npos);
  ASSERT_EQ(Run("export copy.mdb again").code, 0);
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    EXPECT_EQ(Read(entry.path().string()),
              Read((temp_.path() / "again" / entry.path().lexically_relative(folder)).string()))
        << entry.path();
  }
}

TEST_F(CommandTest, AnImportThatCannotBeReadIsBadInputAndWritesNothing) {
  std::filesystem::create_directories(temp_.path() / "src" / "forms");
  std::ofstream(temp_.path() / "src" / "forms" / "frmA.bas") << "Begin Form\r\n    Begin\r\n";
  const Result r = Run("import src new.mdb");
  EXPECT_EQ(r.code, 2);
  EXPECT_EQ(r.err, "quillnet: forms/frmA.bas: line 2: 'Begin' without its 'End'\n");
  EXPECT_FALSE(std::filesystem::exists(temp_.path() / "new.mdb"));
}

TEST_F(CommandTest, AProcedureRenamedWithEveryCallAcrossTheModules) {
  const std::string db = Sample();
  Result r = Run("search '" + db + "' CityOf --only Modules");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("Modules/clsCustomer/Procedures(City.Get)/Text line 15:     City = "
                       "CityOf(mCustomerID)\n"),
            std::string::npos)
      << r.out;
  r = Run("replace '" + db + "' CityOf CustomerCity --whole-word --yes --only Modules");
  ASSERT_EQ(r.code, 0) << r.out << r.err;
  EXPECT_NE(r.out.find("3 replaced, 0 refused or failed"), std::string::npos) << r.out;
  EXPECT_EQ(Run("search '" + db + "' CityOf --only Modules").code, 1);
  r = Run("search '" + db + "' CustomerCity --only Modules");
  EXPECT_NE(r.out.find("Modules/basCustomers/Procedures(CustomerCity)/Text line 5: Public Function "
                       "CustomerCity(ByVal CustomerID As String) As Variant\n"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("4 match(es) in 2 object(s)"), std::string::npos) << r.out;
}

TEST_F(CommandTest, AMacrosWhereConditionIsReplacedAndScanningChangesNoMacro) {
  const std::string db = Sample();
  std::filesystem::create_directories(temp_.path() / "newer" / "macros");
  std::ofstream(temp_.path() / "newer" / "macros" / "AutoExec.bas", std::ios::binary)
      << "Version =196611\r\nPublishOption =1\r\nColumnsShown =0\r\nBegin\r\n"
         "    Action =\"OpenForm\"\r\n    Argument =\"frmCustomers\"\r\n    Argument =\"0\"\r\n"
         "    Argument =\"\"\r\n    Argument =\"[CustomerID]>0\"\r\n    Argument =\"-1\"\r\n"
         "    Argument =\"0\"\r\nEnd\r\nBegin\r\n    Comment =\"_AXL:<?xml version=\\\"1.0\\\"?>\"\r\n"
         "End\r\n";
  ASSERT_EQ(Run("import newer '" + db + "'").code, 0);
  ASSERT_EQ(Run("export '" + db + "' before").code, 0);
  ASSERT_EQ(Run("search '" + db + "' CustomerID --only Macros").code, 0);
  ASSERT_EQ(Run("export '" + db + "' scanned").code, 0);
  EXPECT_EQ(testing_support::ReadFolder(temp_.path() / "scanned"), testing_support::ReadFolder(temp_.path() / "before"));

  const Result r = Run("replace '" + db +
                       "' '[CustomerID] Is Not Null' '[CustomerID] Like \"A*\"' --only Macros --yes");
  ASSERT_EQ(r.code, 0) << r.out << r.err;
  EXPECT_NE(r.out.find("Macros/AutoKeys/Lines(0)/WhereCondition"), std::string::npos) << r.out;
  ASSERT_EQ(Run("export '" + db + "' after").code, 0);
  auto after = testing_support::ReadFolder(temp_.path() / "after");
  auto before = testing_support::ReadFolder(temp_.path() / "before");
  EXPECT_NE(after.at("macros/AutoKeys.bas"), before.at("macros/AutoKeys.bas"));
  EXPECT_NE(sim::access::DecodeText(after.at("macros/AutoKeys.bas"))
                .text.find("    Argument =\"[CustomerID] Like \\\"A*\\\"\"\n"),
            std::string::npos)
      << sim::access::DecodeText(after.at("macros/AutoKeys.bas")).text;
  after.erase("macros/AutoKeys.bas");
  before.erase("macros/AutoKeys.bas");
  EXPECT_EQ(after, before);
}

TEST_F(CommandTest, OnlyPathLimitsAReplaceToTheHitsWhosePathMatches) {
  const std::string db = Sample();
  Result r = Run("replace '" + db + "' CustomerID ClientID --yes --only Queries,ImportSpecs" +
                 " --only-path 'queries/qryArchive*' --only-path '*/Columns(*)/Name'");
  ASSERT_EQ(r.code, 0) << r.out << r.err;
  EXPECT_NE(r.out.find("3 replaced"), std::string::npos) << r.out;
  r = Run("search '" + db + "' ClientID --only Queries,ImportSpecs");
  EXPECT_NE(r.out.find("Queries/qryArchiveCustomers/SQL"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("ImportSpecs/Customer Import/Columns(ClientID)/Name"), std::string::npos);
  EXPECT_NE(r.out.find("3 match(es)"), std::string::npos) << r.out;
  r = Run("search '" + db + "' CustomerID --only Queries --only-path 'Queries/qryArchive*'");
  EXPECT_EQ(r.code, 1) << r.out;
}


TEST_F(CommandTest, EachSubCommandHasItsOwnHelp) {
  Result r = Run("replace --help");
  EXPECT_EQ(r.code, 0);
  EXPECT_NE(r.out.find("Usage: quillnet replace [OPTIONS] DB [TEXT] [NEW]"), std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("--preserve-case"), std::string::npos);
  r = Run("--help");
  EXPECT_EQ(r.code, 0);
  EXPECT_NE(r.out.find("convert"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("--preserve-case"), std::string::npos);
}


TEST_F(CommandTest, PipedSearchOutputIsOneHitALineUnlessColourIsAskedFor) {
  const std::string db = Sample();
  Result r = Run("search '" + db + "' CustomerID --only Queries");
  EXPECT_NE(r.out.find("\nQueries/qryCustomerBalances/SQL: SELECT CustomerID, Balance FROM "
                       "dbo.CustomerBalances\n"),
            std::string::npos)
      << r.out;
  EXPECT_EQ(r.out.find('\x1b'), std::string::npos);
  r = Run("search '" + db + "' CustomerID --only Queries --color=always");
  EXPECT_NE(r.out.find("\x1b[1;35mQueries/qryCustomerBalances\x1b[0m\n  SQL: SELECT "
                       "\x1b[1;31mCustomerID\x1b[0m, Balance"),
            std::string::npos)
      << r.out;
}

}  // namespace
