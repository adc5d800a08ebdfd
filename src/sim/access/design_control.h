#pragma once
// A control of a form or report open in Access: a `Begin Label`,
// `Begin TextBox`, ... block of the text. Each kind of control is a class of
// its own in Access's type library, with the properties that kind has; a
// property the kind lacks is not found, so reading or setting it raises 438
// "Object doesn't support this property or method".
//
// Parent is the control that holds it (an attached label's text box, an
// option button's option group, a page's tab control, a control's page) or
// else the form. Controls lists the controls it holds, on the kinds that can
// hold some: an attached label is Controls(0) of its control.
//
// Renaming to a name that another control or a section of the document has,
// or one that Visual Basic maps to the same event procedure prefix, raises
// 2104. The event procedures keep their names: renaming in the designer
// does not touch the module, as in Access.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "sim/access/design_element.h"

namespace sim::access {

class DesignControl : public DesignElement {
 public:
  DesignControl(std::weak_ptr<DocumentDesign> design, TextNode* block, std::int32_t control_type,
                std::weak_ptr<DesignControl> parent, std::int32_t section,
                const TextNode* defaults);

  const com::TypeInfo& Members() const override;
  std::shared_ptr<DocumentDesign> Design() const override;

  std::string Name();
  // 2091 for an empty name, 2104 for one in use.
  void SetName(const std::string& name);
  std::uint8_t ControlType();
  std::string EventProcPrefix();
  com::ObjectRef Parent();
  com::ObjectRef Controls();
  std::int16_t Section();
  // A custom control's ActiveX object. The simulated machine runs no
  // ActiveX controls, so there is none: 2683, as Access says of a control
  // whose object it cannot create.
  com::ObjectRef Object();
  // A text box's or combo box's conditional formats.
  com::ObjectRef FormatConditions();

  void AddChild(std::weak_ptr<DesignControl> child) { children_.push_back(std::move(child)); }
  std::int32_t SectionNumber() const { return section_; }
  // The name, without asking whether the document is still open.
  std::string StoredName() const;

 protected:
  const TextNode* Defaults() const override { return defaults_; }

 private:
  std::weak_ptr<DocumentDesign> design_;
  std::int32_t type_;
  const com::TypeInfo& members_;
  std::weak_ptr<DesignControl> parent_;
  std::vector<std::weak_ptr<DesignControl>> children_;
  std::int32_t section_;
  const TextNode* defaults_;
};

// The prefix of a control's event procedures (`First_Name_Click`): its name
// with every character that Visual Basic cannot use in a name (anything but
// a letter, a digit or "_") made "_". Letters beyond ASCII are those of
// the code page and stay as they are.
std::string EventProcPrefixOf(std::string_view name);

}  // namespace sim::access
