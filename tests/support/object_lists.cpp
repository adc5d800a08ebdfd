#include "support/object_lists.h"

#include <gtest/gtest.h>

namespace testing_support {

std::map<std::string, std::vector<std::string>> ParseObjectList(const std::string& text) {
  std::map<std::string, std::vector<std::string>> objects;
  if (text.empty()) return objects;
  for (const std::string& line : com::Split(text, "\r\n")) {
    auto fields = com::Split(line, "\t");
    EXPECT_EQ(fields.size(), 7u) << line;
    EXPECT_EQ(line.find('\n'), std::string::npos);
    objects[fields[0]] = fields;
  }
  return objects;
}

}  // namespace testing_support
