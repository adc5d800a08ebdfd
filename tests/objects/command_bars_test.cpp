// Command bars and their controls: the bar list, the protection flags behind
// Docking and the Allow... properties, State, the properties only some bars
// and controls have, a combo box's List, and the mode switch.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "driver/project.h"
#include "objects/documents/command_bar.h"
#include "objects/documents/command_bar_control.h"
#include "objects/documents/command_bar_controls.h"
#include "sim/jet/catalog.h"
#include "sim/jet/jet_file.h"
#include "sim/office/bar_store.h"
#include "support/access_documents_test.h"
#include "support/error_matchers.h"

namespace {

using nlohmann::json;
using objects::CommandBar;
using objects::CommandBarControl;
using testing_support::ErrorOf;
using testing_support::Message;

json Popup(const std::string& caption, const std::string& bar) {
  return {{"Type", 10},
          {"Caption", caption},
          {"OLEMenuGroup", 2},
          {"CommandBar",
           {{"Name", bar}, {"Type", 2}, {"Controls", json::array({{{"Type", 1}, {"Caption", "All"}}})}}}};
}

const json kMenu = {
    {"Name", "Customer Menu"},
    {"Type", 1},
    {"Controls", json::array({{{"Type", 1},
                               {"Caption", "&Find"},
                               {"OnAction", "=FindCustomer()"},
                               {"Parameter", "CustomerID"}},
                              Popup("&Reports", "Reports")})}};
const json kTools = {
    {"Name", "Customer Tools"},
    {"Type", 0},
    {"Protection", 17},
    {"Height", 26},
    {"Controls",
     json::array({{{"Type", 4}, {"Caption", "City"}, {"List", {"A", "B"}}, {"DropDownLines", 8}},
                  Popup("&More", "More")})}};
const json kShortcut = {{"Name", "Customer Shortcut"}, {"Type", 2}, {"Controls", json::array()}};

class CommandBarsTest : public testing_support::AccessDocumentsTest {
 protected:
  CommandBarsTest() {
    for (const auto& bar : {kMenu, kTools, kShortcut}) PutBar(Sales(), bar);
  }

  void PutBar(const std::string& database, const json& bar) {
    sim::jet::Catalog catalog(sim::jet::JetFile::Open(database, false), clock(), {});
    sim::office::BarStore(catalog).Put(bar);
  }
  json StoredBar(const std::string& name) {
    sim::jet::Catalog catalog(sim::jet::JetFile::Open(Sales(), true), clock(), {});
    return *sim::office::BarStore(catalog).Find(name);
  }
  std::shared_ptr<CommandBar> Bar(const std::string& name, std::int32_t mode = driver::kModeScan) {
    if (!project_) OpenProject();
    auto bar = Object<CommandBar>("CommandBars", name);
    bar->SetMode(mode);
    return bar;
  }
  static std::shared_ptr<CommandBarControl> Control(CommandBar& bar, std::int32_t position) {
    return bar.Controls()->Item(com::Variant(position));
  }
  static std::string Undefined(const std::function<void()>& work) {
    return Message(ErrorOf(work));
  }
};

TEST_F(CommandBarsTest, ListsTheCustomBarsWithTheCodesOfTheirTypesAndNoneOfAccesssOwn) {
  OpenProject();
  EXPECT_EQ(project_->IProject_GetCollection("CommandBars")->ICollection_EnumObjects(),
            "Customer Menu\t5\t\t1\t1\t1\t0\r\n"
            "Customer Tools\t25\t\t1\t1\t1\t0\r\n"
            "Customer Shortcut\t19\t\t1\t1\t1\t0");
}

TEST_F(CommandBarsTest, ADatabaseWithoutFormsListsNoBar) {
  const std::string plain = NewDatabase("Plain.mdb").path();
  PutBar(plain, kMenu);
  project_ = NewProject(Parameters(plain));
  project_->IProject_EnumCollections();
  EXPECT_EQ(project_->IProject_GetCollection("CommandBars")->ICollection_EnumObjects(), "");
}

TEST_F(CommandBarsTest, DockingIsReadAndWrittenThroughTheProtectionFlags) {
  struct Case {
    std::int32_t protection;
    objects::DockingConstants set;
    std::int32_t written;
  };
  for (const Case c : {Case{17, objects::msoDockingNoVertical, 33},
                       Case{0, objects::msoDockingNoHorizontal, 64},
                       Case{96 + 4, objects::msoDockingAllowAny, 4},
                       Case{32, objects::msoDockingCantChange, 16}}) {
    json bar = kTools;
    bar["Protection"] = c.protection;
    PutBar(Sales(), bar);
    auto tools = Bar("Customer Tools", driver::kModeUpdate);
    tools->SetDocking(c.set);
    EXPECT_EQ(StoredBar("Customer Tools")["Protection"], c.written) << c.protection;
    EXPECT_EQ(tools->Docking(), c.set) << c.protection;
    tools->SetMode(driver::kModeClosed);
  }
  auto tools = Bar("Customer Tools", driver::kModeUpdate);
  const auto refused = ErrorOf([&] { tools->SetDocking(objects::DockingConstants{4}); });
  EXPECT_NE(Message(refused).find("Docking"), std::string::npos) << Message(refused);
  EXPECT_EQ(StoredBar("Customer Tools")["Protection"], 16);
}

TEST_F(CommandBarsTest, BothDockingSidesBarredReadAsCantChange) {
  json bar = kTools;
  bar["Protection"] = 96;
  PutBar(Sales(), bar);
  EXPECT_EQ(Bar("Customer Tools")->Docking(), objects::msoDockingCantChange);
}

TEST_F(CommandBarsTest, EachAllowPropertyTurnsOneFlagAndKeepsTheOthers) {
  auto tools = Bar("Customer Tools", driver::kModeUpdate);
  EXPECT_FALSE(tools->AllowCustomizing());
  tools->SetAllowCustomizing(true);
  tools->SetAllowMoving(false);
  tools->SetAllowShowingAndHiding(false);
  EXPECT_EQ(StoredBar("Customer Tools")["Protection"], 16 | 4 | 8);
  tools->SetAllowMoving(true);
  tools->SetAllowResizing(false);
  EXPECT_EQ(StoredBar("Customer Tools")["Protection"], 16 | 8 | 2);
  EXPECT_TRUE(tools->AllowCustomizing());
  EXPECT_TRUE(tools->AllowMoving());
  EXPECT_FALSE(tools->AllowShowingAndHiding());
  EXPECT_FALSE(tools->AllowResizing());
}

TEST_F(CommandBarsTest, APopupBarHasNoMovingResizingShowingOrDocking) {
  auto shortcut = Bar("Customer Shortcut");
  for (const auto& get : std::vector<std::function<void()>>{
           [&] { shortcut->AllowMoving(); }, [&] { shortcut->AllowResizing(); },
           [&] { shortcut->AllowShowingAndHiding(); }, [&] { shortcut->Docking(); }})
    EXPECT_EQ(Undefined(get), "Undefined property.");
  EXPECT_TRUE(shortcut->AllowCustomizing());
}

TEST_F(CommandBarsTest, OnlyAToolbarHasASize) {
  auto menu = Bar("Customer Menu");
  EXPECT_EQ(Undefined([&] { menu->Height(); }), "Undefined property.");
  EXPECT_EQ(Undefined([&] { menu->Left(); }), "Undefined property.");
  EXPECT_EQ(Bar("Customer Tools")->Height(), 26);
}

TEST_F(CommandBarsTest, StateStandsForEnabledAndVisible) {
  auto menu = Bar("Customer Menu", driver::kModeUpdate);
  for (const auto state : {objects::msoStateVisible, objects::msoStateEnabled,
                           objects::msoStateDisabled}) {
    menu->SetState(state);
    EXPECT_EQ(menu->State(), state);
  }
  EXPECT_EQ(StoredBar("Customer Menu")["Enabled"], false);
  EXPECT_EQ(StoredBar("Customer Menu")["Visible"], false);
  const auto refused = ErrorOf([&] { menu->SetState(objects::CommandBarStateConstants{3}); });
  EXPECT_NE(Message(refused).find("State"), std::string::npos) << Message(refused);
}

TEST_F(CommandBarsTest, APopupHasItsOwnBarAndItsMenuGroupOnlyOnAMenuBar) {
  auto menu = Bar("Customer Menu");
  auto reports = Control(*menu, 1);
  EXPECT_EQ(com::CLng(reports->Get("OLEMenuGroup")), 2);
  EXPECT_EQ(Undefined([&] { reports->Get("BeginGroup"); }), "Undefined property.");
  auto own = reports->GetCommandBar();
  ASSERT_NE(own, nullptr);
  EXPECT_EQ(own->Name(), "Reports");
  EXPECT_EQ(own->CommandBarType(), 2);
  EXPECT_EQ(own, reports->GetCommandBar());
  EXPECT_EQ(Control(*menu, 0)->GetCommandBar(), nullptr);

  auto more = Control(*Bar("Customer Tools"), 1);
  EXPECT_EQ(Undefined([&] { more->Get("OLEMenuGroup"); }), "Undefined property.");
  EXPECT_EQ(Undefined([&] { more->Get("OLEUsage"); }), "Undefined property.");
}

TEST_F(CommandBarsTest, MembersOfOtherKindsOfControlAreUndefinedSoThatAScanPassesThemBy) {
  auto find = Control(*Bar("Customer Menu"), 0);
  for (const char* member : {"DropDownLines", "List", "ListHeaderCount", "Text"})
    EXPECT_EQ(Undefined([&] { find->Get(member); }), "Undefined property.") << member;
  EXPECT_EQ(com::CStr(find->Get("OnAction")), "=FindCustomer()");
  EXPECT_EQ(com::CLng(Control(*Bar("Customer Tools"), 0)->Get("DropDownLines")), 8);
}

TEST_F(CommandBarsTest, AComboBoxListIsItsItemsJoinedByCrLfAndWritesBackUnchanged) {
  auto city = Control(*Bar("Customer Tools", driver::kModeUpdate), 0);
  EXPECT_EQ(city->List(), "A\r\nB");
  city->SetList(city->List());
  EXPECT_EQ(StoredBar("Customer Tools")["Controls"][0]["List"], json({"A", "B"}));
  city->SetList("X\r\n\r\nY");
  EXPECT_EQ(StoredBar("Customer Tools")["Controls"][0]["List"], json({"X", "", "Y"}));
  city->SetList("");
  EXPECT_EQ(city->List(), "");
}

TEST_F(CommandBarsTest, AChangeIsKeptInTheFileAsItIsWritten) {
  auto menu = Bar("Customer Menu", driver::kModeUpdate);
  Control(*menu, 0)->Let("OnAction", com::Variant("=FindClient()"));
  EXPECT_EQ(StoredBar("Customer Menu")["Controls"][0]["OnAction"], "=FindClient()");
  menu->SetName("Client Menu");
  menu->SetMode(driver::kModeClosed);
  EXPECT_EQ(StoredBar("Client Menu")["Controls"][0]["OnAction"], "=FindClient()");
  EXPECT_EQ(Bar("Client Menu")->Name(), "Client Menu");
}

TEST_F(CommandBarsTest, UpdatingNeedsTheDatabaseHeldExclusively) {
  const auto colleague = machine.sessions().Open(Sales(), "ACCOUNTS-PC", false);
  OpenProject();
  ASSERT_FALSE(project_->IsLocked());
  auto menu = Object<CommandBar>("CommandBars", "Customer Menu");
  const auto refused = ErrorOf([&] { menu->SetMode(driver::kModeUpdate); });
  EXPECT_EQ(Message(refused), "Couldn't obtain exclusive access to the database.");
  EXPECT_EQ(menu->Mode(), driver::kModeClosed);
  EXPECT_THROW(menu->Position(), com::Error);
  menu->SetMode(driver::kModeScan);
  EXPECT_EQ(menu->Position(), 1);
  menu->SetMode(driver::kModeClosed);
  machine.sessions().Close(colleague);
}

}  // namespace
