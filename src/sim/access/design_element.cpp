#include "sim/access/design_element.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <utility>

#include "sim/access/access_errors.h"
#include "sim/access/document_design.h"

namespace sim::access {
namespace {

com::VarType VarTypeOf(DesignType type) {
  switch (type) {
    case DesignType::String: return com::VarType::String;
    case DesignType::Boolean: return com::VarType::Boolean;
    case DesignType::Byte: return com::VarType::Byte;
    case DesignType::Integer: return com::VarType::Integer;
    case DesignType::Long: break;
  }
  return com::VarType::Long;
}

com::Variant Typed(DesignType type, const com::Variant& value) {
  switch (type) {
    case DesignType::String: return com::Variant(com::CStr(value));
    case DesignType::Boolean: return com::Variant(com::CBool(value));
    case DesignType::Byte: return com::Variant(com::CByte(value));
    case DesignType::Integer: return com::Variant(com::CInt(value));
    case DesignType::Long: break;
  }
  return com::Variant(com::CLng(value));
}

// A whole number as SaveAsText writes most, read without VB's general
// conversion when it fits the type; anything else goes through that.
com::Variant NumberOf(DesignType type, const std::string& text) {
  std::int64_t number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size())
    return Typed(type, com::Variant(text));
  switch (type) {
    case DesignType::Byte:
      if (std::in_range<std::uint8_t>(number)) return com::Variant(static_cast<std::uint8_t>(number));
      break;
    case DesignType::Integer:
      if (std::in_range<std::int16_t>(number)) return com::Variant(static_cast<std::int16_t>(number));
      break;
    default:
      if (std::in_range<std::int32_t>(number)) return com::Variant(static_cast<std::int32_t>(number));
  }
  return Typed(type, com::Variant(text));
}

// A line's value in the property's type. `= NotDefault` is the opposite of
// Access's own default; a Yes/No property written as a number is True
// unless 0.
com::Variant FromLine(const DesignProperty& property, const TextNode& line) {
  switch (property.type) {
    case DesignType::Boolean:
      if (line.form == TextNode::Form::NotDefault) return com::Variant(!com::CBool(property.fallback));
      return com::Variant(line.value != "0");
    case DesignType::String: return com::Variant(line.value);
    default: return NumberOf(property.type, line.value);
  }
}

void RequireSetting(const DesignProperty& property, const com::Variant& value) {
  if (property.largest < 0) return;
  const std::int32_t number = com::CLng(value);
  if (number > property.largest || number == property.gap) RaiseAccess(kInvalidSetting);
}

bool IsPlainLine(const TextNode& node) {
  return node.kind == TextNode::Kind::Property && node.form != TextNode::Form::Binary &&
         node.form != TextNode::Form::NotDefault;
}

// Where Access puts a new line in the block: a `= NotDefault` line after
// the block's first run of them; any other after the last plain property
// line before the block's first list, binary data or blank line.
std::size_t InsertionPoint(const TextNode& block, TextNode::Form form) {
  const auto& children = block.children;
  std::size_t at = 0;
  if (form == TextNode::Form::NotDefault) {
    while (at < children.size() && children[at].kind == TextNode::Kind::Property &&
           children[at].form == TextNode::Form::NotDefault)
      ++at;
    return at;
  }
  std::size_t after = 0;
  for (; at < children.size(); ++at) {
    if (children[at].kind != TextNode::Kind::Property) break;
    if (IsPlainLine(children[at]) || children[at].form == TextNode::Form::NotDefault) after = at + 1;
    if (children[at].form == TextNode::Form::Binary) break;
  }
  return after;
}

void RemoveLine(TextNode& block, const std::string& name) {
  auto& children = block.children;
  const auto found = std::find_if(children.begin(), children.end(), [&](const TextNode& node) {
    return node.kind == TextNode::Kind::Property && node.name == name;
  });
  if (found != children.end()) children.erase(found);
}

// Sets the line, or adds it where Access would.
void PutLine(TextNode& block, const std::string& name, TextNode::Form form,
             const std::string& value) {
  TextNode* line = block.FindProperty(name);
  if (!line) {
    const auto at = block.children.begin() + static_cast<std::ptrdiff_t>(InsertionPoint(block, form));
    block.children.insert(at, TextNode::Property(name, form, value));
    return;
  }
  if (form == TextNode::Form::String) return line->SetString(value);
  if (form == TextNode::Form::Number) line->SetNumber(value);
}

void WriteBoolean(TextNode& block, const DesignProperty& property, bool value) {
  const TextNode* line = block.FindProperty(property.name);
  if (line && line->form == TextNode::Form::Number)
    return PutLine(block, property.name, TextNode::Form::Number, value ? "-1" : "0");
  if (value == com::CBool(property.fallback)) return RemoveLine(block, property.name);
  PutLine(block, property.name, TextNode::Form::NotDefault, "");
}

}  // namespace

com::Variant DesignElement::Value(const DesignProperty& property) {
  const auto design = Design();
  if (property.report_only && !design->IsReport())
    RaiseAccess(kInvalidPropertyReference, property.name);
  if (const TextNode* line = block_->FindProperty(property.name)) return FromLine(property, *line);
  return DefaultOf(property, design->IsReport());
}

void DesignElement::SetValue(const DesignProperty& property, const com::Variant& value) {
  const auto design = Design();
  if (property.report_only && !design->IsReport())
    RaiseAccess(kInvalidPropertyReference, property.name);
  if (property.read_only) RaiseAccess(kReadOnlyProperty);
  const com::Variant typed = Typed(property.type, value);
  RequireSetting(property, typed);
  if (property.type == DesignType::Boolean) return WriteBoolean(EditBlock(), property, com::CBool(typed));
  // SaveAsText writes no empty string: a property set to one (a picture
  // cleared) has no line, as one at its default.
  const std::string text = com::CStr(typed);
  if (text.empty() || text == com::CStr(DefaultOf(property, design->IsReport())))
    return RemoveLine(EditBlock(), property.name);
  const auto form = property.type == DesignType::String ? TextNode::Form::String : TextNode::Form::Number;
  PutLine(EditBlock(), property.name, form, text);
}

TextNode& DesignElement::EditBlock() {
  Design()->MarkChanged();
  return *block_;
}

com::Variant DesignElement::DefaultOf(const DesignProperty& property, bool report) const {
  if (const TextNode* defaults = Defaults())
    if (const TextNode* line = defaults->FindProperty(property.name)) return FromLine(property, *line);
  if (report && !property.report_fallback.IsEmpty()) return property.report_fallback;
  return property.fallback;
}

com::Member PropertyMember(const DesignProperty& property) {
  const DesignProperty* described = &property;
  com::Member member{property.name, VarTypeOf(property.type), com::MemberKind::Property,
                     [described](com::Dispatch& self, std::span<const com::Variant> args) {
                       if (!args.empty()) com::RaiseVb(450);
                       return static_cast<DesignElement&>(self).Value(*described);
                     },
                     [described](com::Dispatch& self, const com::Variant& value) {
                       static_cast<DesignElement&>(self).SetValue(*described, value);
                     },
                     nullptr};
  return member;
}

void WriteString(TextNode& block, const std::string& name, const std::string& value) {
  if (value.empty()) return RemoveLine(block, name);
  PutLine(block, name, TextNode::Form::String, value);
}

}  // namespace sim::access
