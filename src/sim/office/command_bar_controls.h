#pragma once
// The controls of a command bar (Office's CommandBarControls), by position
// from 1; 5 for a position the bar does not have.

#include "com/dispatch.h"
#include "sim/office/bar_handle.h"

namespace sim::office {

class CommandBarControls : public com::Dispatch {
 public:
  explicit CommandBarControls(BarHandle bar) : bar_(std::move(bar)) {}

  const com::TypeInfo& Members() const override;

  std::int32_t Count();
  com::ObjectRef Item(const com::Variant& index);

 private:
  BarHandle bar_;
};

}  // namespace sim::office
