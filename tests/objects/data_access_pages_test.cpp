// Data access pages: the page list, the HTML read line by line and written
// back whole with a final CR LF in the Windows code page, the checks of the
// mode switch, and opening a page for the user.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "driver/project.h"
#include "objects/documents/data_access_page.h"
#include "sim/access/document_windows.h"
#include "sim/access/page_links.h"
#include "sim/jet/catalog.h"
#include "sim/jet/jet_file.h"
#include "support/access_documents_test.h"
#include "support/error_matchers.h"

namespace {

using objects::DataAccessPage;
using testing_support::ErrorOf;
using testing_support::Message;

class DataAccessPagesTest : public testing_support::AccessDocumentsTest {
 protected:
  DataAccessPagesTest() {
    std::filesystem::create_directories(temp.path() / "pages");
    WriteFile("<html>\r\n<body>CustomerID</body>\r\n</html>\r\n");
    sim::jet::Catalog catalog(sim::jet::JetFile::Open(Sales(), false), clock(), {});
    sim::access::PageLinks(catalog).Put("Page1", PagePath());
  }

  std::string PagePath() const { return temp.File("pages/Page1.htm"); }
  void WriteFile(const std::string& bytes) const {
    std::ofstream(PagePath(), std::ios::binary) << bytes;
  }
  std::string FileBytes() const {
    std::ifstream in(PagePath(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }
  std::shared_ptr<DataAccessPage> Page(std::int32_t mode = driver::kModeClosed) {
    if (!project_) OpenProject();
    auto page = Object<DataAccessPage>("DataAccessPages", "Page1");
    page->SetMode(mode);
    return page;
  }
  std::size_t FilesInPagesFolder() const {
    return static_cast<std::size_t>(std::distance(
        std::filesystem::directory_iterator(temp.path() / "pages"), {}));
  }
};

TEST_F(DataAccessPagesTest, ListsThePagesOfTheDatabase) {
  OpenProject();
  EXPECT_EQ(project_->IProject_GetCollection("DataAccessPages")->ICollection_EnumObjects(),
            "Page1\t2\t\t1\t1\t1\t0");
}

TEST_F(DataAccessPagesTest, AThousandLinePageIsReadWholeWithoutAFinalBreak) {
  std::string bytes;
  for (int i = 0; i < 1000; ++i) bytes += "<p>" + std::to_string(i) + "</p>\r\n";
  WriteFile(bytes);
  const std::string html = Page()->HTML();
  EXPECT_EQ(bytes.substr(0, bytes.size() - 2), html);
}

TEST_F(DataAccessPagesTest, LinesEndAtCrLfOrCrAndAreJoinedByCrLf) {
  const std::pair<std::string, std::string> cases[] = {
      {"a\rb\r\nc", "a\r\nb\r\nc"}, {"a\nb\r", "a\nb"}, {"", ""}, {"\r\n", ""},
      {"a\r\n\r\nb", "a\r\n\r\nb"}, {"caf\xE9", "caf\xC3\xA9"}};
  auto page = Page();
  for (const auto& [bytes, html] : cases) {
    WriteFile(bytes);
    EXPECT_EQ(page->HTML(), html) << bytes;
  }
}

TEST_F(DataAccessPagesTest, WritingReplacesTheFileAndEndsItWithCrLf) {
  auto page = Page(driver::kModeUpdate);
  page->SetHTML("<p>ClientID</p>\r\n<p>caf\xC3\xA9 \xE2\x82\xAC</p>");
  EXPECT_EQ(FileBytes(), "<p>ClientID</p>\r\n<p>caf\xE9 \x80</p>\r\n");
  EXPECT_EQ(page->Mode(), driver::kModeUpdate);
  EXPECT_EQ(page->HTML(), "<p>ClientID</p>\r\n<p>caf\xC3\xA9 \xE2\x82\xAC</p>");
}

TEST_F(DataAccessPagesTest, AWriteThatFailsLeavesThePageAsItWas) {
  const std::string before = FileBytes();
  auto page = Page(driver::kModeUpdate);
  machine.text_files().FillDiskAfter(10);
  EXPECT_EQ(ErrorOf([&] { page->SetHTML("<p>a page longer than the disk has room for</p>"); })
                .Number(),
            61);
  EXPECT_EQ(FileBytes(), before);
  EXPECT_EQ(FilesInPagesFolder(), 1u);

  const auto refused = ErrorOf([&] { page->SetHTML("<p>\xE4\xB8\xAD</p>"); });
  EXPECT_EQ(refused.Number(), 5);
  EXPECT_EQ(FileBytes(), before);
  EXPECT_EQ(FilesInPagesFolder(), 1u);
}

TEST_F(DataAccessPagesTest, AMissingFileFailsTheReadAndTheWrite) {
  std::filesystem::remove(PagePath());
  auto page = Page(driver::kModeUpdate);
  EXPECT_EQ(ErrorOf([&] { page->HTML(); }).Number(), 53);
  EXPECT_EQ(ErrorOf([&] { page->SetHTML("x"); }).Number(), 53);
  EXPECT_FALSE(std::filesystem::exists(PagePath()));
}

TEST_F(DataAccessPagesTest, APageOpenInAccessIsScannedButNotChanged) {
  OpenProject();
  com::CObj(Access()->Get("DoCmd"))
      ->Call("OpenDataAccessPage", {com::Variant("Page1"), com::Variant(1)});
  auto page = Page(driver::kModeScan);
  EXPECT_NE(page->HTML().find("CustomerID"), std::string::npos);
  page->SetMode(driver::kModeClosed);
  const auto refused = ErrorOf([&] { page->SetMode(driver::kModeUpdate); });
  EXPECT_EQ(Message(refused),
            "Couldn't save changes safely because the data access page was already open.");
  EXPECT_EQ(page->Mode(), driver::kModeClosed);
}

TEST_F(DataAccessPagesTest, UpdatingNeedsTheDatabaseHeldExclusively) {
  const auto colleague = machine.sessions().Open(Sales(), "ACCOUNTS-PC", false);
  OpenProject();
  auto page = Page();
  const auto refused = ErrorOf([&] { page->SetMode(driver::kModeUpdate); });
  EXPECT_EQ(Message(refused), "Couldn't obtain exclusive access to the database.");
  EXPECT_EQ(page->Mode(), driver::kModeClosed);
  machine.sessions().Close(colleague);
}

TEST_F(DataAccessPagesTest, TheDesignCommandOpensThePageOrSaysItsFileIsGone) {
  OpenProject();
  auto pages = project_->IProject_GetCollection("DataAccessPages");
  EXPECT_EQ(pages->ICollection_EnumObjectCommands("Page1"),
            "&Design\t26\tFalse\tOpen the data access page in design view.");
  pages->ICollection_ExecuteObjectCommand("Page1", 0);
  EXPECT_EQ(Access()->Documents()->OpenNames(msaccess::acDataAccessPage),
            std::vector<std::string>{"Page1"});
  com::CObj(Access()->Get("DoCmd"))
      ->Call("Close", {com::Variant(msaccess::acDataAccessPage), com::Variant("Page1")});

  std::filesystem::remove(PagePath());
  const auto refused = ErrorOf([&] { pages->ICollection_ExecuteObjectCommand("Page1", 0); });
  EXPECT_EQ(Message(refused),
            "Couldn't open data access page. The corresponding HTML file may have been moved, "
            "renamed, or deleted.");
  EXPECT_THROW(pages->ICollection_ExecuteObjectCommand("Page1", 1), com::Error);
}

}  // namespace
