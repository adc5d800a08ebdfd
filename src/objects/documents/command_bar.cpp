#include "objects/documents/command_bar.h"

#include "driver/project.h"
#include "objects/documents/command_bar_controls.h"
#include "platform/office.h"
#include "shared/validation.h"
#include "shared/vxhandler.h"
#include "ui/dispatcher.h"

namespace objects {
namespace {

com::ObjectRef OfficeBar(ui::Dispatcher& dispatcher, const std::string& name) {
  auto app = dispatcher.AccessApp();
  if (!app) com::RaiseVb(91);
  return com::CObj(com::CObj(app->Get("CommandBars"))->Call("Item", {com::Variant(name)}));
}

}  // namespace

const com::TypeInfo& CommandBar::Members() const {
  static const com::TypeInfo info =
      com::TypeBuilder<CommandBar>(kClass)
          .Property("AllowShowingAndHiding", &CommandBar::AllowShowingAndHiding,
                    &CommandBar::SetAllowShowingAndHiding)
          .Property("AllowCustomizing", &CommandBar::AllowCustomizing,
                    &CommandBar::SetAllowCustomizing)
          .Property("AllowMoving", &CommandBar::AllowMoving, &CommandBar::SetAllowMoving)
          .Property("AllowResizing", &CommandBar::AllowResizing, &CommandBar::SetAllowResizing)
          .Get("CommandBarType", &CommandBar::CommandBarType)
          .Get("Controls", &CommandBar::Controls)
          .Property("Docking", &CommandBar::Docking, &CommandBar::SetDocking)
          .Property("Height", &CommandBar::Height, &CommandBar::SetHeight)
          .Property("Left", &CommandBar::Left, &CommandBar::SetLeft)
          .Property("Name", &CommandBar::Name, &CommandBar::SetName)
          .Property("Position", &CommandBar::Position, &CommandBar::SetPosition)
          .Property("RowIndex", &CommandBar::RowIndex, &CommandBar::SetRowIndex)
          .Property("Top", &CommandBar::Top, &CommandBar::SetTop)
          .Property("State", &CommandBar::State, &CommandBar::SetState)
          .Property("Width", &CommandBar::Width, &CommandBar::SetWidth)
          .Build();
  return info;
}

void CommandBar::Initialize(std::shared_ptr<driver::Project> project,
                            std::shared_ptr<ui::Dispatcher> dispatcher, const std::string& name) {
  vxhandler::Guard(kClass, "Initialize", [&] {
    project_ = std::move(project);
    dispatcher_ = std::move(dispatcher);
    name_ = name;
    mode_ = driver::kModeClosed;
    type_ = com::CLng(OfficeBar(*dispatcher_, name_)->Get("Type"));
  });
}

void CommandBar::Initialize2(com::ObjectRef office_bar) {
  vxhandler::Guard(kClass, "Initialize2", [&] {
    bar_ = std::move(office_bar);
    name_ = com::CStr(bar_->Get("Name"));
    type_ = com::CLng(bar_->Get("Type"));
  });
}

void CommandBar::TearDown() {
  vxhandler::Guard(kClass, "TearDown", [&] {
    project_.reset();
    dispatcher_.reset();
  });
}

void CommandBar::Open(std::int32_t mode) {
  if (!project_ || !dispatcher_) validation::RaiseObjectNotInProperState();
  project_->CloseDatabase();
  if (mode == driver::kModeUpdate && !project_->IsLocked())
    validation::RaiseMessage("Couldn't obtain exclusive access to the database.");
  hook_.emplace();
  sounds_.emplace();
  bar_ = OfficeBar(*dispatcher_, name_);
}

void CommandBar::Close() {
  bar_.reset();
  TearDownControls();
  hook_.reset();
  sounds_.reset();
}

void CommandBar::Abandon() {
  com::IgnoreErrors([&] { Close(); });
  mode_ = driver::kModeClosed;
}

void CommandBar::DropReferences() {
  TearDownControls();
  bar_.reset();
  TearDown();
}

void CommandBar::TearDownControls() {
  if (controls_) controls_->TearDown();
  controls_.reset();
}

com::Dispatch& CommandBar::Bar() const {
  if (!bar_) com::RaiseVb(91);
  return *bar_;
}

std::int32_t CommandBar::Long(const char* member) const { return com::CLng(Bar().Get(member)); }

void CommandBar::SetLong(const char* member, std::int32_t value) {
  Bar().Let(member, com::Variant(value));
}

std::int32_t CommandBar::Protection() const { return Long("Protection"); }

bool CommandBar::ProtectionClear(std::int32_t flag) const { return (Protection() & flag) == 0; }

void CommandBar::SetProtectionFlag(std::int32_t flag, bool set) {
  const std::int32_t protection = Protection();
  SetLong("Protection", set ? protection | flag : protection & ~flag);
}

void CommandBar::RequireNotPopup() const {
  validation::RequireProperty(type_ != office::msoBarTypePopup);
}

void CommandBar::RequireToolbar() const {
  validation::RequireProperty(type_ == office::msoBarTypeNormal);
}

bool CommandBar::AllowShowingAndHiding() {
  RequireNotPopup();
  return ProtectionClear(office::msoBarNoChangeVisible);
}

void CommandBar::SetAllowShowingAndHiding(bool allow) {
  SetProtectionFlag(office::msoBarNoChangeVisible, !allow);
}

bool CommandBar::AllowCustomizing() { return ProtectionClear(office::msoBarNoCustomize); }

void CommandBar::SetAllowCustomizing(bool allow) {
  SetProtectionFlag(office::msoBarNoCustomize, !allow);
}

bool CommandBar::AllowMoving() {
  RequireNotPopup();
  return ProtectionClear(office::msoBarNoMove);
}

void CommandBar::SetAllowMoving(bool allow) { SetProtectionFlag(office::msoBarNoMove, !allow); }

bool CommandBar::AllowResizing() {
  RequireNotPopup();
  return ProtectionClear(office::msoBarNoResize);
}

void CommandBar::SetAllowResizing(bool allow) {
  SetProtectionFlag(office::msoBarNoResize, !allow);
}

std::int32_t CommandBar::CommandBarType() { return Long("Type"); }

std::shared_ptr<CommandBarControls> CommandBar::Controls() {
  return vxhandler::Guard(kClass, "Controls", [&] {
    if (!controls_) {
      com::ObjectRef office_controls;
      com::IgnoreErrors([&] { office_controls = com::CObj(Bar().Get("Controls")); });
      if (!office_controls) return controls_;
      controls_ = std::make_shared<CommandBarControls>();
      controls_->Initialize(office_controls);
    }
    return controls_;
  });
}

DockingConstants CommandBar::Docking() {
  RequireNotPopup();
  const std::int32_t protection = Protection();
  const bool no_vertical = (protection & office::msoBarNoVerticalDock) != 0;
  const bool no_horizontal = (protection & office::msoBarNoHorizontalDock) != 0;
  if ((protection & office::msoBarNoChangeDock) != 0 || (no_vertical && no_horizontal))
    return msoDockingCantChange;
  if (no_horizontal) return msoDockingNoHorizontal;
  if (no_vertical) return msoDockingNoVertical;
  return msoDockingAllowAny;
}

void CommandBar::SetDocking(DockingConstants docking) {
  std::int32_t flag = 0;
  switch (docking) {
    case msoDockingAllowAny: break;
    case msoDockingCantChange: flag = office::msoBarNoChangeDock; break;
    case msoDockingNoVertical: flag = office::msoBarNoVerticalDock; break;
    case msoDockingNoHorizontal: flag = office::msoBarNoHorizontalDock; break;
    default: validation::RaiseInvalidArgument("Docking", com::Variant(std::int32_t{docking}));
  }
  constexpr std::int32_t kDockingFlags =
      office::msoBarNoChangeDock | office::msoBarNoVerticalDock | office::msoBarNoHorizontalDock;
  SetLong("Protection", (Protection() & ~kDockingFlags) | flag);
}

std::int32_t CommandBar::Height() {
  RequireToolbar();
  return Long("Height");
}

void CommandBar::SetHeight(std::int32_t height) { SetLong("Height", height); }

std::int32_t CommandBar::Left() {
  RequireToolbar();
  return Long("Left");
}

void CommandBar::SetLeft(std::int32_t left) { SetLong("Left", left); }

void CommandBar::SetName(const std::string& name) {
  vxhandler::Guard(kClass, "Name", [&] {
    Bar().Let("Name", com::Variant(name));
    name_ = name;
  });
}

std::int32_t CommandBar::Position() { return Long("Position"); }

void CommandBar::SetPosition(std::int32_t position) { SetLong("Position", position); }

std::int32_t CommandBar::RowIndex() { return Long("RowIndex"); }

void CommandBar::SetRowIndex(std::int32_t row_index) { SetLong("RowIndex", row_index); }

std::int32_t CommandBar::Top() {
  RequireToolbar();
  return Long("Top");
}

void CommandBar::SetTop(std::int32_t top) { SetLong("Top", top); }

CommandBarStateConstants CommandBar::State() {
  if (!com::CBool(Bar().Get("Enabled"))) return msoStateDisabled;
  return com::CBool(Bar().Get("Visible")) ? msoStateVisible : msoStateEnabled;
}

void CommandBar::SetState(CommandBarStateConstants state) {
  switch (state) {
    case msoStateDisabled: Bar().Let("Enabled", com::Variant(false)); break;
    case msoStateEnabled:
    case msoStateVisible:
      Bar().Let("Enabled", com::Variant(true));
      Bar().Let("Visible", com::Variant(state == msoStateVisible));
      break;
    default: validation::RaiseInvalidArgument("State", com::Variant(std::int32_t{state}));
  }
}

std::int32_t CommandBar::Width() {
  RequireToolbar();
  return Long("Width");
}

void CommandBar::SetWidth(std::int32_t width) { SetLong("Width", width); }

}  // namespace objects
