#include "objects/code/macro_lines.h"

namespace objects {

const com::TypeInfo& MacroLines::Members() const {
  static const com::TypeInfo info = Builder<MacroLines>(kClass).Build();
  return info;
}

void MacroLines::Add(std::shared_ptr<MacroLine> line, const std::string& key) {
  vxhandler::Guard(kClass, "Add", [&] { list_.Add(std::move(line), key); });
}

}  // namespace objects
