#pragma once
// The quillnet command: runs one sub-command and gives its exit code
// (0 found or replaced, 1 nothing found, 2 bad usage or bad input, 3 some
// replacements refused or failed, or some text could not be searched).

#include <iostream>
#include <string>
#include <vector>

namespace cli {

struct Console {
  std::ostream& out;
  std::ostream& err;
  std::istream& in;
  bool in_is_terminal = false;
  bool err_is_terminal = false;
  bool out_is_terminal = false;
};

int Run(const std::vector<std::string>& args, Console& console);

}  // namespace cli
