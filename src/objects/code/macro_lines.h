#pragma once
// The lines of one macro, in the order of the macro text. Item takes a
// 0-based position, as the host walks every sub-collection, or the line's
// key: the number of the line's "End" among the macro text's logical lines.

#include <memory>
#include <string>

#include "objects/code/macro_line.h"
#include "objects/data/sub_collection.h"

namespace objects {

class MacroLines : public SubCollection<MacroLine> {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "MacroLines";

 public:
  const com::TypeInfo& Members() const override;

  void Add(std::shared_ptr<MacroLine> line, const std::string& key);
};

}  // namespace objects
