#include "sim/access/code_module.h"

#include "com/by_ref.h"
#include "com/text.h"
#include "sim/access/access_errors.h"
#include "sim/access/application.h"
#include "sim/access/members.h"

namespace sim::access {
namespace {

constexpr std::int32_t kInvalidArgument = 5;
constexpr std::int32_t kOutOfRange = 9;
constexpr std::int32_t kNotDefined = 35;

std::vector<std::string> SplitLines(const std::string& text) {
  if (text.empty()) return {};
  return com::Split(text, "\n");
}

// InsertLines' text: lines broken by CR LF (or a lone CR or LF); a break at
// the end ends the last line and adds no empty one.
std::vector<std::string> InsertedLines(const std::string& text) {
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') {
      lines.back() += text[i];
      continue;
    }
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    if (i + 1 < text.size()) lines.emplace_back();
  }
  return lines;
}

bool IsHidden(const std::string& line) { return com::StartsWithNoCase(line, "Attribute VB_"); }

}  // namespace

CodeModule::CodeModule(std::weak_ptr<Application> application, std::string name,
                       const std::string& text)
    : application_(std::move(application)), name_(std::move(name)), original_(text) {
  lines_ = SplitLines(text);
  auto visible = lines_.begin();
  while (visible != lines_.end() && IsHidden(*visible)) ++visible;
  hidden_.assign(lines_.begin(), visible);
  lines_.erase(lines_.begin(), visible);
}

const com::TypeInfo& CodeModule::Members() const {
  static const com::TypeInfo info =
      com::TypeBuilder<CodeModule>("Module")
          .Get("CountOfLines", &CodeModule::CountOfLines)
          .Get("CountOfDeclarationLines", &CodeModule::CountOfDeclarationLines)
          .Custom(Method<CodeModule>("Lines",
                                     [](CodeModule& self, Args args) {
                                       return com::Variant(
                                           self.Lines(com::CLng(Required(args, 0)),
                                                      com::CLng(Required(args, 1))));
                                     }))
          .Custom(Method<CodeModule>("DeleteLines",
                                     [](CodeModule& self, Args args) {
                                       self.DeleteLines(com::CLng(Required(args, 0)),
                                                        LongArg(args, 1, 1));
                                       return com::Variant();
                                     }))
          .Custom(Method<CodeModule>("InsertLines",
                                     [](CodeModule& self, Args args) {
                                       self.InsertLines(com::CLng(Required(args, 0)),
                                                        com::CStr(Required(args, 1)));
                                       return com::Variant();
                                     }))
          .Get("Name", &CodeModule::Name)
          .Get("Application", &CodeModule::ApplicationObject)
          .Custom(Method<CodeModule>("ProcOfLine",
                                     [](CodeModule& self, Args args) {
                                       return com::Variant(self.ProcOfLine(
                                           com::CLng(Required(args, 0)), Arg(args, 1)));
                                     }))
          .Custom(Method<CodeModule>("ProcStartLine",
                                     [](CodeModule& self, Args args) {
                                       return com::Variant(
                                           self.ProcStartLine(com::CStr(Required(args, 0)),
                                                              com::CLng(Required(args, 1))));
                                     }))
          .Custom(Method<CodeModule>("ProcBodyLine",
                                     [](CodeModule& self, Args args) {
                                       return com::Variant(
                                           self.ProcBodyLine(com::CStr(Required(args, 0)),
                                                             com::CLng(Required(args, 1))));
                                     }))
          .Custom(Method<CodeModule>("ProcCountLines",
                                     [](CodeModule& self, Args args) {
                                       return com::Variant(
                                           self.ProcCountLines(com::CStr(Required(args, 0)),
                                                               com::CLng(Required(args, 1))));
                                     }))
          .Build();
  return info;
}

std::int32_t CodeModule::CountOfLines() {
  Require();
  return static_cast<std::int32_t>(lines_.size());
}

std::int32_t CodeModule::CountOfDeclarationLines() {
  Require();
  return Outline().DeclarationLines();
}

std::string CodeModule::Lines(std::int32_t start, std::int32_t count) {
  Require();
  if (count < 0) com::RaiseVb(kInvalidArgument);
  const auto total = static_cast<std::int32_t>(lines_.size());
  RequireLine(start, count == 0 ? total + 1 : total);
  const std::int32_t end = std::min(total, start - 1 + count);
  const std::vector<std::string> range(lines_.begin() + (start - 1), lines_.begin() + end);
  return com::Join(range, com::kCrLf);
}

void CodeModule::DeleteLines(std::int32_t start, std::int32_t count) {
  Require();
  if (count < 0) com::RaiseVb(kInvalidArgument);
  const auto total = static_cast<std::int32_t>(lines_.size());
  RequireLine(start, total);
  if (start - 1 + count > total) com::RaiseVb(kOutOfRange);
  lines_.erase(lines_.begin() + (start - 1), lines_.begin() + (start - 1 + count));
  outline_.reset();
}

void CodeModule::InsertLines(std::int32_t line, const std::string& text) {
  Require();
  RequireLine(line, static_cast<std::int32_t>(lines_.size()) + 1);
  const auto inserted = InsertedLines(text);
  lines_.insert(lines_.begin() + (line - 1), inserted.begin(), inserted.end());
  outline_.reset();
}

std::string CodeModule::Name() {
  Require();
  return name_;
}

com::ObjectRef CodeModule::ApplicationObject() {
  Require();
  return Application::Served(application_);
}

std::string CodeModule::ProcOfLine(std::int32_t line, const com::Variant& kind) {
  Require();
  RequireLine(line, static_cast<std::int32_t>(lines_.size()));
  for (const ProcedureLines& procedure : Outline().Procedures()) {
    if (line < procedure.start || line >= procedure.start + procedure.count) continue;
    com::SetByRef(kind, com::Variant(static_cast<std::int32_t>(procedure.kind)));
    return procedure.name;
  }
  com::SetByRef(kind, com::Variant(static_cast<std::int32_t>(ProcKind::Proc)));
  return "";
}

std::int32_t CodeModule::ProcStartLine(const std::string& name, std::int32_t kind) {
  return Procedure(name, kind).start;
}

std::int32_t CodeModule::ProcBodyLine(const std::string& name, std::int32_t kind) {
  return Procedure(name, kind).body;
}

std::int32_t CodeModule::ProcCountLines(const std::string& name, std::int32_t kind) {
  return Procedure(name, kind).count;
}

std::string CodeModule::Text() const {
  std::vector<std::string> all = hidden_;
  all.insert(all.end(), lines_.begin(), lines_.end());
  return com::Join(all, "\n");
}

void CodeModule::Require() {
  Application::Served(application_);
  if (closed_) RaiseAccess(kObjectClosedOrMissing);
}

const ModuleOutline& CodeModule::Outline() {
  if (!outline_) outline_ = ModuleOutline::Read(lines_);
  return *outline_;
}

// The first procedure of the name and kind, as the editor finds it.
const ProcedureLines& CodeModule::Procedure(const std::string& name, std::int32_t kind) {
  Require();
  if (kind < static_cast<std::int32_t>(ProcKind::Proc) ||
      kind > static_cast<std::int32_t>(ProcKind::Get))
    com::RaiseVb(kInvalidArgument);
  const ModuleOutline& outline = Outline();
  for (const ProcedureLines& procedure : outline.Procedures())
    if (static_cast<std::int32_t>(procedure.kind) == kind &&
        com::EqualsNoCase(procedure.name, name))
      return procedure;
  if (const auto& fault = outline.Fault()) com::Raise(kStructureError, *fault);
  com::RaiseVb(kNotDefined);
}

void CodeModule::RequireLine(std::int32_t line, std::int32_t last) const {
  if (line < 1 || line > last) com::RaiseVb(kOutOfRange);
}

}  // namespace sim::access
