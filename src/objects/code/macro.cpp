#include "objects/code/macro.h"

#include "com/text.h"
#include "driver/project.h"
#include "objects/code/macro_line.h"
#include "objects/code/macro_lines.h"
#include "platform/access.h"
#include "platform/system.h"
#include "shared/no_popups_hook.h"
#include "shared/temp_file.h"
#include "shared/utility.h"
#include "shared/validation.h"
#include "shared/vxhandler.h"
#include "ui/dispatcher.h"

namespace objects {
namespace {

constexpr std::int32_t kShowLabelBit = 1;
constexpr std::int32_t kShowConditionBit = 2;
constexpr const char* kTempPrefix = "tovrin_macro";
const AccessDocument::Kind kMacro{"Macro", "Macros", msaccess::acMacro, "Scripts", "AllMacros"};

[[noreturn]] void RaiseUnexpected(const std::string& line) {
  validation::RaiseMessage("Unexpected value: " + line);
}

bool IsQuoted(std::string_view value) {
  return value.size() >= 2 && value.front() == '"' && value.back() == '"';
}

// Joins the physical lines: a line that begins with a quote continues the
// value of the line before it.
template <class LogicalLine>
std::vector<LogicalLine> LogicalLines(const std::string& text) {
  std::vector<LogicalLine> logical;
  for (const std::string& physical : com::Split(text, "\n")) {
    const std::string trimmed = com::Trim(physical);
    if (trimmed.starts_with('"') && !logical.empty() && !logical.back().text.empty()) {
      logical.back().text.pop_back();
      logical.back().text += trimmed.substr(1);
      logical.back().physical.push_back(physical);
    } else {
      logical.push_back({trimmed, {physical}});
    }
  }
  return logical;
}

}  // namespace

Macro::Macro() : AccessDocument(kMacro) {}

const com::TypeInfo& Macro::Members() const {
  static const com::TypeInfo info =
      com::TypeBuilder<Macro>(kClass)
          .Property("Name", &Macro::Name, &Macro::SetName)
          .Property("Description", &Macro::Description, &Macro::SetDescription)
          .Property("ShowLabel", &Macro::ShowLabel, &Macro::SetShowLabel)
          .Property("ShowCondition", &Macro::ShowCondition, &Macro::SetShowCondition)
          .Get("Lines", &Macro::Lines)
          .Method("GetLocalizedString", &Macro::GetLocalizedString)
          .Build();
  return info;
}

bool Macro::ShowLabel() const { return (columns_shown_ & kShowLabelBit) != 0; }
void Macro::SetShowLabel(bool show) { SetColumnBit(kShowLabelBit, show); }
bool Macro::ShowCondition() const { return (columns_shown_ & kShowConditionBit) != 0; }
void Macro::SetShowCondition(bool show) { SetColumnBit(kShowConditionBit, show); }

void Macro::SetColumnBit(std::int32_t bit, bool on) {
  columns_shown_ = on ? (columns_shown_ | bit) : (columns_shown_ & ~bit);
}

std::string Macro::GetLocalizedString(std::int32_t resource_id) {
  return vxhandler::Guard(kClass, "GetLocalizedString", [&] {
    if (!reader_) validation::RaiseObjectNotInProperState();
    return reader_->Load(resource_id);
  });
}

void Macro::Open(std::int32_t mode) {
  if (mode_ == driver::kModeUpdate) Save();
  if (mode == driver::kModeUpdate) {
    if (!project_->IsLocked())
      validation::RaiseMessage("Couldn't obtain exclusive access to the database.");
    if (Utility::ObjectIsOpen(*App(), msaccess::acMacro, name_))
      validation::RaiseMessage("Couldn't save changes safely because the macro was already open.");
  }
  TearDownLines();
  lines_ = std::make_shared<MacroLines>();
  const std::string resources = Utility::MSAINPath();
  if (resources.empty()) validation::RaiseMessage("Couldn't find resource file msain900.dll.");
  reader_.emplace(resources);
  Load();
}

// Has Access write the macro's text and reads its lines.
void Macro::Load() {
  const shared::TempFile file(kTempPrefix);
  App()->Call("SaveAsText",
              {com::Variant(msaccess::acMacro), com::Variant(name_), com::Variant(file.path())});
  const auto content = platform::System::Current().text_files().Read(file.path());
  framing_ = content.framing;
  version_.clear();
  columns_shown_ = 0;
  header_extras_.clear();
  Interpret(LogicalLines<LogicalLine>(content.text));
}

// Keys are taken wherever they stand. A key this driver does not know is
// kept as text and written back; a line that is no key and value, a row
// key outside a row, and rows not opened and closed in pairs are refused.
void Macro::Interpret(const std::vector<LogicalLine>& logical) {
  std::shared_ptr<MacroLine> current;
  std::vector<std::string> block;
  auto self = std::static_pointer_cast<Macro>(shared_from_this());
  for (std::size_t i = 0; i < logical.size(); ++i) {
    const LogicalLine& line = logical[i];
    if (current) block.insert(block.end(), line.physical.begin(), line.physical.end());
    if (line.text == "Begin") {
      if (current) RaiseUnexpected(line.text);
      current = std::make_shared<MacroLine>();
      current->Initialize(self);
      block = line.physical;
      continue;
    }
    if (line.text == "End") {
      if (!current) RaiseUnexpected(line.text);
      current->SetSource(std::move(block));
      lines_->Add(current, std::to_string(i));
      current.reset();
      continue;
    }
    const auto equals = line.text.find('=');
    const std::string key = equals == std::string::npos ? "" : com::Trim(line.text.substr(0, equals));
    const std::string value = equals == std::string::npos ? line.text : com::Trim(line.text.substr(equals + 1));
    if (key.empty()) RaiseUnexpected(line.text);
    if (key == "Version") {
      version_ = value;
    } else if (key == "ColumnsShown") {
      columns_shown_ = com::CLng(com::Variant(value));
    } else if (key == "MacroName" || key == "Condition" || key == "Action" || key == "Comment" ||
               key == "Argument") {
      if (!current || !IsQuoted(value)) RaiseUnexpected(line.text);
      if (key == "MacroName") current->LoadMacroName(value);
      if (key == "Condition") current->LoadCondition(value);
      if (key == "Action") current->LoadAction(value);
      if (key == "Comment") current->LoadComment(value);
      if (key == "Argument") current->LoadArgument(value);
    } else if (current) {
      current->KeepUnknown(com::Join(line.physical, "\n"));
    } else {
      header_extras_.insert(header_extras_.end(), line.physical.begin(), line.physical.end());
    }
  }
  if (current) RaiseUnexpected("Begin");
}

std::string Macro::WrittenText() const {
  std::vector<std::string> lines = {"Version =" + version_};
  lines.insert(lines.end(), header_extras_.begin(), header_extras_.end());
  lines.push_back("ColumnsShown =" + std::to_string(columns_shown_));
  if (lines_)
    for (std::int32_t i = 0; i < lines_->Count(); ++i)
      lines.push_back(lines_->Item(com::Variant(i))->Text());
  return com::Join(lines, "\n");
}

// Writes the lines back and has Access load them in place of the macro.
void Macro::Save() {
  project_->CloseDatabase();
  const shared::TempFile file(kTempPrefix);
  platform::System::Current().text_files().Write(file.path(), {WrittenText(), framing_});
  TearDownLines();
  KeepDocumentState();
  App()->Call("LoadFromText",
              {com::Variant(msaccess::acMacro), com::Variant(name_), com::Variant(file.path())});
  RestoreDocumentState();
  reader_.reset();
}

void Macro::KeepDocumentState() {
  saved_description_.clear();
  saved_scc_status_.reset();
  switch (project_type_) {
    case msaccess::acADP:
      com::IgnoreErrors([&] { saved_description_ = Description(); });
      return;
    case msaccess::acMDB: break;
    default: validation::RaiseInvalidCaseSelector(com::Variant(project_type_));
  }
  auto document = Document();
  com::IgnoreErrors([&] { saved_description_ = Utility::GetDocDescription(*document); });
  if (!project_->IsUnderScc()) return;
  std::int32_t status = 0;
  com::IgnoreErrors([&] {
    if (auto property = document->GetProperties()->Find("SccStatus"))
      status = com::CLng(property->Value());
  });
  if (status == 0) return;
  document->GetProperties()->Delete("SccStatus");
  saved_scc_status_ = status;
}

void Macro::RestoreDocumentState() {
  if (!saved_description_.empty()) SetDescription(saved_description_);
  PutBackSccStatus();
}

void Macro::PutBackSccStatus() {
  if (!saved_scc_status_) return;
  auto document = Document();
  document->GetProperties()->Append(
      document->CreateProperty("SccStatus", dao::dbLong, com::Variant(*saved_scc_status_)));
  saved_scc_status_.reset();
}

void Macro::TearDownLines() {
  if (!lines_) return;
  lines_->TearDown();
  lines_.reset();
}

void Macro::Close() {
  if (mode_ == driver::kModeUpdate) Save();
}

// A failed switch leaves the macro in Access as it was; a source-control
// status taken off for the load is put back.
void Macro::Abandon() {
  com::IgnoreErrors([&] { PutBackSccStatus(); });
  reader_.reset();
  mode_ = driver::kModeClosed;
}

void Macro::DropReferences() {
  TearDownLines();
  reader_.reset();
  DropDocumentReferences();
}

}  // namespace objects
