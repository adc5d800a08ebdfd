// Runs on one database that are stopped part-way or meet each other: a
// replace killed at any of its writes, a file SQLite left with a hot journal,
// and two replaces and a search started on one file at once. Each run is a
// process of its own (forked), so that the kill and the file locks are real.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

#include "cli/commands.h"
#include "sim/jet/sqlite_connection.h"
#include "support/command_line.h"
#include "support/sqlite_write_watch.h"
#include "support/temp_dir.h"

namespace interrupted_run_test {

namespace fs = std::filesystem;
using testing_support::CommandResult;
using testing_support::Quoted;
using testing_support::ReadFile;

using Folder = std::map<std::string, std::string>;

// The quillnet command run in a forked child, which first calls `prepare`.
// Its output goes to `out` and `err` below the folder; the exit code or the
// signal that stopped it is given back.
struct ChildOutcome {
  int code = -1;    // the exit code, when it exited
  int signal = 0;   // the signal that stopped it, when one did
};

pid_t StartInChild(const testing_support::TempDir& temp, const std::string& name,
                   const std::vector<std::string>& args, const std::function<void()>& prepare) {
  const pid_t pid = fork();
  if (pid != 0) return pid;
  setenv("QUILLNET_HOME", temp.File("home").c_str(), 1);
  prepare();
  std::ostringstream out, err;
  std::istringstream in;
  cli::Console console{out, err, in};
  const int code = cli::Run(args, console);
  std::ofstream(temp.File(name + ".out")) << out.str();
  std::ofstream(temp.File(name + ".err")) << err.str();
  _exit(code);
}

ChildOutcome Wait(pid_t pid) {
  int status = 0;
  waitpid(pid, &status, 0);
  ChildOutcome outcome;
  if (WIFEXITED(status)) outcome.code = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) outcome.signal = WTERMSIG(status);
  return outcome;
}

void WriteFolder(const fs::path& folder, const Folder& files) {
  fs::remove_all(folder);
  for (const auto& [path, bytes] : files) {
    fs::create_directories((folder / path).parent_path());
    std::ofstream(folder / path, std::ios::binary) << bytes;
  }
}

class InterruptedRunTest : public ::testing::Test {
 protected:
  CommandResult Run(const std::string& arguments) { return command_.Run(arguments); }
  fs::path App() const { return temp_.path() / "app"; }
  // Only the backup may have appeared, and it holds the database as it was.
  std::string ChangesSince(const Folder& before) const {
    std::string changes = testing_support::FolderChanges(before, App(), ".bak");
    for (const auto& [path, bytes] : testing_support::ReadFolder(App()))
      if (path.ends_with(".bak") && bytes != before.at(path.substr(0, path.size() - 4)))
        changes += path + ": not the database as it was\n";
    return changes;
  }

  testing_support::TempDir temp_;
  testing_support::CommandLine command_{temp_};
  std::string db_ = command_.Sample();
};

// A replace is stopped by SIGKILL just before one of its writes to the disk,
// at points spread from its first write to past its last. After each, the
// next command finds the application either as it was before the run, byte
// for byte, or with the whole run in it.
TEST_F(InterruptedRunTest, AReplaceKilledAtAnyWriteIsPutBackWholeByTheNextCommand) {
  const Folder before = testing_support::ReadFolder(App());
  const std::string old_hits = Run("search " + Quoted(db_) + " CustomerID").out;
  const std::vector<std::string> replace = {"replace", db_, "CustomerID", "ClientID", "--yes"};
  int writes = 0;
  const std::string count_file = temp_.File("writes");
  const ChildOutcome whole = Wait(StartInChild(temp_, "whole", replace, [&] {
    testing_support::WatchSqliteWrites([count_file](int n) { std::ofstream(count_file) << n; });
  }));
  ASSERT_EQ(whole.code, 0) << ReadFile(temp_.File("whole.err"));
  std::ifstream(count_file) >> writes;
  ASSERT_GT(writes, 10);
  // What the whole run leaves: the new text, and the old where it cannot change.
  const CommandResult done = Run("search " + Quoted(db_) + " ClientID");
  const CommandResult rest = Run("search " + Quoted(db_) + " CustomerID");
  ASSERT_EQ(done.code, 0);
  ASSERT_NE(rest.out, old_hits);

  // The first writes one by one, then a spread to past the last (a run may
  // write a little more or less than the one counted).
  std::vector<int> stops = {1, 2, 3};
  constexpr int kSpread = 16;
  for (int i = 1; i <= kSpread; ++i) stops.push_back(1 + writes * i / kSpread);
  stops.push_back(2 * writes);
  int put_back = 0, completed = 0;
  for (const int stop : stops) {
    WriteFolder(App(), before);
    const ChildOutcome killed = Wait(StartInChild(temp_, "killed", replace, [stop] {
      testing_support::WatchSqliteWrites([stop](int n) {
        if (n == stop) raise(SIGKILL);
      });
    }));
    ASSERT_TRUE(killed.signal == SIGKILL || (stop > writes && killed.code == 0)) << stop;
    const CommandResult next = Run("search " + Quoted(db_) + " ClientID");
    ASSERT_NE(next.code, 2) << "stopped at write " << stop << ": " << next.err;
    EXPECT_FALSE(fs::exists(db_ + ".quillnet-undo")) << stop;
    if (next.code == 1) {
      EXPECT_EQ(ChangesSince(before), "") << "stopped at write " << stop;
      ++put_back;
    } else {
      EXPECT_EQ(next.out, done.out) << "stopped at write " << stop;
      EXPECT_EQ(Run("search " + Quoted(db_) + " CustomerID").out, rest.out) << stop;
      ++completed;
    }
  }
  // The spread reaches both ends: runs stopped before they were saved, and
  // one that was not stopped at all.
  EXPECT_GT(put_back, 0);
  EXPECT_GT(completed, 0);
}

// What a program leaves when it is killed in the middle of a transaction: the
// file with part of the transaction in it and the journal that takes it out.
void LeaveHotJournal(const std::string& db) {
  const pid_t pid = fork();
  if (pid == 0) {
    sim::jet::SqliteConnection connection(db, sim::jet::SqliteConnection::Mode::ReadWrite);
    connection.Hold();
    connection.Execute("UPDATE jet_objects SET name = name || 'Half' WHERE type = 5");
    sqlite3_db_cacheflush(connection.handle());
    raise(SIGKILL);
  }
  ASSERT_EQ(Wait(pid).signal, SIGKILL);
  ASSERT_TRUE(fs::exists(db + "-journal"));
}

TEST_F(InterruptedRunTest, AFileLeftWithAHotJournalIsTakenBackNeverCalledReadOnly) {
  const std::string before = ReadFile(db_);
  LeaveHotJournal(db_);
  ASSERT_TRUE(ReadFile(db_) != before);
  for (const std::string& command : {"list " + Quoted(db_) + " Queries",
                                    "search " + Quoted(db_) + " qryCustomerOrders",
                                    "export " + Quoted(db_) + " out"}) {
    const CommandResult r = Run(command);
    EXPECT_EQ(r.code, 0) << command << ": " << r.err;
    EXPECT_EQ(r.err, "") << command;
    EXPECT_EQ(r.out.find("Half"), std::string::npos) << command << ": " << r.out;
    EXPECT_TRUE(ReadFile(db_) == before) << command;
    EXPECT_FALSE(fs::exists(db_ + "-journal")) << command;
    if (command.starts_with("list")) LeaveHotJournal(db_);
  }
}

// A replace killed while its transaction was in the file: the copy it took
// before its first write wins, and the journal of the killed transaction is
// not played into that copy.
TEST_F(InterruptedRunTest, AKilledRunsCopyIsPutBackWithoutItsJournal) {
  const std::string before = ReadFile(db_);
  fs::copy_file(db_, temp_.File("before.mdb"));
  ASSERT_EQ(Run("replace " + Quoted(db_) + " Customers Clients --only Queries --yes --no-backup")
                .code,
            0);
  fs::copy_file(temp_.File("before.mdb"), db_ + ".quillnet-undo");
  std::ofstream(db_ + ".quillnet-run") << db_ << '\n';
  LeaveHotJournal(db_);
  const CommandResult r = Run("search " + Quoted(db_) + " qryCustomerOrders");
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.err.find("did not finish; the database was put back as it was before it"),
            std::string::npos)
      << r.err;
  EXPECT_TRUE(ReadFile(db_) == before);
  EXPECT_FALSE(fs::exists(db_ + "-journal"));
  EXPECT_FALSE(fs::exists(db_ + ".quillnet-undo"));
  EXPECT_FALSE(fs::exists(db_ + ".quillnet-run"));
}

// A file of the killed run that cannot be put back: every command on the
// database is refused, saying what to do, until it can.
TEST_F(InterruptedRunTest, AFileThatCannotBePutBackStopsEveryCommandSayingWhatToDo) {
  const std::string page = (App() / "pages" / "Customer List.htm").string();
  fs::copy_file(page, page + ".quillnet-undo");
  fs::remove(page);
  fs::create_directories(page + "/in the way");
  std::ofstream(db_ + ".quillnet-run") << db_ << '\n' << page << '\n';
  for (int attempt = 0; attempt < 2; ++attempt) {
    const CommandResult r = Run("search " + Quoted(db_) + " CustomerID");
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("A replace of " + db_ + " did not finish and " + page +
                         " cannot be put back ("),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("): copy " + page + ".quillnet-undo over it and run the command again, "
                         "or remove " + db_ + ".quillnet-run to keep every file of that run as "
                         "it is."),
              std::string::npos)
        << r.err;
    EXPECT_EQ(r.out, "");
  }
  EXPECT_FALSE(fs::exists(page + ".quillnet-undo.back"));
  fs::remove_all(page);
  EXPECT_EQ(Run("search " + Quoted(db_) + " CustomerID").code, 0);
  EXPECT_TRUE(fs::is_regular_file(page));
  EXPECT_FALSE(fs::exists(db_ + ".quillnet-run"));
}

// Two replaces and a search on one file at once. The first replace is held
// at its first write until the others have started: the second is refused at
// once naming it, and the search either waits for it and finds the whole run,
// or says plainly that a replace is running.
TEST_F(InterruptedRunTest, OfTwoReplacesAtOnceOneRunsWholeAndTheOtherIsRefused) {
  int held[2], go[2];
  ASSERT_EQ(pipe(held), 0);
  ASSERT_EQ(pipe(go), 0);
  const std::vector<std::string> replace = {"replace", db_, "CustomerID", "ClientID", "--yes"};
  const pid_t first = StartInChild(temp_, "first", replace, [&] {
    testing_support::WatchSqliteWrites([&](int n) {
      if (n != 1) return;
      char byte = 'h';
      (void)!write(held[1], &byte, 1);
      (void)!read(go[0], &byte, 1);
    });
  });
  char byte = 0;
  ASSERT_EQ(read(held[0], &byte, 1), 1);

  const CommandResult second = Run("replace " + Quoted(db_) + " CustomerID CustomerKey --yes");
  const pid_t search = StartInChild(temp_, "search", {"search", db_, "ClientID"}, [] {});
  ASSERT_EQ(write(go[1], &byte, 1), 1);
  const ChildOutcome first_outcome = Wait(first);
  const ChildOutcome search_outcome = Wait(search);
  for (int fd : {held[0], held[1], go[0], go[1]}) close(fd);

  EXPECT_EQ(first_outcome.code, 0) << ReadFile(temp_.File("first.err"));
  EXPECT_EQ(second.code, 2);
  EXPECT_NE(second.err.find("Another quillnet run is using " + db_ + " (a replace by process " +
                            std::to_string(first) + ")"),
            std::string::npos)
      << second.err;
  EXPECT_EQ(second.out, "");
  const CommandResult after = Run("search " + Quoted(db_) + " ClientID");
  EXPECT_EQ(after.code, 0);
  EXPECT_EQ(Run("search " + Quoted(db_) + " CustomerKey").code, 1);
  EXPECT_FALSE(fs::exists(db_ + ".bak.2"));
  const std::string search_err = ReadFile(temp_.File("search.err"));
  if (search_outcome.code == 2) {
    EXPECT_NE(search_err.find("(a replace by process " + std::to_string(first) +
                              "). Try again when the replace has finished."),
              std::string::npos)
        << search_err;
  } else {
    EXPECT_EQ(search_outcome.code, 0) << search_err;
    EXPECT_EQ(ReadFile(temp_.File("search.out")), after.out);
  }
}

}  // namespace interrupted_run_test
