#include "objects/documents/format_condition.h"

#include "shared/vxhandler.h"

namespace objects {

using com::VarType;

const com::TypeInfo& FormatCondition::Members() const {
  static const com::TypeInfo info = [] {
    std::vector<com::Member> members = MirrorMembers<FormatCondition>({{"BackColor", VarType::Long},
                                                      {"Enabled", VarType::Boolean},
                                                      {"Expression1", VarType::String},
                                                      {"Expression2", VarType::String},
                                                      {"FontBold", VarType::Boolean},
                                                      {"FontItalic", VarType::Boolean},
                                                      {"FontUnderline", VarType::Boolean},
                                                      {"ForeColor", VarType::Long}});
    FindMember(members, "Expression1").let = [](com::Dispatch& object, const com::Variant& value) {
      static_cast<FormatCondition&>(object).SetExpression1(com::CStr(value));
    };
    FindMember(members, "Expression2").let = [](com::Dispatch& object, const com::Variant& value) {
      static_cast<FormatCondition&>(object).SetExpression2(com::CStr(value));
    };
    com::TypeBuilder<FormatCondition> builder(kClass);
    for (com::Member& member : members) builder.Custom(std::move(member));
    builder.Property("Operator", &FormatCondition::Operator, &FormatCondition::SetOperator)
        .Property("ConditionType", &FormatCondition::ConditionType,
                  &FormatCondition::SetConditionType);
    return builder.Build();
  }();
  return info;
}

void FormatCondition::Initialize(com::ObjectRef condition) {
  vxhandler::Guard(kClass, "Initialize", [&] { condition_ = std::move(condition); });
}

void FormatCondition::TearDown() {
  vxhandler::Guard(kClass, "TearDown", [&] { condition_.reset(); });
}

com::Dispatch& FormatCondition::MirrorTarget() {
  if (!condition_) com::RaiseVb(91);
  return *condition_;
}

FormatCondition::Definition FormatCondition::Current() {
  auto& condition = MirrorTarget();
  return {condition.Get("Type"), condition.Get("Operator"), condition.Get("Expression1"),
          condition.Get("Expression2")};
}

void FormatCondition::Modify(const Definition& definition) {
  MirrorTarget().Call("Modify", {definition.type, definition.op, definition.expression1,
                                 definition.expression2});
}

void FormatCondition::SetExpression1(const std::string& expression) {
  Definition definition = Current();
  definition.expression1 = com::Variant(expression);
  Modify(definition);
}

void FormatCondition::SetExpression2(const std::string& expression) {
  Definition definition = Current();
  definition.expression2 = com::Variant(expression);
  Modify(definition);
}

std::int32_t FormatCondition::Operator() { return com::CLng(MirrorTarget().Get("Operator")); }

void FormatCondition::SetOperator(std::int32_t op) {
  Definition definition = Current();
  definition.op = com::Variant(op);
  Modify(definition);
}

std::int32_t FormatCondition::ConditionType() { return com::CLng(MirrorTarget().Get("Type")); }

void FormatCondition::SetConditionType(std::int32_t type) {
  Definition definition = Current();
  definition.type = com::Variant(type);
  Modify(definition);
}

}  // namespace objects
