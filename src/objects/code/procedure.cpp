#include "objects/code/procedure.h"

#include <algorithm>
#include <optional>

#include "com/by_ref.h"
#include "com/text.h"
#include "objects/code/procedures.h"
#include "shared/validation.h"
#include "shared/vxhandler.h"

namespace objects {
namespace {

constexpr std::int32_t kLongestLine = 1023;
constexpr std::int32_t kNotDefined = 35;
// A procedure no module has: asking for its length tells whether the editor
// can still read the module.
constexpr const char* kProbeName = "tovrin_d87dcbs87oasbo87foa";

com::Variant Long(std::int32_t value) { return com::Variant(value); }

std::string Key(const std::string& name, std::int32_t kind) {
  return com::UCase(name) + std::to_string(kind);
}

}  // namespace

std::string PieceName(const std::string& proc_name, std::int32_t proc_kind) {
  switch (proc_kind) {
    case vbext_pk_Proc: return proc_name;
    case vbext_pk_Let: return proc_name + ".Let";
    case vbext_pk_Set: return proc_name + ".Set";
    case vbext_pk_Get: return proc_name + ".Get";
    default: return "";
  }
}

const com::TypeInfo& Procedure::Members() const {
  static const com::TypeInfo info = com::TypeBuilder<Procedure>(kClass)
                                        .Get("Name", &Procedure::Name)
                                        .Property("Text", &Procedure::Text, &Procedure::SetText)
                                        .Get("StartLine", &Procedure::StartLine)
                                        .Build();
  return info;
}

void Procedure::Initialize(std::shared_ptr<Procedures> parent, com::ObjectRef module,
                           const std::string& proc_name, std::int32_t proc_kind) {
  vxhandler::Guard(kClass, "Initialize", [&] {
    parent_ = parent;
    module_ = std::move(module);
    proc_name_ = proc_name;
    proc_kind_ = proc_kind;
  });
}

void Procedure::TearDown() {
  vxhandler::Guard(kClass, "TearDown", [&] {
    module_.reset();
    parent_.reset();
  });
}

std::string Procedure::Name() {
  return vxhandler::Guard(kClass, "Name", [&] { return PieceName(proc_name_, proc_kind_); });
}

com::Dispatch& Procedure::Module() const {
  if (!module_) validation::RaiseObjectNotInProperState();
  return *module_;
}

bool Procedure::IsDeclarations() const { return proc_name_ == kDeclarations; }

std::pair<std::int32_t, std::int32_t> Procedure::Range() {
  auto& module = Module();
  std::int32_t start = 1;
  std::int32_t count = com::CLng(module.Get("CountOfDeclarationLines"));
  if (!IsDeclarations()) {
    const com::Variant name(proc_name_), kind = Long(proc_kind_);
    start = com::CLng(module.Call("ProcStartLine", {name, kind}));
    count = com::CLng(module.Call("ProcCountLines", {name, kind}));
  }
  while (count >= 1 && com::Trim(com::CStr(module.Get("Lines", {Long(start), Long(1)}))).empty()) {
    ++start;
    --count;
  }
  return {start, count};
}

std::string Procedure::Text() {
  return vxhandler::Guard(kClass, "Text", [&] {
    const auto [start, count] = Range();
    return count == 0 ? std::string()
                      : com::CStr(Module().Get("Lines", {Long(start), Long(count)}));
  });
}

std::int32_t Procedure::StartLine() {
  return vxhandler::Guard(kClass, "StartLine", [&] { return Range().first; });
}

void Procedure::SetText(const std::string& text) {
  vxhandler::Guard(kClass, "Text", [&] { Replace(text); });
}

// Every procedure of the module, line by line as the editor attributes the
// lines: a module whose structure no longer holds together still answers.
Procedure::Keys Procedure::ProcedureKeys() {
  auto& module = Module();
  Keys keys;
  const std::int32_t total = com::CLng(module.Get("CountOfLines"));
  for (std::int32_t line = com::CLng(module.Get("CountOfDeclarationLines")) + 1; line <= total;
       ++line) {
    auto kind = com::ByRef::Make(Long(0));
    const std::string name = com::CStr(module.Call("ProcOfLine", {Long(line), com::Variant(kind)}));
    const std::int32_t k = com::CLng(kind->Value());
    keys.emplace(Key(name, k), std::pair(name, k));
  }
  return keys;
}

void Procedure::CheckLineLengths(const std::string& text) {
  const auto lines = com::Split(text, com::kCrLf);
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (com::CharacterCount(lines[i]) > static_cast<std::size_t>(kLongestLine))
      validation::RaiseMessage("Line " + std::to_string(i + 1) +
                               " exceeds maximum length of 1023 characters.");
}

// What the module holds after the insertion: as many procedures as before,
// one of them perhaps under a new name (given back), and code the editor can
// still read. Raises what is wrong.
std::optional<std::pair<std::string, std::int32_t>> Procedure::Verify(Keys before) {
  std::optional<std::pair<std::string, std::int32_t>> renamed;
  std::size_t added = 0;
  for (const auto& [key, procedure] : ProcedureKeys()) {
    if (before.erase(key)) continue;
    ++added;
    renamed = procedure;
  }
  if (added != before.size() || added > 2)
    validation::RaiseMessage(
        "This replacement would have changed the total number of procedures in the module. "
        "Perhaps you deleted the procedure heading, created an additional procedure heading, or "
        "used incorrect syntax in the procedure heading.");
  if (auto probe = com::Capture(
          [&] { Module().Call("ProcCountLines", {com::Variant(kProbeName), Long(0)}); });
      probe && probe->Number() != kNotDefined)
    throw *probe;
  return added == 1 ? renamed : std::nullopt;
}

// The text goes into the editor's copy of the module in place of the
// piece's lines. Blank lines above a heading are not the piece's: they stay.
// A replacement that fails a check is taken out again and the old text put
// back where it was.
void Procedure::Replace(const std::string& text) {
  CheckLineLengths(text);
  auto& module = Module();
  const Keys before = ProcedureKeys();
  const auto [start, count] = Range();
  const std::string old_text =
      count ? com::CStr(module.Get("Lines", {Long(start), Long(count)})) : std::string();
  if (count) module.Call("DeleteLines", {Long(start), Long(count)});
  const std::int32_t length_after_delete = com::CLng(module.Get("CountOfLines"));
  std::optional<std::pair<std::string, std::int32_t>> renamed;
  if (auto failure = com::Capture([&] {
        module.Call("InsertLines", {Long(start), com::Variant(text + std::string(com::kCrLf))});
        renamed = Verify(before);
      })) {
    const std::int32_t extra = com::CLng(module.Get("CountOfLines")) - length_after_delete;
    if (extra > 0) module.Call("DeleteLines", {Long(start), Long(extra)});
    if (count)
      module.Call("InsertLines", {Long(start), com::Variant(old_text + std::string(com::kCrLf))});
    com::Raise(failure->Number(), failure->Description(), "", failure->HelpFile(),
               failure->HelpContext());
  }
  if (!renamed) return;
  const std::string old_name = Name();
  proc_name_ = renamed->first;
  proc_kind_ = renamed->second;
  if (auto parent = parent_.lock()) parent->UpdateKey(old_name, Name());
}

}  // namespace objects
