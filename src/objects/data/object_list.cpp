#include "objects/data/object_list.h"

namespace objects {

void ObjectList::Add(const std::string& name, std::int32_t type_code, const std::string& stamp,
                     bool read, bool write, bool flag6, bool flag7) {
  auto flag = [](bool b) { return b ? "1" : "0"; };
  if (!text_.empty()) text_ += "\r\n";
  text_ += name + "\t" + std::to_string(type_code) + "\t" + stamp + "\t" + flag(read) + "\t" +
           flag(write) + "\t" + flag(flag6) + "\t" + flag(flag7);
}

std::string CommandListText(const std::vector<Command>& commands) {
  std::string text;
  for (const Command& c : commands) {
    if (!text.empty()) text += "\r\n";
    text += c.caption + "\t" + std::to_string(c.number) + "\t" + (c.flag ? "True" : "False") +
            "\t" + c.help;
  }
  return text;
}

}  // namespace objects
