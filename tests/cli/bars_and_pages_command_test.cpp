// The command on the sample's command bars and data access page: a replace
// changes a control's OnAction and the page's HTML file, a second search
// finds only the new text, and both travel out and back in through a folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/command_line.h"
#include "support/temp_dir.h"

namespace {

using Result = testing_support::CommandResult;

class BarsAndPagesCommandTest : public ::testing::Test {
 protected:
  Result Run(const std::string& arguments) { return command_.Run(arguments, ""); }
  std::string Page() const { return temp_.File("app/pages/Customer List.htm"); }

  testing_support::TempDir temp_;
  testing_support::CommandLine command_{temp_};
};

TEST_F(BarsAndPagesCommandTest, AReplaceChangesAnOnActionAndAPageAndASecondSearchFindsOnlyTheNew) {
  const std::string db = command_.Sample();
  Result r = Run("list '" + db + "' CommandBars");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out,
            "Sales Menu\t5\t\t1\t1\t1\t0\nCustomer Tools\t25\t\t1\t1\t1\t0\n"
            "Customer Shortcut\t19\t\t1\t1\t1\t0\n");
  r = Run("search '" + db + "' NewCustomer --only CommandBars");
  ASSERT_EQ(r.code, 0) << r.err;

  r = Run("replace '" + db + "' NewCustomer NewClient --yes --only CommandBars");
  ASSERT_EQ(r.code, 0) << r.out << r.err;
  r = Run("replace '" + db + "' 'dataFld=\"CustomerID\"' 'dataFld=\"ClientID\"' --yes "
          "--only DataAccessPages");
  ASSERT_EQ(r.code, 0) << r.out << r.err;
  EXPECT_NE(r.out.find("DataAccessPages/Customer List/HTML"), std::string::npos) << r.out;

  EXPECT_EQ(Run("search '" + db + "' NewCustomer --only CommandBars").code, 1);
  r = Run("search '" + db + "' '=NewClient()' --only CommandBars");
  EXPECT_EQ(r.code, 0) << r.out << r.err;
  EXPECT_NE(r.out.find("OnAction"), std::string::npos) << r.out;
  EXPECT_EQ(Run("search '" + db + "' 'dataFld=\"CustomerID\"' --only DataAccessPages").code, 1);
  EXPECT_EQ(Run("search '" + db + "' 'dataFld=\"ClientID\"' --only DataAccessPages").code, 0);
  const std::string html = testing_support::ReadFile(Page());
  EXPECT_NE(html.find("dataFld=\"ClientID\""), std::string::npos);
  EXPECT_TRUE(html.ends_with("</html>\r\n")) << html;
}

TEST_F(BarsAndPagesCommandTest, BarsAndPagesGoOutAndBackInThroughAFolder) {
  const std::string db = command_.Sample();
  ASSERT_EQ(Run("export '" + db + "' src").code, 0);
  const auto folder = temp_.path() / "src";
  for (const char* file : {"commandbars/Sales Menu.json", "commandbars/Customer Tools.json",
                           "commandbars/Customer Shortcut.json", "pages/Customer List.htm"})
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / file)) << file;
  EXPECT_EQ(testing_support::ReadFile((folder / "pages/Customer List.htm").string()),
            testing_support::ReadFile(Page()));
  Result r = Run("import src copy.mdb");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("4 command bar(s) and page(s)"), std::string::npos) << r.out;
  ASSERT_EQ(Run("export copy.mdb again").code, 0);
  EXPECT_EQ(testing_support::ReadFolder(temp_.path() / "again"), testing_support::ReadFolder(folder));
}

TEST_F(BarsAndPagesCommandTest, ABarThatCannotBeReadStopsTheImport) {
  std::filesystem::create_directories(temp_.path() / "src" / "commandbars");
  std::ofstream(temp_.path() / "src" / "commandbars" / "Menu.json") << "{\"Name\": \"Menu\", \"Type\": 9}";
  const Result r = Run("import src new.mdb");
  EXPECT_EQ(r.code, 2);
  EXPECT_EQ(r.err, "quillnet: commandbars/Menu.json: the bar 'Menu': Type 9 is no bar type\n");
  EXPECT_FALSE(std::filesystem::exists(temp_.path() / "new.mdb"));
}

}  // namespace
