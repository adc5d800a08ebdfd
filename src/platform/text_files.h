#pragma once
// Text files in the encodings Windows programs write: UTF-16LE or UTF-8 with
// a byte-order mark, or the Windows code page. Inside the program the text is
// UTF-8 with its lines joined by LF; the framing remembers how the file held
// it, so that the text is written back the same way.

#include <string>

namespace platform {

struct TextFileContent {
  std::string text;
  // Opaque to the caller: handed back to Write unchanged.
  std::string framing;
};

class TextFiles {
 public:
  virtual ~TextFiles() = default;
  // Raises 53 for a file that is not there, 62 "Input past end of file" for
  // bytes that are no text.
  virtual TextFileContent Read(const std::string& path) = 0;
  // An empty framing writes the code page with CR LF line breaks. Raises 75
  // "Path/File access error" when the file cannot be written.
  virtual void Write(const std::string& path, const TextFileContent& content) = 0;
};

}  // namespace platform
