#pragma once
// A temporary file of the driver's own: made new and empty in the host's
// temporary folder, deleted when it goes out of scope, whatever happened in
// between.

#include <string>

namespace shared {

class TempFile {
 public:
  explicit TempFile(const std::string& prefix);
  ~TempFile();
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace shared
