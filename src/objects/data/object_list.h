#pragma once
// The two texts the collections hand the host. The object list has one line
// per object with seven tab-separated fields (name, type code, change stamp,
// read flag, write flag, two class flags); the command list one line per
// command with four (caption, number, "True"/"False", help text). Lines are
// joined by CR LF, with nothing before the first or after the last.

#include <cstdint>
#include <string>
#include <vector>

namespace objects {

class ObjectList {
 public:
  void Add(const std::string& name, std::int32_t type_code, const std::string& stamp, bool read,
           bool write, bool flag6, bool flag7);
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

struct Command {
  std::string caption;
  std::int32_t number;
  bool flag;
  std::string help;
};

std::string CommandListText(const std::vector<Command>& commands);

}  // namespace objects
