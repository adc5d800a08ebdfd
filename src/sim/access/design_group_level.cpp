#include "sim/access/design_group_level.h"

#include "sim/access/document_design.h"

namespace sim::access {

DesignGroupLevel::DesignGroupLevel(std::weak_ptr<DocumentDesign> design, TextNode* block)
    : DesignElement(block, GroupLevelProperties()), design_(std::move(design)) {}

const com::TypeInfo& DesignGroupLevel::Members() const {
  static const com::TypeInfo info =
      DesignTypeInfo(com::TypeBuilder<DesignGroupLevel>("GroupLevel"), GroupLevelProperties());
  return info;
}

std::shared_ptr<DocumentDesign> DesignGroupLevel::Design() const {
  return DocumentDesign::Require(design_);
}

}  // namespace sim::access
