#pragma once
// The files a replace run may write, copied aside before its first write, so
// that a run that cannot finish puts every one of them back byte for byte.

#include <string>
#include <vector>

namespace engine {

// Copies the file beside itself under the first free name of
// `file + suffix`, `file + suffix + ".2"`, ... and returns that name. The
// copy never replaces a file that is there.
std::string CopyBeside(const std::string& file, const std::string& suffix);

class RestorePoint {
 public:
  // Copies each file aside; when one cannot be copied, the copies already
  // taken are removed and the error is raised.
  explicit RestorePoint(const std::vector<std::string>& files);
  // Removes the copies still held.
  ~RestorePoint();
  RestorePoint(const RestorePoint&) = delete;
  RestorePoint& operator=(const RestorePoint&) = delete;

  // Puts every file back as it was copied, then removes its copy. Nothing may
  // hold the files open. A file that cannot be put back keeps its copy, and
  // the error names both.
  void Restore();

  // A run that was ended before it finished (killed, a power cut) leaves its
  // copy: this puts the file back from it and removes it, and says whether
  // there was one. Only while no run holds the file (see RunClaim).
  static bool RecoverUnfinished(const std::string& file);

 private:
  struct Copy {
    std::string file;
    std::string copy;
  };
  std::vector<Copy> copies_;
};

}  // namespace engine
