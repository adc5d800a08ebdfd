#pragma once
// One line of a macro: its label (the macro name within a macro group), its
// condition, action and comment, and the action's arguments as the macro
// text stores them. Each argument is published as a text property named
// after it, on the actions that have it only; choices, yes/no values, object
// types and commands stored as numbers are shown as the words Access shows
// and turned back into numbers when written. A line nobody changed is
// written back exactly as it was read.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "com/dispatch.h"

namespace objects {

class Macro;

class MacroLine : public com::Dispatch {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "MacroLine";

 public:
  static constexpr std::int32_t kMaxArguments = 10;

  const com::TypeInfo& Members() const override;

  void Initialize(std::shared_ptr<Macro> parent);
  void TearDown();

  std::string Label() const { return label_; }
  void SetLabel(const std::string& label);
  std::string Condition() const { return condition_; }
  void SetCondition(const std::string& condition);
  std::string Action() const { return action_; }
  std::string Comment() const { return comment_; }
  void SetComment(const std::string& comment);

  // The argument properties ("WhereCondition", "View", ...): whether the
  // line's action has one of that name, and its value read and written.
  bool HasArgument(std::string_view property) const;
  std::string Argument(std::string_view property);
  void SetArgument(std::string_view property, const std::string& value);

  // Reading the macro text: each takes the quoted value of its key.
  void LoadMacroName(std::string_view value);
  void LoadCondition(std::string_view value);
  void LoadAction(std::string_view value);
  void LoadComment(std::string_view value);
  // Appends an argument; an eleventh raises "Subscript out of range".
  void LoadArgument(std::string_view value);
  // A line of the block whose key the driver does not know: kept and
  // written back after the arguments.
  void KeepUnknown(const std::string& line);
  // The lines the block was read from, to write back while nothing changed.
  void SetSource(std::vector<std::string> lines);

  // The line's block of the macro text, its lines joined by LF.
  std::string Text() const;

  static std::string Quote(std::string_view text);
  static std::string Unquote(std::string_view quoted);

  // The stored form of a yes/no argument and back, exactly as Access writes
  // "-1" and "0"; other text is left as it is.
  std::string ReadBoolean(std::int32_t position) const;
  void WriteBoolean(std::int32_t position, const std::string& value);
  // Arguments described by Access's argument descriptions (choice lists,
  // yes/no, object types, commands).
  std::string ReadNumeric(std::int32_t action_number, std::int32_t position);
  void WriteNumeric(std::int32_t action_number, std::int32_t position, const std::string& value);

  // A member of one of Access's enumerations: the name of the first member
  // of that value (or the number itself when none has it), and the value of
  // the member of that name (empty when none has it); letter case ignored.
  static std::string ConstantName(const std::string& enumeration, const std::string& number);
  static std::string ConstantValue(const std::string& enumeration, const std::string& name);

 private:
  std::shared_ptr<Macro> Parent() const;
  // Stores a value; a changed value makes the line be written anew.
  void Store(std::string& field, std::string value);
  void StoreArgument(std::int32_t position, std::string value);
  std::string ChoiceAt(std::int32_t action_number, std::int32_t position, const std::string& stored);
  std::vector<std::string> Choices(std::int32_t action_number, std::int32_t position,
                                   bool without_spaces);

  std::weak_ptr<Macro> parent_;
  std::string label_;
  std::string condition_;
  std::string action_;
  std::string comment_;
  std::array<std::string, kMaxArguments> arguments_;
  std::int32_t argument_count_ = 0;
  std::vector<std::string> unknown_;
  std::vector<std::string> source_;
};

}  // namespace objects
