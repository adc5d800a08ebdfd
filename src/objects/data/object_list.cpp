#include "objects/data/object_list.h"

#include "shared/validation.h"
#include "shared/vxhandler.h"

namespace objects {
namespace {

void ReportUnlisted(const std::string& module, const std::string& name, const std::string& why) {
  vxhandler::LogRuntimeError(validation::kMessage,
                             "The object '" + name + "' is left out of the list: " + why, "", 0,
                             "tovrin", module, "ICollection_EnumObjects", 0);
}

}  // namespace

void ObjectList::Add(const std::string& name, std::int32_t type_code, const std::string& stamp,
                     bool read, bool write, bool flag6, bool flag7) {
  if (name.find_first_of("\t\r\n") != std::string::npos) {
    ReportUnlisted("ObjectList", name, "its name holds a tab or a line break.");
    return;
  }
  auto flag = [](bool b) { return b ? "1" : "0"; };
  if (!text_.empty()) text_ += "\r\n";
  text_ += name + "\t" + std::to_string(type_code) + "\t" + stamp + "\t" + flag(read) + "\t" +
           flag(write) + "\t" + flag(flag6) + "\t" + flag(flag7);
}

void ObjectList::Each(const std::string& collection, const std::string& name,
                      const std::function<void()>& add_line) {
  if (auto error = com::Capture(add_line)) ReportUnlisted(collection, name, error->Description());
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
