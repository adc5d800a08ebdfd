#pragma once
// A real Access file in this program's own database format: what DAO opens
// in its place (read-only, so that the file is never changed) and what
// `quillnet convert` writes as a working copy.

#include <memory>
#include <string>
#include <vector>

#include "jetfile/real_file_reader.h"

namespace sim::jet {
class SqliteConnection;
}

namespace jetfile {

class RealFileStore {
 public:
  // Writes the catalogue to a new database file at `store`, replacing any
  // file there. With `documents_unreadable` its document containers say,
  // when asked for their documents, that the real file's documents cannot
  // be read. Returns what could not be carried over, one sentence each.
  static std::vector<std::string> Write(const RealContents& contents, const std::string& store,
                                        bool documents_unreadable);
  // The real file, read afresh, as a read-only database connection; the
  // file in this program's format that it was written to is gone once the
  // connection closes.
  static std::unique_ptr<sim::jet::SqliteConnection> OpenReadOnly(const std::string& path);
};

}  // namespace jetfile
