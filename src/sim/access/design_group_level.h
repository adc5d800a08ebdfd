#pragma once
// One sorting and grouping level of a report open in Access: a `Begin
// BreakLevel` block of the report's text, the n-th of them being
// GroupLevel(n). Its header and footer are the report's sections that name
// the level; whether it has them is set in the Sorting and Grouping box,
// not through these properties.

#include <cstdint>
#include <memory>

#include "sim/access/design_element.h"

namespace sim::access {

class DesignGroupLevel : public DesignElement {
 public:
  DesignGroupLevel(std::weak_ptr<DocumentDesign> design, TextNode* block);

  const com::TypeInfo& Members() const override;
  std::shared_ptr<DocumentDesign> Design() const override;

 private:
  std::weak_ptr<DocumentDesign> design_;
};

}  // namespace sim::access
