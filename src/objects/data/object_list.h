#pragma once
// The two texts the collections hand the host. The object list has one line
// per object with seven tab-separated fields (name, type code, change stamp,
// read flag, write flag, two class flags); the command list one line per
// command with four (caption, number, "True"/"False", help text). Lines are
// joined by CR LF, with nothing before the first or after the last.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace objects {

class ObjectList {
 public:
  // A name holding a tab or a line break cannot be listed: the object is
  // left out and reported to the problem log instead of breaking the list.
  void Add(const std::string& name, std::int32_t type_code, const std::string& stamp, bool read,
           bool write, bool flag6, bool flag7);
  // Lists one object: an object whose line cannot be made (a damaged
  // definition, a date Access cannot hold) is left out and reported to the
  // problem log under the collection, and the rest of the list goes on.
  void Each(const std::string& collection, const std::string& name,
            const std::function<void()>& add_line);
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
