#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "com/dispatch.h"
#include "shared/no_popups_hook.h"
#include "shared/silent_message_boxes.h"
#include "shared/utility.h"
#include "support/driver_test.h"
#include "support/error_matchers.h"

namespace {

using HWND = platform::Windows::HWND;

// The few members of an Access application that window questions read.
class AccessWindows : public com::Dispatch {
 public:
  AccessWindows(HWND main, HWND editor, std::string project_file)
      : main_(main), editor_(editor), project_file_(std::move(project_file)) {}
  const com::TypeInfo& Members() const override {
    static const com::TypeInfo info = com::TypeBuilder<AccessWindows>("Application").Build();
    return info;
  }
  com::Variant Get(std::string_view member, std::span<const com::Variant>) override;

 private:
  class Holder : public com::Dispatch {
   public:
    explicit Holder(std::map<std::string, com::Variant> values) : values_(std::move(values)) {}
    const com::TypeInfo& Members() const override {
      static const com::TypeInfo info = com::TypeBuilder<Holder>("Holder").Build();
      return info;
    }
    com::Variant Get(std::string_view member, std::span<const com::Variant>) override {
      return values_.at(std::string(member));
    }

   private:
    std::map<std::string, com::Variant> values_;
  };
  HWND main_, editor_;
  std::string project_file_;
};

com::Variant AccessWindows::Get(std::string_view member, std::span<const com::Variant>) {
  if (member == "hWndAccessApp") return com::Variant(main_);
  if (member == "CurrentProject")
    return com::Variant(std::make_shared<Holder>(
        std::map<std::string, com::Variant>{{"Name", com::Variant(project_file_)}}));
  auto main_window = std::make_shared<Holder>(
      std::map<std::string, com::Variant>{{"hwnd", com::Variant(editor_)}});
  return com::Variant(std::make_shared<Holder>(
      std::map<std::string, com::Variant>{{"MainWindow", com::Variant(main_window)}}));
}

}  // namespace

class UtilityEnvironment : public testing_support::DriverTest {
 protected:
  sim::Windows& windows() { return machine.windows(); }
};

TEST_F(UtilityEnvironment, AccessIsFoundInstalledLocallyOrFromSource) {
  EXPECT_EQ(Utility::Access9EXEPath(), AccessExe());
  EXPECT_EQ(Utility::AccessFolder(), temp.File("Office"));
  EXPECT_EQ(Utility::AccessTypeLibPath(), temp.File("Office/msacc9.olb"));
  EXPECT_TRUE(Utility::VerifySystemRequirements());
  EXPECT_EQ(vxhandler::ProblemLog()->Count(), 0);
}

TEST_F(UtilityEnvironment, SourceInstallsCountAndOtherProductsDoNot) {
  sim::Machine other;
  other.installer().AddProduct({"{A}", "Microsoft Office 97", {{"{CC29E967-7BC2-11D1-A921-00A0C91E2AA2}", "/old/MSACCESS.EXE", 3}}});
  other.installer().AddProduct({"{B}", "Microsoft Access 2000 Runtime", {{"{CC29E967-7BC2-11D1-A921-00A0C91E2AA2}", "/absent/MSACCESS.EXE", 2}}});
  other.installer().AddProduct({"{C}", "Microsoft Access 2000 Developer", {{"{CC29E967-7BC2-11D1-A921-00A0C91E2AA2}", "/net/MSACCESS.EXE", 4}}});
  Utility::ResetCachedPaths();
  EXPECT_EQ(Utility::Access9EXEPath(), "/net/MSACCESS.EXE");
  Utility::ResetCachedPaths();
}

TEST_F(UtilityEnvironment, NoAccessMeansBuildZeroAndAProblem) {
  sim::Machine bare;
  Utility::ResetCachedPaths();
  EXPECT_FALSE(Utility::VerifySystemRequirements());
  ASSERT_EQ(vxhandler::ProblemLog()->Count(), 1);
  const auto& entry = vxhandler::ProblemLog()->Entries()[0];
  EXPECT_EQ(entry.where, "tovrin.Utility.VerifySystemRequirements");
  EXPECT_TRUE(entry.problem->IProblem_Description().starts_with(
      "Microsoft Access 2000 was not found on your system."));
  Utility::ResetCachedPaths();
}

TEST_F(UtilityEnvironment, AnOldBuildIsReported) {
  machine.installer().SetFileVersion(AccessExe(), {9, 0, 0, 2719});
  EXPECT_FALSE(Utility::VerifySystemRequirements());
  EXPECT_NE(vxhandler::ProblemLog()->Entries()[0].problem->IProblem_Description().find("9.0.2719."),
            std::string::npos);
}

TEST_F(UtilityEnvironment, TheResourceFileIsInTheFirstLanguageFolderThatHasIt) {
  namespace fs = std::filesystem;
  EXPECT_EQ(Utility::MSAINPath(), "");
  Utility::ResetCachedPaths();
  for (const char* folder : {"1031", "1033", "Templates"}) fs::create_directories(temp.path() / "Office" / folder);
  std::ofstream(temp.path() / "Office" / "1033" / "msain900.dll") << "x";
  std::ofstream(temp.path() / "Office" / "Templates" / "msain900.dll") << "x";
  EXPECT_EQ(Utility::MSAINPath(), temp.File("Office/1033/msain900.dll"));
}

TEST_F(UtilityEnvironment, MapControlName) {
  EXPECT_EQ(Utility::MapControlName("Order Date"), "Order_Date");
  EXPECT_EQ(Utility::MapControlName("Qty2 (net)-é"), "Qty2__net__é");
  EXPECT_EQ(Utility::MapControlName("Straße×"), "Straße_");
}

TEST_F(UtilityEnvironment, MessageBoxSoundsRoundTrip) {
  const std::string key = "HKEY_CURRENT_USER\\AppEvents\\Schemes\\Apps\\.Default\\SystemHand\\.Current";
  machine.registry().CreateKey(key);
  // A sound's path may hold a comma; it comes back whole.
  const std::string chord = "C:\\Media\\Chord, soft.wav";
  machine.registry().WriteValue(key, "", com::Variant(chord));
  const auto previous = Utility::SetMsgBoxSound({"a.wav", "b.wav", "c.wav"});
  EXPECT_EQ(previous, (std::vector<std::string>{"", "", "", chord, ""}));
  EXPECT_EQ(com::CStr(*machine.registry().ReadValue(key, "")), "");
  EXPECT_EQ(Utility::SetMsgBoxSound(previous),
            (std::vector<std::string>{"a.wav", "b.wav", "c.wav", "", ""}));
  EXPECT_EQ(com::CStr(*machine.registry().ReadValue(key, "")), chord);
  {
    shared::SilentMessageBoxes quiet;
    EXPECT_EQ(com::CStr(*machine.registry().ReadValue(key, "")), "");
  }
  EXPECT_EQ(com::CStr(*machine.registry().ReadValue(key, "")), chord);
}

TEST_F(UtilityEnvironment, TheHookLetsPopupsTakeTheirDefaultButtonAndRefusesOthers) {
  const HWND main = windows().Create("OMain", "Microsoft Access", 0);
  {
    shared::NoPopupsHook hook;
    EXPECT_EQ(windows().HookCount(), 1u);
    const HWND dialog = windows().Create("#32770", "Save changes?", 0, platform::Windows::WS_POPUP, main);
    const HWND child = windows().Create("OForm", "Orders : Form", main);
    ASSERT_EQ(windows().Posted().size(), 1u);
    EXPECT_EQ(windows().Posted()[0].window, dialog);
    EXPECT_EQ(windows().Posted()[0].message, platform::Windows::WM_KEYDOWN);
    EXPECT_EQ(windows().Posted()[0].wparam, 13);
    EXPECT_TRUE(windows().Activate(dialog));
    EXPECT_FALSE(windows().Activate(child));
    EXPECT_EQ(Utility::NoPopupsHookProc(4, child, 0), 0);
  }
  EXPECT_EQ(windows().HookCount(), 0u);
}

TEST_F(UtilityEnvironment, OpenObjectsAreFoundByTheirWindowCaptions) {
  const HWND main = windows().Create("OMain", "Microsoft Access", 0);
  windows().Create("OStatus", "", main);
  const HWND client = windows().Create("MDIClient", "", main);
  windows().Create("OForm", "Orders : Form", client);
  windows().Create("oqry", "Sales By City : Query", client);
  windows().Create("OTable", "Customers", client);
  const HWND editor = windows().Create("wndclass_desked_gsk", "Microsoft Visual Basic", 0);
  const HWND code = windows().Create("MDIClient", "", editor);
  windows().Create("VbaWindow", "Sales - Module1 (Code)", code);
  AccessWindows app(main, editor, "Sales.mdb");
  EXPECT_TRUE(Utility::ObjectIsOpen(app, 2, "orders"));
  EXPECT_FALSE(Utility::ObjectIsOpen(app, 3, "Orders"));
  EXPECT_TRUE(Utility::ObjectIsOpen(app, 1, "SALES BY CITY"));
  EXPECT_FALSE(Utility::ObjectIsOpen(app, 0, "Customers"));  // no " : " in the caption
  EXPECT_TRUE(Utility::ObjectIsOpen(app, 5, "module1"));
  EXPECT_FALSE(Utility::ObjectIsOpen(app, 5, "Module2"));
  EXPECT_EQ(testing_support::ErrorOf([&] { Utility::ObjectIsOpen(app, 7, "x"); }).Number(), -32753);
  EXPECT_FALSE(Utility::RelationshipsWindowIsOpen(main));
  windows().Create("OSysRel", "Relationships", client);
  EXPECT_TRUE(Utility::RelationshipsWindowIsOpen(main));
}

TEST_F(UtilityEnvironment, AWindowWithoutADocumentAreaHasNoDocuments) {
  const HWND main = windows().Create("OMain", "Microsoft Access", 0);
  windows().Create("OStatus", "", main);
  EXPECT_TRUE(Utility::DocumentWindows(main).empty());
  EXPECT_FALSE(Utility::RelationshipsWindowIsOpen(main));
  AccessWindows app(main, main, "x.mdb");
  EXPECT_FALSE(Utility::ObjectIsOpen(app, 2, "Orders"));
}
