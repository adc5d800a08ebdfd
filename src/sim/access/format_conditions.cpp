#include "sim/access/format_conditions.h"

#include <algorithm>

#include "sim/access/members.h"

namespace sim::access {
namespace {

constexpr const char* kBlob = "ConditionalFormat";
constexpr const char* kBlob14 = "ConditionalFormat14";

template <class Node>
Node* FindBinary(Node& block, std::string_view name) {
  Node* found = block.FindProperty(name);
  return found && found->form == TextNode::Form::Binary ? found : nullptr;
}

// Where Access puts a property it adds: after the block's other properties,
// before the list of controls inside it.
void InsertProperty(TextNode& block, TextNode property) {
  auto at = std::find_if(block.children.begin(), block.children.end(),
                         [](const TextNode& child) { return child.kind == TextNode::Kind::Block; });
  block.children.insert(at, std::move(property));
  block.ForgetSource();
}

void RemoveProperty(TextNode& block, std::string_view name) {
  auto& children = block.children;
  const auto size = children.size();
  children.erase(std::remove_if(children.begin(), children.end(),
                                [&](const TextNode& child) {
                                  return child.kind == TextNode::Kind::Property &&
                                         child.name == name;
                                }),
                 children.end());
  if (children.size() != size) block.ForgetSource();
}

// A Long property of the condition, read and written.
template <class Field>
com::Member RuleProperty(std::string name, Field field, com::VarType type) {
  return com::Member{
      std::move(name), type, com::MemberKind::Property,
      [field, type](com::Dispatch& self, Args) {
        return com::CType(type, com::Variant(static_cast<FormatCondition&>(self).Rule().*field));
      },
      [field](com::Dispatch& self, const com::Variant& value) {
        static_cast<FormatCondition&>(self).Change([&](FormatRule& rule) {
          using Value = std::remove_reference_t<decltype(rule.*field)>;
          if constexpr (std::is_same_v<Value, bool>) {
            rule.*field = com::CBool(value);
          } else {
            rule.*field = com::CLng(value);
          }
        });
      },
      nullptr};
}

com::Member ReadOnly(std::string name, std::string FormatRule::*field) {
  return com::Member{std::move(name), com::VarType::String, com::MemberKind::Property,
                     [field](com::Dispatch& self, Args) {
                       return com::Variant(static_cast<FormatCondition&>(self).Rule().*field);
                     },
                     nullptr, nullptr};
}

com::Member ReadOnly(std::string name, std::int32_t FormatRule::*field) {
  return com::Member{std::move(name), com::VarType::Long, com::MemberKind::Property,
                     [field](com::Dispatch& self, Args) {
                       return com::Variant(static_cast<FormatCondition&>(self).Rule().*field);
                     },
                     nullptr, nullptr};
}

}  // namespace

FormatConditions::FormatConditions(std::string control, std::function<const TextNode&()> block,
                                   std::function<TextNode&()> edit)
    : control_(std::move(control)), block_(std::move(block)), edit_(std::move(edit)) {}

const com::TypeInfo& FormatConditions::Members() const {
  static const com::TypeInfo info =
      com::TypeBuilder<FormatConditions>("FormatConditions")
          .Get("Count", &FormatConditions::Count)
          .Method("Item", &FormatConditions::Item)
          .Custom(Method<FormatConditions>("Add", [](FormatConditions& self, Args args) {
            return com::Variant(self.Add(com::CLng(Required(args, 0)), LongArg(args, 1, 0),
                                         com::CStr(Arg(args, 2)), com::CStr(Arg(args, 3))));
          }))
          .Action("Delete", &FormatConditions::Delete)
          .Build();
  return info;
}

std::vector<FormatRule> FormatConditions::Rules() {
  const TextNode* blob = FindBinary(block_(), kBlob);
  if (!blob) return {};
  auto rules = DecodeConditionalFormat(blob->value);
  if (!rules)
    com::Raise(5, "The conditional formats of control '" + control_ +
                      "' are kept in a form Access 2000 cannot read; they are left as they are.");
  if (const TextNode* later = FindBinary(block_(), kBlob14))
    if (auto later_rules = DecodeConditionalFormat14(later->value))
      for (std::size_t i = 0; i < rules->size() && i < later_rules->size(); ++i)
        (*rules)[i].later_settings = (*later_rules)[i].later_settings;
  return *rules;
}

void FormatConditions::Write(const std::vector<FormatRule>& rules) {
  TextNode& block = edit_();
  if (rules.empty()) {
    RemoveProperty(block, kBlob);
    RemoveProperty(block, kBlob14);
  } else {
    if (TextNode* blob = FindBinary(block, kBlob)) {
      blob->SetBytes(EncodeConditionalFormat(rules));
    } else {
      InsertProperty(block, TextNode::Property(kBlob, TextNode::Form::Binary,
                                               EncodeConditionalFormat(rules)));
    }
    if (TextNode* later = FindBinary(block, kBlob14)) later->SetBytes(EncodeConditionalFormat14(rules));
  }
}

std::int32_t FormatConditions::Count() { return static_cast<std::int32_t>(Rules().size()); }

com::ObjectRef FormatConditions::Item(std::int32_t index) {
  if (index < 0 || index >= Count()) com::RaiseVb(9);
  return std::make_shared<FormatCondition>(
      std::static_pointer_cast<FormatConditions>(shared_from_this()), static_cast<std::size_t>(index));
}

com::ObjectRef FormatConditions::Add(std::int32_t type, std::int32_t op,
                                     const std::string& expression1,
                                     const std::string& expression2) {
  auto rules = Rules();
  if (rules.size() >= kMaxFormatRules)
    com::Raise(5, "A control can have at most three conditional formats.");
  FormatRule rule;
  rule.type = type;
  rule.op = op;
  rule.expression1 = expression1;
  rule.expression2 = expression2;
  rules.push_back(rule);
  Write(rules);
  return Item(static_cast<std::int32_t>(rules.size()) - 1);
}

void FormatConditions::Delete() {
  Rules();
  Write({});
}

const com::TypeInfo& FormatCondition::Members() const {
  static const com::TypeInfo info =
      com::TypeBuilder<FormatCondition>("FormatCondition")
          .Custom(ReadOnly("Type", &FormatRule::type))
          .Custom(ReadOnly("Operator", &FormatRule::op))
          .Custom(ReadOnly("Expression1", &FormatRule::expression1))
          .Custom(ReadOnly("Expression2", &FormatRule::expression2))
          .Custom(RuleProperty("BackColor", &FormatRule::back_color, com::VarType::Long))
          .Custom(RuleProperty("ForeColor", &FormatRule::fore_color, com::VarType::Long))
          .Custom(RuleProperty("Enabled", &FormatRule::enabled, com::VarType::Boolean))
          .Custom(RuleProperty("FontBold", &FormatRule::bold, com::VarType::Boolean))
          .Custom(RuleProperty("FontItalic", &FormatRule::italic, com::VarType::Boolean))
          .Custom(RuleProperty("FontUnderline", &FormatRule::underline, com::VarType::Boolean))
          .Custom(Method<FormatCondition>("Modify", [](FormatCondition& self, Args args) {
            self.Change([&](FormatRule& rule) {
              rule.type = com::CLng(Required(args, 0));
              rule.op = LongArg(args, 1, 0);
              rule.expression1 = com::CStr(Arg(args, 2));
              rule.expression2 = com::CStr(Arg(args, 3));
            });
            return com::Variant();
          }))
          .Action("Delete", &FormatCondition::Delete)
          .Build();
  return info;
}

FormatRule FormatCondition::Rule() {
  auto rules = parent_->Rules();
  if (index_ >= rules.size()) com::RaiseVb(9);
  return rules[index_];
}

void FormatCondition::Change(const std::function<void(FormatRule&)>& change) {
  auto rules = parent_->Rules();
  if (index_ >= rules.size()) com::RaiseVb(9);
  change(rules[index_]);
  parent_->Write(rules);
}

void FormatCondition::Delete() {
  auto rules = parent_->Rules();
  if (index_ >= rules.size()) com::RaiseVb(9);
  rules.erase(rules.begin() + static_cast<std::ptrdiff_t>(index_));
  parent_->Write(rules);
}

}  // namespace sim::access
