#pragma once
// One control of a form or report open in design view. Its properties are
// the Access control's; each exists only on the kinds of control Access
// gives it, and reading one a control does not have is the driver's
// "Undefined property." error. Renaming keeps Access's rule that names which
// differ only in characters Visual Basic maps to underscores are the same.

#include <cstdint>
#include <memory>
#include <string>

#include "com/dispatch.h"
#include "objects/documents/mirror.h"

namespace objects {

class Controls;
class FormatConditions;

class Control : public com::Dispatch, public Mirrored {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "Control";

 public:
  const com::TypeInfo& Members() const override;

  // The object type (2 form, 3 report) is accepted for the interface's sake.
  void Initialize(std::shared_ptr<Controls> parent, com::ObjectRef control,
                  std::int32_t object_type);
  void TearDown();

  std::string Name();
  void SetName(const std::string& name);
  // The type read when the control was listed.
  std::int32_t ControlType() const { return control_type_; }
  com::ObjectRef Object();
  // Created on first read; empty for a control that cannot have any.
  std::shared_ptr<FormatConditions> GetFormatConditions();

  com::Dispatch& MirrorTarget() override;

  // Cancel and Default: one command button of a form may have each.
  void SetOnlyButton(const char* property, const char* role, bool value);

 private:
  std::shared_ptr<Controls> Parent() const;

  std::weak_ptr<Controls> parent_;
  com::ObjectRef control_;
  std::int32_t control_type_ = 0;
  std::shared_ptr<FormatConditions> format_conditions_;
};

}  // namespace objects
