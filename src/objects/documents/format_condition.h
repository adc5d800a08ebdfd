#pragma once
// One conditional format of a text box or combo box: a type, a comparison
// operator, two expressions and the format to apply. Access changes the
// type, the operator and the expressions together (Modify), so writing one
// of them writes the other three as they are.

#include <cstdint>
#include <string>

#include "com/dispatch.h"
#include "objects/documents/mirror.h"

namespace objects {

class FormatCondition : public com::Dispatch, public Mirrored {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "FormatCondition";

 public:
  const com::TypeInfo& Members() const override;

  void Initialize(com::ObjectRef condition);
  void TearDown();

  void SetExpression1(const std::string& expression);
  void SetExpression2(const std::string& expression);
  // Access's own operator value (acBetween 0 ... acLessThanOrEqual 7): the
  // interface's Yes/No would lose which comparison a condition makes.
  std::int32_t Operator();
  void SetOperator(std::int32_t op);
  std::int32_t ConditionType();
  void SetConditionType(std::int32_t type);

  com::Dispatch& MirrorTarget() override;

 private:
  struct Definition {
    com::Variant type;
    com::Variant op;
    com::Variant expression1;
    com::Variant expression2;
  };
  Definition Current();
  void Modify(const Definition& definition);

  com::ObjectRef condition_;
};

}  // namespace objects
