#pragma once
// Text files as the simulated machine reads and writes them: the encodings
// and line breaks of SaveAsText files, converted where Access converts them.
// A test can make the disk fill up, so that a write fails part way.

#include <cstddef>
#include <optional>

#include "platform/text_files.h"

namespace sim {

class TextFiles : public platform::TextFiles {
 public:
  platform::TextFileContent Read(const std::string& path) override;
  void Write(const std::string& path, const platform::TextFileContent& content) override;
  std::string ReadAnsi(const std::string& path) override;
  void ReplaceAnsi(const std::string& path, const std::string& text) override;

  // From now on the disk takes only that many more bytes of files written
  // here; nothing resets it.
  void FillDiskAfter(std::size_t bytes) { space_left_ = bytes; }

 private:
  // Writes the bytes into a new file beside `path` and gives it the name.
  void ReplaceWith(const std::string& path, const std::string& bytes);

  std::optional<std::size_t> space_left_;
};

}  // namespace sim
