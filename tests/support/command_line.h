#pragma once
// The quillnet command run as a user runs it: the built program in a shell,
// working in a test's folder, with its state ($QUILLNET_HOME) in that folder.

#include <filesystem>
#include <map>
#include <string>

#include "support/temp_dir.h"

namespace testing_support {

struct CommandResult {
  int code = -1;
  std::string out;
  std::string err;
};

class CommandLine {
 public:
  explicit CommandLine(const TempDir& folder) : folder_(folder) {}

  // `arguments` is shell text: quote what needs it (Quoted).
  CommandResult Run(const std::string& arguments, const std::string& input = "") const;
  // Writes the sample application into the folder's `app` and returns its
  // front-end database.
  std::string Sample() const;

 private:
  const TempDir& folder_;
};

// The text as one shell word, whatever it holds.
std::string Quoted(const std::string& text);
std::string ReadFile(const std::string& path);
// Every file below a folder, by its path from the folder ('/' between parts).
std::map<std::string, std::string> ReadFolder(const std::filesystem::path& folder);
// The files of a folder that changed since `before` (a ReadFolder of it),
// appeared or went away, one "path: what" a line; empty when every file is
// as it was. Files that appeared with `new_allowed` in their name are let be.
std::string FolderChanges(const std::map<std::string, std::string>& before,
                          const std::filesystem::path& folder,
                          const std::string& new_allowed = "");

}  // namespace testing_support
