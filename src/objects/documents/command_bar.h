#pragma once
// One custom command bar of the running Access, or the bar of a popup
// control. A bar is not opened or saved: scan and update mode only take the
// Office bar from Access (update mode needs the database held exclusively)
// and keep Access's pop-ups and message-box sounds quiet meanwhile; every
// change takes effect in Access as it is written.
//
// Docking, the Allow... flags and State are read and written through the
// bar's Protection flags and its Enabled and Visible.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "objects/data/object_base.h"
#include "shared/no_popups_hook.h"
#include "shared/silent_message_boxes.h"

namespace ui {
class Dispatcher;
}

namespace objects {

class CommandBarControls;

enum DockingConstants : std::int32_t {
  msoDockingAllowAny = 0,
  msoDockingCantChange = 1,
  msoDockingNoVertical = 2,
  msoDockingNoHorizontal = 3,
};

enum CommandBarStateConstants : std::int32_t {
  msoStateDisabled = 0,
  msoStateEnabled = 1,
  msoStateVisible = 2,
};

class CommandBar : public ObjectBase {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "CommandBar";

 public:
  CommandBar() : ObjectBase("CommandBars") {}
  const com::TypeInfo& Members() const override;

  // A bar of the running Access by name; its type is read at once.
  void Initialize(std::shared_ptr<driver::Project> project,
                  std::shared_ptr<ui::Dispatcher> dispatcher, const std::string& name);
  // A bar already at hand (a popup control's own bar).
  void Initialize2(com::ObjectRef office_bar);
  void TearDown();

  bool AllowShowingAndHiding();
  void SetAllowShowingAndHiding(bool allow);
  bool AllowCustomizing();
  void SetAllowCustomizing(bool allow);
  bool AllowMoving();
  void SetAllowMoving(bool allow);
  bool AllowResizing();
  void SetAllowResizing(bool allow);
  std::int32_t CommandBarType();
  std::shared_ptr<CommandBarControls> Controls();
  DockingConstants Docking();
  void SetDocking(DockingConstants docking);
  std::int32_t Height();
  void SetHeight(std::int32_t height);
  std::int32_t Left();
  void SetLeft(std::int32_t left);
  std::string Name() const { return name_; }
  void SetName(const std::string& name);
  std::int32_t Position();
  void SetPosition(std::int32_t position);
  std::int32_t RowIndex();
  void SetRowIndex(std::int32_t row_index);
  std::int32_t Top();
  void SetTop(std::int32_t top);
  CommandBarStateConstants State();
  void SetState(CommandBarStateConstants state);
  std::int32_t Width();
  void SetWidth(std::int32_t width);

 protected:
  void Open(std::int32_t mode) override;
  void Close() override;
  void Abandon() override;
  void DropReferences() override;

 private:
  com::Dispatch& Bar() const;
  std::int32_t Protection() const;
  bool ProtectionClear(std::int32_t flag) const;
  void SetProtectionFlag(std::int32_t flag, bool set);
  // "Undefined property." for a popup bar, or unless the bar is a toolbar.
  void RequireNotPopup() const;
  void RequireToolbar() const;
  std::int32_t Long(const char* member) const;
  void SetLong(const char* member, std::int32_t value);
  void TearDownControls();

  std::shared_ptr<driver::Project> project_;
  std::shared_ptr<ui::Dispatcher> dispatcher_;
  std::int32_t type_ = 0;
  com::ObjectRef bar_;
  std::shared_ptr<CommandBarControls> controls_;
  std::optional<shared::NoPopupsHook> hook_;
  std::optional<shared::SilentMessageBoxes> sounds_;
};

}  // namespace objects
