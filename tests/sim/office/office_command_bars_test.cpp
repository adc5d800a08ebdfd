// The simulated Office command bars of an Access session: Access's own bars
// before the database's, changes kept in the database file, members of
// other kinds of control missing as under late binding, the bars' text
// form; and the data access pages' links to their HTML files.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <nlohmann/json.hpp>

#include "sim/access/access_errors.h"
#include "sim/access/application.h"
#include "sim/access/page_links.h"
#include "sim/access/text_format_error.h"
#include "sim/jet/catalog.h"
#include "sim/jet/jet_file.h"
#include "sim/office/bar_store.h"
#include "sim/office/bar_text.h"
#include "sim/access/access_fixture.h"
#include "support/error_matchers.h"

namespace {

using nlohmann::json;
using testing_support::ErrorOf;

class OfficeCommandBarsTest : public access_test::AccessTest {
 protected:
  OfficeCommandBarsTest() {
    sim::jet::Catalog catalog(sim::jet::JetFile::Open(Sales(), false), clock(), {});
    sim::office::BarStore(catalog).Put(
        {{"Name", "Orders"},
         {"Type", 1},
         {"Controls",
          json::array({{{"Type", 1}, {"Caption", "&Find"}, {"OnAction", "=FindOrder()"}},
                       {{"Type", 4}, {"List", {"A"}}}})}});
  }

  static com::ObjectRef Bars(com::Dispatch& access) { return com::CObj(access.Get("CommandBars")); }
  static com::ObjectRef Bar(com::Dispatch& access, const com::Variant& index) {
    return com::CObj(Bars(access)->Call("Item", {index}));
  }
  static com::ObjectRef Control(com::Dispatch& access, std::int32_t position) {
    return com::CObj(com::CObj(Bar(access, com::Variant("orders"))->Get("Controls"))
                         ->Call("Item", {com::Variant(position)}));
  }
};

TEST_F(OfficeCommandBarsTest, AccesssOwnBarsComeFirstAndTheDatabasesAfterThem) {
  auto access = UserAccess();
  const std::int32_t count = com::CLng(Bars(*access)->Get("Count"));
  auto last = Bar(*access, com::Variant(count));
  EXPECT_EQ(com::CStr(last->Get("Name")), "Orders");
  EXPECT_FALSE(com::CBool(last->Get("BuiltIn")));
  EXPECT_TRUE(com::CBool(Bar(*access, com::Variant(1))->Get("BuiltIn")));
  EXPECT_EQ(ErrorOf([&] { Bar(*access, com::Variant("Nothing")); }).Number(), 5);
  EXPECT_EQ(ErrorOf([&] { Bar(*access, com::Variant(count + 1)); }).Number(), 5);
}

TEST_F(OfficeCommandBarsTest, AChangeIsKeptInTheDatabaseFile) {
  {
    auto access = UserAccess();
    Control(*access, 1)->Let("OnAction", com::Variant("=FindClient()"));
    com::CObj(Control(*access, 2))->Call("AddItem", {com::Variant("B")});
    Bar(*access, com::Variant("Orders"))->Let("Name", com::Variant("Clients"));
    access->Quit();
  }
  auto access = UserAccess();
  auto find = com::CObj(com::CObj(Bar(*access, com::Variant("Clients"))->Get("Controls"))
                            ->Call("Item", {com::Variant(1)}));
  EXPECT_EQ(com::CStr(find->Get("OnAction")), "=FindClient()");
  EXPECT_EQ(ErrorOf([&] { Bar(*access, com::Variant("Orders")); }).Number(), 5);
}

TEST_F(OfficeCommandBarsTest, AMemberOfAnotherKindOfControlIsNotThere) {
  auto access = UserAccess();
  EXPECT_EQ(ErrorOf([&] { Control(*access, 1)->Get("ListCount"); }).Number(), 438);
  EXPECT_EQ(ErrorOf([&] { Control(*access, 2)->Get("FaceId"); }).Number(), 438);
  EXPECT_EQ(ErrorOf([&] { Control(*access, 1)->Get("CommandBar"); }).Number(), 438);
  EXPECT_EQ(com::CLng(Control(*access, 2)->Get("ListCount")), 1);
}

TEST_F(OfficeCommandBarsTest, TheTextOfABarIsRefusedWhereItIsNoBar) {
  for (const char* text :
       {"{\"Name\": \"A\",\n \"Type\": }", "[]", "{\"Type\": 1}", "{\"Name\": \"A\", \"Colour\": 1}",
        "{\"Name\": \"A\", \"Type\": 7}", "{\"Name\": \"A\", \"Controls\": [{\"Type\": 10}]}",
        "{\"Name\": \"A\", \"Controls\": [{\"Type\": 1, \"List\": []}]}",
        "{\"Name\": \"A\", \"Controls\": [{\"Type\": 1, \"Caption\": 3}]}"})
    EXPECT_THROW(sim::office::ParseBar(text), sim::access::TextFormatError) << text;
  EXPECT_EQ(sim::office::ParseBar(sim::office::RenderBar({{"Name", "A"}})), json({{"Name", "A"}}));
}

TEST_F(OfficeCommandBarsTest, APageIsOpenedOnlyWhileItsHtmlFileIsThere) {
  const std::string html = temp.File("Page1.htm");
  std::ofstream(html) << "<html></html>\r\n";
  {
    sim::jet::Catalog catalog(sim::jet::JetFile::Open(Sales(), false), clock(), {});
    sim::access::PageLinks(catalog).Put("Page1", html);
  }
  auto access = UserAccess();
  auto all = com::CObj(com::CObj(access->Get("CurrentProject"))->Get("AllDataAccessPages"));
  EXPECT_EQ(com::CStr(com::CObj(all->Call("Item", {com::Variant("page1")}))->Get("FullName")), html);
  DoCmd(*access)->Call("OpenDataAccessPage", {com::Variant("Page1"), com::Variant(1)});
  EXPECT_EQ(com::CLng(com::CObj(access->Get("DataAccessPages"))->Get("Count")), 1);
  DoCmd(*access)->Call("Close", {com::Variant(6), com::Variant("Page1")});

  std::filesystem::remove(html);
  EXPECT_EQ(ErrorOf([&] {
              DoCmd(*access)->Call("OpenDataAccessPage", {com::Variant("Page1"), com::Variant(1)});
            }).Number(),
            sim::access::kActionCanceled);
}

}  // namespace
