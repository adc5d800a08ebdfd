#pragma once
// The writes SQLite makes to the disk in this process, watched one by one: a
// test can stop the process at any of them (with SIGKILL, as a kill -9 or a
// power cut stops it) or hold it there. For forked children: it changes
// SQLite's default file system for the rest of the process.

#include <functional>

namespace testing_support {

// From now on `before_write` is called with the number (1, 2, ...) of each
// write SQLite is about to make to any file: a write, a truncation, a sync,
// or the deletion of a journal.
void WatchSqliteWrites(std::function<void(int)> before_write);

}  // namespace testing_support
