#pragma once
// Text files as the simulated machine reads and writes them: the encodings
// and line breaks of SaveAsText files, converted where Access converts them.

#include "platform/text_files.h"

namespace sim {

class TextFiles : public platform::TextFiles {
 public:
  platform::TextFileContent Read(const std::string& path) override;
  void Write(const std::string& path, const platform::TextFileContent& content) override;
};

}  // namespace sim
