#pragma once
// The Controls collection of a form or report open in Access, of one of its
// sections, or of a control that holds others: by position from 0 or by
// name (letter case ignored). A name it does not hold, or a position past
// its end, raises 2465.

#include <cstdint>
#include <memory>
#include <vector>

#include "com/dispatch.h"

namespace sim::access {

class DesignControl;
class DocumentDesign;

class DesignControls : public com::Dispatch {
 public:
  DesignControls(std::weak_ptr<DocumentDesign> design,
                 std::vector<std::shared_ptr<DesignControl>> controls)
      : design_(std::move(design)), controls_(std::move(controls)) {}

  const com::TypeInfo& Members() const override;

  std::int32_t Count();
  com::ObjectRef Item(const com::Variant& index);

 private:
  void Require() const;

  std::weak_ptr<DocumentDesign> design_;
  std::vector<std::shared_ptr<DesignControl>> controls_;
};

}  // namespace sim::access
