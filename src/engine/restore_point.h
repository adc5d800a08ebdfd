#pragma once
// The files a replace run may write, copied aside before its first write, so
// that a run that cannot finish puts every one of them back byte for byte,
// and the record of the run beside each database, so that the next command
// does the same for a run that was stopped (killed, a power cut).

#include <string>
#include <vector>

namespace engine {

// Copies the file beside itself under the first free name of
// `file + suffix`, `file + suffix + ".2"`, ... and returns that name. The
// copy never replaces a file that is there.
std::string CopyBeside(const std::string& file, const std::string& suffix);

class RestorePoint {
 public:
  // Records the run beside each database (every file it may write, the
  // databases and the other files), then copies each of them aside. When one
  // cannot be copied, the records and the copies already taken are removed
  // and the error is raised.
  RestorePoint(const std::vector<std::string>& databases,
               const std::vector<std::string>& other_files);
  // Leaves the records and copies of a run that neither finished nor was put
  // back (an error broke it off) for the next command to put back.
  ~RestorePoint() = default;
  RestorePoint(const RestorePoint&) = delete;
  RestorePoint& operator=(const RestorePoint&) = delete;

  // The run is kept: its records are removed, then its copies.
  void Finish();

  // Puts every file back as it was copied, then removes the records and the
  // copies. Nothing may hold the files open. When a file cannot be put back,
  // every record and copy is kept, and the error names the file and its copy.
  void Restore();

  // A run that was ended before it finished leaves its record beside the
  // database: this puts back every file the record names from its copy,
  // removes the record and the copies, and says whether there was one.
  // Only while no run holds the file (see RunClaim).
  static bool RecoverUnfinished(const std::string& database);

 private:
  struct Copy {
    std::string file;
    std::string copy;
  };
  void Remove();

  std::vector<std::string> records_;
  std::vector<Copy> copies_;
};

}  // namespace engine
