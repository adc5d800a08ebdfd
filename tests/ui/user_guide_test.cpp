#include "ui/user_guide.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ui/mouse_ptr.h"
#include "support/machine_test.h"

class UserGuideTest : public testing_support::MachineTest {
 protected:
  void SetUp() override {
    machine.processes().SetModuleFileName(temp.File("tovrin40.dll"));
  }
  void Touch(const std::string& file) { std::ofstream(file) << "help"; }
  const sim::Shell& shell() { return machine.shell(); }
};

TEST_F(UserGuideTest, OpensTheGuideBesideTheModuleAtTheTopic) {
  Touch(temp.File("tovrin40.chm"));
  ui::UserGuide guide;
  EXPECT_EQ(guide.Path(), temp.File("tovrin40.chm"));
  guide.Interact(ui::tovrinTopicMain);
  ASSERT_EQ(shell().HelpCalls().size(), 1u);
  EXPECT_EQ(shell().HelpCalls()[0].viewer, "HtmlHelp");
  EXPECT_EQ(shell().HelpCalls()[0].command, platform::Shell::HH_HELP_CONTEXT);
  EXPECT_EQ(shell().HelpCalls()[0].data, 1u);
  ui::ShowHelp(temp.File("tovrin40.chm"), 0);
  EXPECT_EQ(shell().HelpCalls()[1].command, platform::Shell::HH_DISPLAY_TOPIC);
}

TEST_F(UserGuideTest, TheExtensionIsComparedInLowerCase) {
  Touch(temp.File("GUIDE.CHM"));
  ui::ShowHelp(temp.File("GUIDE.CHM"), 3);
  ASSERT_EQ(shell().HelpCalls().size(), 1u);
  EXPECT_EQ(shell().HelpCalls()[0].file, temp.File("GUIDE.CHM"));
  ui::ShowHelp(temp.File("old.hlp"), 0);
  ASSERT_EQ(shell().HelpCalls().size(), 2u);
  EXPECT_EQ(shell().HelpCalls()[1].viewer, "WinHelp");
  EXPECT_EQ(shell().HelpCalls()[1].command, platform::Shell::HELP_FINDER);
  EXPECT_TRUE(shell().Messages().empty());  // a missing .hlp file gets no message
}

TEST_F(UserGuideTest, AMissingHelpFileIsLookedForWhereItWasRegistered) {
  const std::string elsewhere = temp.File("Help");
  std::filesystem::create_directories(elsewhere);
  Touch(elsewhere + "/moved.chm");
  const std::string key = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\HTML Help";
  machine.registry().CreateKey(key);
  machine.registry().WriteValue(key, "moved.chm", com::Variant(elsewhere));
  ui::ShowHelp(temp.File("moved.chm"), 2);
  ASSERT_EQ(shell().HelpCalls().size(), 1u);
  EXPECT_EQ(shell().HelpCalls()[0].file, elsewhere + "/moved.chm");
}

TEST_F(UserGuideTest, EveryFailureEndsInItsMessage) {
  ui::ShowHelp(temp.File("nowhere.chm"), 1);
  ui::ShowHelp("a.b", 1);
  ui::ShowHelp(temp.File("guide.pdf"), 1);
  machine.shell().SetBrowserInstalled(false);
  ui::ShowWebPage("http://example.com/");
  const auto& messages = shell().Messages();
  ASSERT_EQ(messages.size(), 4u);
  EXPECT_EQ(messages[0].text, "Couldn't find help file " + temp.File("nowhere.chm") + ".");
  EXPECT_EQ(messages[1].text, "Don't know how to open help file a.b.");
  EXPECT_EQ(messages[2].text, "Don't know how to open help file " + temp.File("guide.pdf") + ".");
  EXPECT_EQ(messages[3].text, "Couldn't open your web browser.");
  for (const auto& m : messages) {
    EXPECT_EQ(m.title, "Quillnet");
    EXPECT_EQ(m.style, 48u);
  }
  EXPECT_TRUE(shell().HelpCalls().empty());
}

TEST_F(UserGuideTest, TheMousePointerIsPutBackOnEveryPath) {
  machine.screen().SetMousePointer(11);
  {
    ui::MousePtr pointer;
    pointer.SetPointer(0);
    EXPECT_EQ(machine.screen().MousePointer(), 0);
    EXPECT_EQ(pointer.SavedPointer(), 11);
  }
  EXPECT_EQ(machine.screen().MousePointer(), 11);
  Touch(temp.File("tovrin40.chm"));
  ui::UserGuide().Interact(ui::tovrinTopicTroubleshooting);
  EXPECT_EQ(machine.screen().MousePointer(), 11);
}
