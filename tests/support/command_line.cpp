#include "support/command_line.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace testing_support {

std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

CommandResult CommandLine::Run(const std::string& arguments, const std::string& input) const {
  const std::string out_file = folder_.File("out.txt"), err_file = folder_.File("err.txt");
  const std::string in_file = folder_.File("in.txt");
  std::ofstream(in_file, std::ios::binary) << input;
  const std::string command = "cd " + Quoted(folder_.path().string()) +
                              " && QUILLNET_HOME=" + Quoted(folder_.File("home")) + " " +
                              Quoted(QUILLNET_BINARY) + " " + arguments + " >" +
                              Quoted(out_file) + " 2>" + Quoted(err_file) + " <" + Quoted(in_file);
  const int status = std::system(command.c_str());
  CommandResult r;
  r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.out = ReadFile(out_file);
  r.err = ReadFile(err_file);
  return r;
}

std::string CommandLine::Sample() const {
  const CommandResult r = Run("sample app");
  EXPECT_EQ(r.code, 0) << r.err;
  return folder_.File("app/sales.mdb");
}

std::map<std::string, std::string> ReadFolder(const std::filesystem::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
    if (entry.is_regular_file())
      files[entry.path().lexically_relative(folder).generic_string()] =
          ReadFile(entry.path().string());
  return files;
}

std::string FolderChanges(const std::map<std::string, std::string>& before,
                          const std::filesystem::path& folder, const std::string& new_allowed) {
  const auto after = ReadFolder(folder);
  std::string changes;
  for (const auto& [path, bytes] : before) {
    const auto now = after.find(path);
    if (now == after.end()) changes += path + ": gone\n";
    else if (now->second != bytes) changes += path + ": changed\n";
  }
  for (const auto& [path, bytes] : after) {
    const bool allowed = !new_allowed.empty() && path.find(new_allowed) != std::string::npos;
    if (!before.contains(path) && !allowed) changes += path + ": new\n";
  }
  return changes;
}

}  // namespace testing_support
