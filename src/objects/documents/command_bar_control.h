#pragma once
// One control of a command bar: the Office control's members, read and
// written through it as they are, except where a member belongs to other
// kinds of control (those raise "Undefined property." here, so that a scan
// passes them by), a combo box's List (its items joined by CR LF) and the
// popup's own bar.

#include <cstdint>
#include <memory>
#include <string>

#include "com/dispatch.h"

namespace objects {

class CommandBar;
class CommandBarControls;

class CommandBarControl : public com::Dispatch {
 public:
  const com::TypeInfo& Members() const override;

  void Initialize(std::shared_ptr<CommandBarControls> parent, com::ObjectRef office_control);
  void TearDown();

  // The items of a combo box joined by CR LF; the let puts back one item
  // for each piece between CR LFs, empty ones included.
  std::string List();
  void SetList(const std::string& list);
  // The popup's own bar, made on first read; nothing for other controls.
  std::shared_ptr<CommandBar> GetCommandBar();

  // What the member tables read and write.
  com::Dispatch& Control() const;
  bool IsPopup() const { return popup_; }
  bool IsComboBox() const;
  bool OnMenuBar() const;

 private:
  std::weak_ptr<CommandBarControls> parent_;
  com::ObjectRef control_;
  bool popup_ = false;
  std::shared_ptr<CommandBar> command_bar_;
};

}  // namespace objects
