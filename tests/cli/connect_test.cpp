// quillnet connect: the project parameters dialog in a real pseudo-terminal,
// and the connection it saves, used by the commands that follow.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/command_line.h"
#include "support/pseudo_terminal.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using testing_support::CommandResult;
using testing_support::Quoted;

constexpr const char* kCaption = "Access 2000 Project Parameters";
const std::string kAlt = "\x1b";

class ConnectCommand : public ::testing::Test {
 protected:
  CommandResult Run(const std::string& arguments) { return command_.Run(arguments); }
  std::unique_ptr<testing_support::PseudoTerminal> Connect(const std::vector<std::string>& args) {
    std::vector<std::string> words{"connect"};
    words.insert(words.end(), args.begin(), args.end());
    return std::make_unique<testing_support::PseudoTerminal>(
        QUILLNET_BINARY, words, temp_.path().string(),
        std::vector<std::string>{"TERM=xterm", "QUILLNET_HOME=" + temp_.File("home")});
  }

  testing_support::TempDir temp_;
  testing_support::CommandLine command_{temp_};
};

TEST_F(ConnectCommand, TheDialogInATerminalSavesTheConnectionThatSearchThenUses) {
  const std::string database = command_.Sample();
  fs::copy_file(temp_.File("home/system.mdw"), temp_.File("team.mdw"));
  {
    auto terminal = Connect({});
    ASSERT_TRUE(terminal->WaitFor(kCaption)) << terminal->Output();
    // Alt+F to the file name, Alt+N to the workgroup (its text replaced), Enter for OK.
    terminal->Type(kAlt + "f" + "app/sales.mdb" + kAlt + "n" + "team.mdw" + "\r");
    ASSERT_EQ(terminal->Wait(), 0) << terminal->Output();
    EXPECT_NE(terminal->Output().find("Saved the connection to " + database), std::string::npos);
  }
  CommandResult r = Run("search " + Quoted(database) + " Customer");
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("match(es)"), std::string::npos);

  fs::remove(temp_.File("team.mdw"));
  r = Run("search " + Quoted(database) + " Customer");
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("Couldn't find the workgroup file '" + temp_.File("team.mdw") + "'"),
            std::string::npos)
      << r.err;
  r = Run("search " + Quoted(database) + " Customer --workgroup home/system.mdw");
  EXPECT_EQ(r.code, 0) << "the command line wins: " << r.err;

  r = Run("connect --forget " + Quoted(database));
  EXPECT_EQ(r.code, 0) << r.err;
  r = Run("connect --forget app/sales.mdb");
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("no connection is saved for " + database), std::string::npos);
  EXPECT_EQ(Run("search " + Quoted(database) + " Customer").code, 0);
}

TEST_F(ConnectCommand, F1ShowsTheGuideARefusalIsAMessageBoxAndEscCancels) {
  const std::string database = command_.Sample();
  auto terminal = Connect({database});
  ASSERT_TRUE(terminal->WaitFor(kCaption)) << terminal->Output();
  terminal->Type("\x1bOP");  // F1, as an xterm sends it
  ASSERT_TRUE(terminal->WaitFor("Quillnet Access 2000 driver")) << terminal->Output();
  ASSERT_TRUE(terminal->WaitFor("Exclude Query Fields")) << "the topic about the dialog";
  terminal->Type("q" + kAlt + "f" + "missing.mdb" + "\r");
  ASSERT_TRUE(terminal->WaitFor("Couldn't find the project file")) << terminal->Output();
  terminal->Type("\r" + kAlt);  // OK closes the message box, Esc the dialog
  EXPECT_EQ(terminal->Wait(), 1) << terminal->Output();
  EXPECT_NE(terminal->Output().find("nothing was saved"), std::string::npos);
  EXPECT_EQ(Run("connect --forget " + Quoted(database)).code, 1);
}

TEST_F(ConnectCommand, WithoutATerminalConnectSaysSoAndExitsTwo) {
  const CommandResult r = Run("connect");
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("terminal"), std::string::npos) << r.err;
  EXPECT_EQ(Run("connect a.mdb b.mdb").code, 2);
  EXPECT_EQ(Run("connect --forget").code, 2);
}

}  // namespace
