#pragma once
// An argument passed by reference through late binding, as a VARIANT marked
// VT_BYREF is: the caller passes the cell, the method it calls writes its
// answer into it (the code editor's ProcOfLine gives a procedure's kind so).

#include <memory>

#include "com/dispatch.h"

namespace com {

class ByRef : public Dispatch {
 public:
  explicit ByRef(Variant value = {}) : value_(std::move(value)) {}
  static std::shared_ptr<ByRef> Make(Variant value = {}) {
    return std::make_shared<ByRef>(std::move(value));
  }

  const TypeInfo& Members() const override;

  const Variant& Value() const { return value_; }
  void SetValue(const Variant& value) { value_ = value; }

 private:
  Variant value_;
};

// Writes the value into the argument when the caller passed a cell; an
// argument passed by value takes nothing back, as in VB.
void SetByRef(const Variant& argument, const Variant& value);

}  // namespace com
