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

  // Files in the system's code page, as VB's Open and Print read and write
  // them (the HTML of a data access page): the bytes become UTF-8 and back,
  // line breaks untouched. Raises 53 for a file that is not there.
  virtual std::string ReadAnsi(const std::string& path) = 0;
  // Replaces the whole file: the text is written to a new file in the same
  // folder, which then takes the file's name, so that a failure at any
  // point leaves the file as it was. Raises 53 for a file that is not
  // there, 5 for text with a character the code page cannot hold, 61 when
  // the disk is full, 75 when the file cannot be written.
  virtual void ReplaceAnsi(const std::string& path, const std::string& text) = 0;
};

}  // namespace platform
