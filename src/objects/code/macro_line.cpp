#include "objects/code/macro_line.h"

#include <algorithm>
#include <optional>

#include "com/text.h"
#include "objects/code/macro.h"
#include "platform/system.h"
#include "shared/utility.h"
#include "shared/validation.h"
#include "shared/vxhandler.h"

namespace objects {
namespace {

// How an argument's stored form becomes the text a user sees.
enum class Form { Plain, YesNo, Numeric };

struct ArgumentSpec {
  const char* property;
  Form form = Form::Plain;
};

struct ActionSpec {
  const char* action;
  // The number Access's argument descriptions know the action by; 0 for
  // actions without numeric arguments.
  std::int32_t number = 0;
  std::vector<ArgumentSpec> arguments;
};

constexpr Form kYesNo = Form::YesNo;
constexpr Form kNumeric = Form::Numeric;

// The arguments of each action, by position.
const std::vector<ActionSpec>& Actions() {
  static const std::vector<ActionSpec> actions = {
      {"AddMenu", 0, {{"MenuName"}, {"MenuMacroName"}, {"StatusBarText"}}},
      {"ApplyFilter", 0, {{"FilterName"}, {"WhereCondition"}}},
      {"Close", 6, {{"ObjectType", kNumeric}, {"ObjectName"}, {"Save", kNumeric}}},
      {"CopyObject", 7,
       {{"DestinationDatabase"}, {"NewName"}, {"SourceObjectType", kNumeric}, {"SourceObjectName"}}},
      {"DeleteObject", 52, {{"ObjectType", kNumeric}, {"ObjectName"}}},
      {"Echo", 0, {{"EchoOn", kYesNo}, {"StatusBarText"}}},
      {"FindRecord", 12,
       {{"FindWhat"}, {"Match", kNumeric}, {"MatchCase", kYesNo}, {"Search", kNumeric},
        {"SearchAsFormatted", kYesNo}, {"OnlyCurrentField", kYesNo}, {"FindFirst", kYesNo}}},
      {"GoToControl", 0, {{"ControlName"}}},
      {"GoToPage", 0, {{"PageNumber"}, {"Right"}, {"Down"}}},
      {"GoToRecord", 15,
       {{"ObjectType", kNumeric}, {"ObjectName"}, {"Record", kNumeric}, {"Offset"}}},
      {"Hourglass", 0, {{"HourglassOn", kYesNo}}},
      {"MoveSize", 0, {{"Right"}, {"Down"}, {"Width"}, {"Height"}}},
      {"MsgBox", 22, {{"Message"}, {"Beep", kYesNo}, {"TypeFlags", kNumeric}, {"Title"}}},
      {"OpenDataAccessPage", 59, {{"DataAccessPageName"}, {"View", kNumeric}}},
      {"OpenDiagram", 0, {{"DiagramName"}}},
      {"OpenForm", 23,
       {{"FormName"}, {"View", kNumeric}, {"FilterName"}, {"WhereCondition"},
        {"DataMode", kNumeric}, {"WindowMode", kNumeric}}},
      {"OpenModule", 0, {{"ModuleName"}, {"ProcedureName"}}},
      {"OpenQuery", 24, {{"QueryName"}, {"View", kNumeric}, {"DataMode", kNumeric}}},
      {"OpenReport", 46, {{"ReportName"}, {"View", kNumeric}, {"FilterName"}, {"WhereCondition"}}},
      {"OpenStoredProcedure", 62, {{"ProcedureName"}, {"View", kNumeric}, {"DataMode", kNumeric}}},
      {"OpenTable", 25, {{"TableName"}, {"View", kNumeric}, {"DataMode", kNumeric}}},
      {"OpenView", 60, {{"ViewName"}, {"View", kNumeric}, {"DataMode", kNumeric}}},
      {"OutputTo", 51,
       {{"ObjectType", kNumeric}, {"ObjectName"}, {"OutputFormat"}, {"OutputFile"},
        {"AutoStart", kYesNo}, {"TemplateFile"}}},
      {"PrintOut", 26,
       {{"PrintRange", kNumeric}, {"PageFrom"}, {"PageTo"}, {"PrintQuality", kNumeric}, {"Copies"},
        {"CollateCopies", kYesNo}}},
      {"Quit", 27, {{"Options", kNumeric}}},
      {"Rename", 30, {{"NewName"}, {"ObjectType", kNumeric}, {"OldName"}}},
      {"RepaintObject", 29, {{"ObjectType", kNumeric}, {"ObjectName"}}},
      {"Requery", 0, {{"ControlName"}}},
      {"RunApp", 0, {{"CommandLine"}}},
      {"RunCode", 0, {{"FunctionName"}}},
      {"RunCommand", 58, {{"Command", kNumeric}}},
      {"RunMacro", 0, {{"MacroName"}, {"RepeatCount"}, {"RepeatExpression"}}},
      {"RunSQL", 0, {{"SQLStatement"}, {"UseTransaction", kYesNo}}},
      {"Save", 56, {{"ObjectType", kNumeric}, {"ObjectName"}}},
      {"SelectObject", 37,
       {{"ObjectType", kNumeric}, {"ObjectName"}, {"InDatabaseWindow", kYesNo}}},
      {"SendKeys", 0, {{"KeyStrokes"}, {"Wait", kYesNo}}},
      {"SendObject", 54,
       {{"ObjectType", kNumeric}, {"ObjectName"}, {"OutputFormat"}, {"ToAddress"}, {"CcAddress"},
        {"BccAddress"}, {"Subject"}, {"MessageText"}, {"EditMessage", kYesNo}, {"TemplateFile"}}},
      {"SetMenuItem", 0, {{"MenuIndex"}, {"CommandIndex"}, {"SubcommandIndex"}, {"Flag"}}},
      {"SetValue", 0, {{"Item"}, {"Expression"}}},
      {"SetWarnings", 0, {{"WarningsOn", kYesNo}}},
      {"ShowToolbar", 0, {{"ToolBarName"}, {"Show"}}},
      {"TransferDatabase", 47,
       {{"TransferType", kNumeric}, {"DatabaseType"}, {"DatabaseName"}, {"ObjectType", kNumeric},
        {"Source"}, {"Destination"}, {"StructureOnly", kYesNo}}},
      {"TransferSpreadsheet", 48,
       {{"TransferType", kNumeric}, {"SpreadsheetType", kNumeric}, {"TableName"}, {"FileName"},
        {"HasFieldNames", kYesNo}, {"Range"}}},
      {"TransferText", 49,
       {{"TransferType", kNumeric}, {"SpecificationName"}, {"TableName"}, {"FileName"},
        {"HasFieldNames", kYesNo}, {"HTMLTableName"}}},
  };
  return actions;
}

// Every argument property, in the interface's slot order.
const std::vector<const char*>& ArgumentProperties() {
  static const std::vector<const char*> names = {
      "AutoStart", "BccAddress", "Beep", "CcAddress", "CollateCopies", "Command", "CommandIndex",
      "CommandLine", "ControlName", "Copies", "DataAccessPageName", "DatabaseName",
      "DatabaseType", "DataMode", "Destination", "DestinationDatabase", "DiagramName", "Down",
      "EchoOn", "EditMessage", "Expression", "FileName", "FilterName", "FindFirst", "FindWhat",
      "Flag", "FormName", "FunctionName", "HasFieldNames", "Height", "HourglassOn",
      "HTMLTableName", "InDatabaseWindow", "Item", "KeyStrokes", "MacroName", "Match",
      "MatchCase", "MenuIndex", "MenuName", "MenuMacroName", "Message", "MessageText",
      "ModuleName", "TypeFlags", "NewName", "ObjectName", "ObjectType", "Offset", "OldName",
      "OnlyCurrentField", "Options", "OutputFile", "OutputFormat", "PageFrom", "PageNumber",
      "PageTo", "PrintQuality", "PrintRange", "ProcedureName", "QueryName", "Range", "Record",
      "RepeatCount", "RepeatExpression", "ReportName", "Right", "Save", "Search",
      "SearchAsFormatted", "Show", "Source", "SourceObjectName", "SourceObjectType",
      "SpecificationName", "SpreadsheetType", "SQLStatement", "StatusBarText", "StructureOnly",
      "SubcommandIndex", "Subject", "TableName", "TemplateFile", "Title", "ToAddress",
      "ToolBarName", "TransferType", "UseTransaction", "View", "ViewName", "Wait", "WarningsOn",
      "WhereCondition", "Width", "WindowMode"};
  return names;
}

struct FoundArgument {
  std::int32_t action_number = 0;
  std::int32_t position = 0;
  Form form = Form::Plain;
};

std::optional<FoundArgument> FindArgument(std::string_view action, std::string_view property) {
  for (const ActionSpec& spec : Actions()) {
    if (spec.action != action) continue;
    for (std::size_t i = 0; i < spec.arguments.size(); ++i)
      if (spec.arguments[i].property == property)
        return FoundArgument{spec.number, static_cast<std::int32_t>(i), spec.arguments[i].form};
    return std::nullopt;
  }
  return std::nullopt;
}

// The argument descriptions Access's executable exports by ordinal.
constexpr std::uint16_t kPrepareArguments = 33;
constexpr std::uint16_t kChoiceList = 34;
constexpr std::uint16_t kArgumentKind = 35;

std::int32_t DescribeArgument(std::uint16_t ordinal, std::int32_t action_number,
                              std::int32_t position) {
  return platform::System::Current().libraries().CallOrdinal(Utility::Access9EXEPath(), ordinal,
                                                             action_number, position);
}

// Argument kinds.
constexpr std::int32_t kChoiceKind = 1;
constexpr std::int32_t kYesNoKind = 3;

bool IsPlainKind(std::int32_t kind) { return kind == 0 || kind == 4 || kind == 5; }
bool IsObjectTypeKind(std::int32_t kind) { return kind >= 6 && kind <= 8; }
constexpr std::int32_t kCommandKind = 9;

constexpr const char* kObjectTypes = "AcObjectType";
constexpr const char* kCommands = "AcCommand";
// What a constant's name has before the word a user sees: "ac" of acTable,
// "acCmd" of acCmdSaveRecord.
constexpr std::size_t kObjectTypePrefix = 2;
constexpr std::size_t kCommandPrefix = 5;

std::string WithoutSpaces(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
  return text;
}

[[noreturn]] void RaiseNotValid(const std::string& value) {
  validation::RaiseMessage("'" + value +
                           "' is not a valid argument. Open the macro in design view to see the "
                           "list of acceptable values.");
}

// The constant's name without its prefix; a number no constant has stays a
// number.
std::string ConstantWord(const std::string& enumeration, const std::string& number,
                         std::size_t prefix) {
  const std::string name = MacroLine::ConstantName(enumeration, number);
  if (name == number) return number;
  return name.size() > prefix ? name.substr(prefix) : "";
}

std::vector<platform::EnumerationMember> EnumerationMembers(const std::string& enumeration) {
  auto members = platform::System::Current().libraries().Enumeration(Utility::AccessTypeLibPath(),
                                                                     enumeration);
  return members ? *members : std::vector<platform::EnumerationMember>{};
}

bool IsOctalDigit(char c) { return c >= '0' && c <= '7'; }

}  // namespace

const com::TypeInfo& MacroLine::Members() const {
  static const com::TypeInfo info = [] {
    com::TypeBuilder<MacroLine> builder(kClass);
    builder.Property("Label", &MacroLine::Label, &MacroLine::SetLabel)
        .Property("Condition", &MacroLine::Condition, &MacroLine::SetCondition)
        .Get("Action", &MacroLine::Action)
        .Property("Comment", &MacroLine::Comment, &MacroLine::SetComment);
    for (const char* name : ArgumentProperties()) {
      const std::string property = name;
      builder.Custom(com::Member{
          property, com::VarType::String, com::MemberKind::Property,
          [property](com::Dispatch& d, std::span<const com::Variant> args) {
            if (!args.empty()) com::RaiseVb(450);
            return com::Variant(static_cast<MacroLine&>(d).Argument(property));
          },
          [property](com::Dispatch& d, const com::Variant& value) {
            static_cast<MacroLine&>(d).SetArgument(property, com::CStr(value));
          },
          [property](com::Dispatch& d) {
            return static_cast<MacroLine&>(d).HasArgument(property);
          }});
    }
    return builder.Build();
  }();
  return info;
}

void MacroLine::Initialize(std::shared_ptr<Macro> parent) {
  vxhandler::Guard(kClass, "Initialize", [&] { parent_ = parent; });
}

void MacroLine::TearDown() {
  vxhandler::Guard(kClass, "TearDown", [&] { parent_.reset(); });
}

std::shared_ptr<Macro> MacroLine::Parent() const {
  auto parent = parent_.lock();
  if (!parent) validation::RaiseObjectNotInProperState();
  return parent;
}

void MacroLine::Store(std::string& field, std::string value) {
  if (field == value) return;
  field = std::move(value);
  source_.clear();
}

void MacroLine::StoreArgument(std::int32_t position, std::string value) {
  if (arguments_.at(static_cast<std::size_t>(position)) == value) return;
  Store(arguments_[static_cast<std::size_t>(position)], std::move(value));
  // An argument the text did not hold is written too, with the empty ones
  // before it, so that a value set is never silently dropped.
  argument_count_ = std::max(argument_count_, position + 1);
}

void MacroLine::SetLabel(const std::string& label) { Store(label_, label); }
void MacroLine::SetCondition(const std::string& condition) { Store(condition_, condition); }
void MacroLine::SetComment(const std::string& comment) { Store(comment_, comment); }

bool MacroLine::HasArgument(std::string_view property) const {
  return FindArgument(action_, property).has_value();
}

std::string MacroLine::Argument(std::string_view property) {
  const auto found = FindArgument(action_, property);
  if (!found) validation::RaiseUndefinedProperty();
  switch (found->form) {
    case Form::YesNo: return ReadBoolean(found->position);
    case Form::Numeric: return ReadNumeric(found->action_number, found->position);
    case Form::Plain: break;
  }
  return arguments_[static_cast<std::size_t>(found->position)];
}

void MacroLine::SetArgument(std::string_view property, const std::string& value) {
  const auto found = FindArgument(action_, property);
  if (!found) validation::RaiseUndefinedProperty();
  switch (found->form) {
    case Form::YesNo: return WriteBoolean(found->position, value);
    case Form::Numeric: return WriteNumeric(found->action_number, found->position, value);
    case Form::Plain: break;
  }
  StoreArgument(found->position, value);
}

void MacroLine::LoadMacroName(std::string_view value) { label_ = Unquote(value); }
void MacroLine::LoadCondition(std::string_view value) { condition_ = Unquote(value); }
void MacroLine::LoadAction(std::string_view value) { action_ = Unquote(value); }
void MacroLine::LoadComment(std::string_view value) { comment_ = Unquote(value); }

void MacroLine::LoadArgument(std::string_view value) {
  vxhandler::Guard(kClass, "LoadArgument", [&] {
    if (argument_count_ >= kMaxArguments) com::RaiseVb(9);
    arguments_[static_cast<std::size_t>(argument_count_++)] = Unquote(value);
  });
}

void MacroLine::KeepUnknown(const std::string& line) { unknown_.push_back(line); }

void MacroLine::SetSource(std::vector<std::string> lines) { source_ = std::move(lines); }

std::string MacroLine::Text() const {
  if (!source_.empty()) return com::Join(source_, "\n");
  std::vector<std::string> lines = {"Begin"};
  auto add = [&](const char* key, const std::string& value) {
    if (!value.empty()) lines.push_back(std::string("    ") + key + " =" + Quote(value));
  };
  add("MacroName", label_);
  add("Condition", condition_);
  add("Action", action_);
  add("Comment", comment_);
  for (std::int32_t i = 0; i < argument_count_; ++i)
    lines.push_back("    Argument =" + Quote(arguments_[static_cast<std::size_t>(i)]));
  lines.insert(lines.end(), unknown_.begin(), unknown_.end());
  lines.push_back("End");
  return com::Join(lines, "\n");
}

std::string MacroLine::Quote(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    const auto code = static_cast<unsigned char>(c);
    if (c == '\\' || c == '"') {
      quoted += '\\';
      quoted += c;
    } else if (code < 32) {
      quoted += '\\';
      quoted += static_cast<char>('0' + code / 64);
      quoted += static_cast<char>('0' + code / 8 % 8);
      quoted += static_cast<char>('0' + code % 8);
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

std::string MacroLine::Unquote(std::string_view quoted) {
  if (quoted.size() < 2) return "";
  const std::string_view inner = quoted.substr(1, quoted.size() - 2);
  std::string text;
  for (std::size_t i = 0; i < inner.size(); ++i) {
    if (inner[i] != '\\' || i + 1 == inner.size()) {
      text += inner[i];
    } else if (inner[i + 1] == '0' && i + 3 < inner.size() && IsOctalDigit(inner[i + 2]) &&
               IsOctalDigit(inner[i + 3])) {
      text += static_cast<char>((inner[i + 2] - '0') * 8 + (inner[i + 3] - '0'));
      i += 3;
    } else {
      text += inner[++i];
    }
  }
  return text;
}

std::string MacroLine::ReadBoolean(std::int32_t position) const {
  const std::string& stored = arguments_.at(static_cast<std::size_t>(position));
  if (stored == "0") return "No";
  if (stored == "-1") return "Yes";
  return stored;
}

void MacroLine::WriteBoolean(std::int32_t position, const std::string& value) {
  if (value == "No") return StoreArgument(position, "0");
  if (value == "Yes") return StoreArgument(position, "-1");
  StoreArgument(position, value);
}

std::vector<std::string> MacroLine::Choices(std::int32_t action_number, std::int32_t position,
                                            bool without_spaces) {
  const std::int32_t resource = DescribeArgument(kChoiceList, action_number, position);
  if (resource == 0) return {};
  std::string list = Parent()->GetLocalizedString(resource);
  return com::Split(without_spaces ? WithoutSpaces(list) : list, ";");
}

std::string MacroLine::ChoiceAt(std::int32_t action_number, std::int32_t position,
                                const std::string& stored) {
  if (stored == "-1") return "";
  const auto choices = Choices(action_number, position, false);
  const std::int32_t index = com::CLng(com::Variant(stored));
  if (index < 0 || index >= static_cast<std::int32_t>(choices.size())) com::RaiseVb(9);
  return choices[static_cast<std::size_t>(index)];
}

std::string MacroLine::ReadNumeric(std::int32_t action_number, std::int32_t position) {
  DescribeArgument(kPrepareArguments, action_number, position);
  std::string stored = arguments_.at(static_cast<std::size_t>(position));
  if (stored.empty() || stored.starts_with('=')) return stored;
  if (!com::IsNumeric(com::Variant(stored))) stored = "0";
  const std::int32_t kind = DescribeArgument(kArgumentKind, action_number, position);
  if (IsPlainKind(kind)) return stored;
  if (kind == kChoiceKind) return ChoiceAt(action_number, position, stored);
  if (kind == kYesNoKind) return stored == "0" ? "No" : stored == "-1" ? "Yes" : "";
  if (stored == "-1") return "";
  if (IsObjectTypeKind(kind)) return ConstantWord(kObjectTypes, stored, kObjectTypePrefix);
  if (kind == kCommandKind) return ConstantWord(kCommands, stored, kCommandPrefix);
  validation::RaiseInvalidCaseSelector(com::Variant(kind));
}

void MacroLine::WriteNumeric(std::int32_t action_number, std::int32_t position,
                             const std::string& value) {
  const auto choices = Choices(action_number, position, true);
  const std::int32_t kind = DescribeArgument(kArgumentKind, action_number, position);
  auto stored = [&]() -> std::string {
    if (value.starts_with('=')) return value;
    if (!choices.empty()) {
      if (value.empty()) return "-1";
      const auto match = std::find_if(choices.begin(), choices.end(), [&](const std::string& c) {
        return com::EqualsNoCase(c, WithoutSpaces(value));
      });
      if (match == choices.end()) RaiseNotValid(value);
      return std::to_string(match - choices.begin());
    }
    if (IsPlainKind(kind)) return value;
    if (kind == kYesNoKind) {
      const std::string word = com::LCase(value);
      if (word == "yes") return "-1";
      if (word == "no") return "0";
      validation::RaiseMessage("Invalid argument. Expecting 'Yes' or 'No'.");
    }
    const bool object_type = IsObjectTypeKind(kind);
    if (!object_type && kind != kCommandKind) validation::RaiseInvalidCaseSelector(com::Variant(kind));
    if (value.empty()) return "-1";
    const std::string number = ConstantValue(object_type ? kObjectTypes : kCommands,
                                             (object_type ? "Ac" : "AcCmd") + value);
    if (number.empty()) RaiseNotValid(value);
    return number;
  }();
  StoreArgument(position, stored);
}

std::string MacroLine::ConstantName(const std::string& enumeration, const std::string& number) {
  for (const auto& member : EnumerationMembers(enumeration))
    if (com::EqualsNoCase(std::to_string(member.value), number)) return member.name;
  return number;
}

std::string MacroLine::ConstantValue(const std::string& enumeration, const std::string& name) {
  for (const auto& member : EnumerationMembers(enumeration))
    if (com::EqualsNoCase(member.name, name)) return std::to_string(member.value);
  return "";
}

}  // namespace objects
