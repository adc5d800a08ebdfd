#pragma once
// One control of a command bar (Office's CommandBarControl and the
// interfaces of its kinds): the members every control has and the bar it is
// on (Parent), a button's (FaceId, ShortcutText, State, Style, ...), a combo
// box's (Text, List(i) from 1, ListCount, Clear, AddItem, ...) and a
// popup's (CommandBar, Controls, OLEMenuGroup). A member the control's kind
// lacks raises 438, as late binding to the real object does. A change is
// kept in the database file at once.

#include <cstdint>

#include "com/dispatch.h"
#include "sim/office/bar_handle.h"
#include "sim/office/bar_text.h"

namespace sim::office {

class CommandBarControl : public com::Dispatch {
 public:
  CommandBarControl(BarHandle bar, std::size_t position) : bar_(std::move(bar)), position_(position) {}

  const com::TypeInfo& Members() const override;

  com::Variant Read(const BarMember& member) const;
  void Write(const BarMember& member, const com::Variant& value);
  std::string List(std::int32_t index) const;
  std::int32_t ListCount() const;
  void Clear();
  // Adds the text at the end, or before the item at a position from 1.
  void AddItem(const std::string& text, const com::Variant& index);
  com::ObjectRef CommandBar() const;
  com::ObjectRef Controls() const;
  // The bar the control is on.
  com::ObjectRef Parent() const;

 private:
  nlohmann::json Node() const;
  // 438 unless the control is of one of the kinds.
  void Require(unsigned kinds) const;
  void Update(const std::function<void(nlohmann::json&)>& change);

  BarHandle bar_;
  std::size_t position_;
};

}  // namespace sim::office
