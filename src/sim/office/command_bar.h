#pragma once
// One command bar of an Access session (Office's CommandBar): its Office
// members (Name, Type, BuiltIn, Protection, Enabled, Visible, Position,
// RowIndex, Left, Top, Width, Height) and its Controls. A change takes
// effect as it is written and is kept in the database file.

#include "com/dispatch.h"
#include "sim/office/bar_handle.h"
#include "sim/office/bar_text.h"

namespace sim::office {

class CommandBar : public com::Dispatch {
 public:
  explicit CommandBar(BarHandle bar) : bar_(std::move(bar)) {}

  const com::TypeInfo& Members() const override;

  com::Variant Read(const BarMember& member) const;
  void Write(const BarMember& member, const com::Variant& value);
  com::ObjectRef Controls();

 private:
  BarHandle bar_;
};

}  // namespace sim::office
