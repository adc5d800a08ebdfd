#pragma once
// The controls of a command bar, keyed by their position in the bar as
// Office counts it ("1" for the first); Item takes that key or a position
// from 0.

#include "objects/data/sub_collection.h"
#include "objects/documents/command_bar_control.h"

namespace objects {

class CommandBarControls : public SubCollection<CommandBarControl> {
 public:
  const com::TypeInfo& Members() const override;
  // One CommandBarControl for each Office control of the bar.
  void Initialize(com::ObjectRef office_controls);
};

}  // namespace objects
