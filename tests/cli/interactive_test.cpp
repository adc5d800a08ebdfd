// replace --interactive driven as a user drives it: the program on a
// pseudo-terminal, the answers typed into it.

#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "support/command_line.h"
#include "support/temp_dir.h"

namespace {

using testing_support::Quoted;

struct Session {
  int code = -1;
  std::string screen;  // everything the terminal showed
};

// Runs the command in a shell on a new pseudo-terminal, typing `answers`.
Session OnTerminal(const testing_support::TempDir& folder, const std::string& arguments,
                   const std::string& answers) {
  int terminal = -1;
  const pid_t child = ::forkpty(&terminal, nullptr, nullptr, nullptr);
  if (child == 0) {
    const std::string command = "cd " + Quoted(folder.path().string()) + " && QUILLNET_HOME=" +
                                Quoted(folder.File("home")) + " exec " + Quoted(QUILLNET_BINARY) +
                                " " + arguments;
    ::execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  Session session;
  if (child < 0) return session;
  // The terminal keeps the typed lines until the program reads them.
  if (::write(terminal, answers.data(), answers.size()) < 0) return session;
  char buffer[4096];
  for (;;) {
    pollfd ready{terminal, POLLIN, 0};
    if (::poll(&ready, 1, 60000) <= 0) break;
    const ssize_t got = ::read(terminal, buffer, sizeof buffer);
    if (got <= 0) break;  // the program ended and the terminal closed
    session.screen.append(buffer, static_cast<std::size_t>(got));
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ::close(terminal);
  session.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return session;
}

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t count = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

TEST(InteractiveReplace, WritesOnlyTheHitsTheUserTook) {
  testing_support::TempDir temp;
  testing_support::CommandLine command(temp);
  const std::string db = Quoted(command.Sample());
  // Hits in order: qryArchiveCustomers, qryCustomerBalances, qryCustomerOrders,
  // qryMakeCustomerList, ... (one SQL each): yes, no, an unknown answer asked
  // again and then yes, quit.
  const Session session = OnTerminal(
      temp, "replace " + db + " CustomerID ClientID --only Queries --interactive --no-backup",
      "y\nn\nmaybe\ny\nq\n");
  ASSERT_EQ(session.code, 0) << session.screen;
  EXPECT_EQ(Count(session.screen, "Replace? [y]es, [n]o, [a]ll in this object, [q]uit:"), 5u)
      << session.screen;
  EXPECT_NE(session.screen.find("Queries/qryArchiveCustomers/SQL:\r\n  - INSERT INTO "
                                "CustomerArchive ( CustomerID, Customer )"),
            std::string::npos)
      << session.screen;
  EXPECT_NE(session.screen.find("2 replaced, 0 refused or failed"), std::string::npos)
      << session.screen;

  const auto found = command.Run("search " + db + " ClientID --only Queries");
  EXPECT_NE(found.out.find("Queries/qryArchiveCustomers/SQL"), std::string::npos) << found.out;
  EXPECT_NE(found.out.find("Queries/qryCustomerOrders/SQL"), std::string::npos) << found.out;
  EXPECT_NE(found.out.find("2 match(es) in 2 object(s)"), std::string::npos) << found.out;
}

TEST(InteractiveReplace, QuittingAtOnceWritesNothingAndAskingNeedsATerminal) {
  testing_support::TempDir temp;
  testing_support::CommandLine command(temp);
  const std::string db = Quoted(command.Sample());
  const std::string before = testing_support::ReadFile(db.substr(1, db.size() - 2));
  const Session session =
      OnTerminal(temp, "replace " + db + " CustomerID ClientID --only Queries --interactive", "q\n");
  EXPECT_EQ(session.code, 1) << session.screen;
  EXPECT_NE(session.screen.find("nothing replaced"), std::string::npos) << session.screen;
  const auto piped = command.Run("replace " + db + " CustomerID ClientID --interactive");
  EXPECT_EQ(piped.code, 2);
  EXPECT_NE(piped.err.find("--interactive needs a terminal to ask on"), std::string::npos);
  EXPECT_TRUE(testing_support::ReadFile(db.substr(1, db.size() - 2)) == before);
}

}  // namespace
