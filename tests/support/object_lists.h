#pragma once
// Reading the object lists the collections return.

#include <map>
#include <string>
#include <vector>

#include "com/text.h"

namespace testing_support {

// Object name -> its seven fields. Fails the test on a malformed line.
std::map<std::string, std::vector<std::string>> ParseObjectList(const std::string& text);

}  // namespace testing_support
