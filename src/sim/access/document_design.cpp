#include "sim/access/document_design.h"

#include "com/text.h"
#include "platform/access.h"
#include "sim/access/access_errors.h"
#include "sim/access/application.h"
#include "sim/access/design_control.h"
#include "sim/access/design_controls.h"
#include "sim/access/design_group_level.h"
#include "sim/access/design_section.h"

namespace sim::access {
namespace {

constexpr std::int32_t kFirstGroupSection = 5;

// Form.CurrentView of a window's AcView.
std::int16_t CurrentViewOf(std::int32_t view) {
  if (view == msaccess::acViewDesign) return 0;
  constexpr std::int32_t kDatasheetView = 3;
  return view == kDatasheetView ? 2 : 1;
}

TextNode* ListOf(TextNode& block) {
  for (auto& child : block.children)
    if (child.kind == TextNode::Kind::Block && child.opener == TextNode::Opener::List) return &child;
  return nullptr;
}

bool IsTypedBlock(const TextNode& node) {
  return node.kind == TextNode::Kind::Block && node.opener == TextNode::Opener::Typed;
}

// The number of a section block; nothing for a block that is no section.
std::optional<std::int32_t> SectionNumberOf(const TextNode& block, bool report) {
  static const std::map<std::string, std::int32_t> fixed = {
      {"Section", 0}, {"FormHeader", 1}, {"FormFooter", 2}, {"PageHeader", 3}, {"PageFooter", 4}};
  if (const auto found = fixed.find(block.name); found != fixed.end()) return found->second;
  const bool header = block.name == "BreakHeader";
  if (!report || (!header && block.name != "BreakFooter")) return std::nullopt;
  const TextNode* level = block.FindProperty("BreakLevel");
  const std::int32_t number = level ? com::CLng(com::Variant(level->value)) : 0;
  return kFirstGroupSection + 2 * number + (header ? 0 : 1);
}

}  // namespace

std::shared_ptr<DocumentDesign> DocumentDesign::Open(std::weak_ptr<Application> application,
                                                     const StoredDocument& document) {
  auto design = std::make_shared<DocumentDesign>(Token{}, std::move(application), document);
  design->Build();
  return design;
}

DocumentDesign::DocumentDesign(Token, std::weak_ptr<Application> application,
                               const StoredDocument& document)
    : DesignElement(nullptr, document.object_type == msaccess::acReport ? ReportProperties()
                                                                         : FormProperties()),
      application_(std::move(application)),
      object_type_(document.object_type),
      name_(document.name),
      text_(DocumentText::Parse(document.text, document.object_type)) {
  SetBlock(text_.Root());
}

std::shared_ptr<DocumentDesign> DocumentDesign::Require(const std::weak_ptr<DocumentDesign>& design) {
  auto open = design.lock();
  if (!open) RaiseAccess(kObjectClosedOrMissing);
  open->RequireOpen();
  return open;
}

const com::TypeInfo& DocumentDesign::Members() const {
  static const com::TypeInfo form =
      DesignTypeInfo(com::TypeBuilder<DocumentDesign>("Form")
                         .Get("Name", &DocumentDesign::Name)
                         .Get("HasModule", &DocumentDesign::HasModule)
                         .Get("CurrentView", &DocumentDesign::CurrentView)
                         .Method("Section", &DocumentDesign::Section)
                         .Get("Controls", &DocumentDesign::Controls)
                         .Property("Visible", &DocumentDesign::Visible, &DocumentDesign::SetVisible),
                     FormProperties());
  static const com::TypeInfo report =
      DesignTypeInfo(com::TypeBuilder<DocumentDesign>("Report")
                         .Get("Name", &DocumentDesign::Name)
                         .Get("HasModule", &DocumentDesign::HasModule)
                         .Method("Section", &DocumentDesign::Section)
                         .Method("GroupLevel", &DocumentDesign::GroupLevel)
                         .Get("Controls", &DocumentDesign::Controls)
                         .Property("Visible", &DocumentDesign::Visible, &DocumentDesign::SetVisible),
                     ReportProperties());
  return IsReport() ? report : form;
}

std::shared_ptr<DocumentDesign> DocumentDesign::Design() const {
  RequireOpen();
  return std::static_pointer_cast<DocumentDesign>(
      const_cast<DocumentDesign*>(this)->shared_from_this());
}

void DocumentDesign::RequireOpen() const {
  Application::Served(application_);
  if (closed_) RaiseAccess(kObjectClosedOrMissing);
}

std::string DocumentDesign::Name() {
  Design();
  return name_;
}

// Access 2000 writes a module behind the document as `CodeBehindForm` and
// its text; a `HasModule` line says so without one.
bool DocumentDesign::HasModule() {
  Design();
  const TextNode* flag = Block().FindProperty("HasModule");
  return text_.Code().has_value() ||
         (flag && (flag->form == TextNode::Form::NotDefault || flag->value != "0"));
}

std::int16_t DocumentDesign::CurrentView() {
  const auto self = Design();
  auto application = Application::Served(application_);
  return CurrentViewOf(application->RequireDocuments("CurrentView").View(object_type_, name_));
}

com::ObjectRef DocumentDesign::Section(const com::Variant& index) {
  Design();
  for (const auto& section : sections_) {
    const bool found = index.IsString() ? com::EqualsNoCase(section->StoredName(), com::CStr(index))
                                        : section->Number() == com::CLng(index);
    if (found) return section;
  }
  RaiseAccess(kInvalidSectionNumber);
}

com::ObjectRef DocumentDesign::GroupLevel(std::int32_t level) {
  Design();
  std::int32_t number = 0;
  auto& list = text_.Root()->children;
  for (TextNode& entry : list) {
    if (entry.kind != TextNode::Kind::Block || entry.opener != TextNode::Opener::List) continue;
    for (TextNode& block : entry.children)
      if (block.kind == TextNode::Kind::Block && block.name == "BreakLevel" && number++ == level)
        return std::make_shared<DesignGroupLevel>(
            std::static_pointer_cast<DocumentDesign>(shared_from_this()), &block);
  }
  RaiseAccess(kInvalidGroupLevel);
}

com::ObjectRef DocumentDesign::Controls() {
  Design();
  return std::make_shared<DesignControls>(
      std::static_pointer_cast<DocumentDesign>(shared_from_this()), controls_);
}

bool DocumentDesign::Visible() {
  Design();
  return Application::Served(application_)->RequireDocuments("Visible").Shown(object_type_, name_);
}

void DocumentDesign::SetVisible(bool visible) {
  Design();
  Application::Served(application_)->RequireDocuments("Visible").Show(object_type_, name_, visible);
}

void DocumentDesign::SetCode(std::optional<std::string> code) {
  text_.SetCode(std::move(code));
  MarkChanged();
}

bool DocumentDesign::IsReport() const { return object_type_ == msaccess::acReport; }

void DocumentDesign::Close() {
  closed_ = true;
  controls_.clear();
  sections_.clear();
}

void DocumentDesign::RequireUniqueName(const std::string& name, const DesignElement& renamed) const {
  const std::string prefix = EventProcPrefixOf(name);
  const auto taken = [&](const std::string& other) {
    return com::EqualsNoCase(other, name) || com::EqualsNoCase(EventProcPrefixOf(other), prefix);
  };
  for (const auto& control : controls_)
    if (control.get() != &renamed && taken(control->StoredName()))
      RaiseAccess(kControlNameInUse, name);
  for (const auto& section : sections_)
    if (section.get() != &renamed && taken(section->StoredName()))
      RaiseAccess(kControlNameInUse, name);
}

std::vector<std::shared_ptr<DesignControl>> DocumentDesign::ControlsOfSection(
    std::int32_t number) const {
  std::vector<std::shared_ptr<DesignControl>> controls;
  for (const auto& control : controls_)
    if (control->SectionNumber() == number) controls.push_back(control);
  return controls;
}

// Only the typed blocks in the lists of the root, of sections and of
// controls become sections and controls; the blocks beside them keep their
// addresses when a property line is added to or taken from a block.
void DocumentDesign::Build() {
  TextNode* list = ListOf(*text_.Root());
  if (!list) return;
  for (auto& child : list->children) {
    if (IsTypedBlock(child) && ControlTypeOfBlock(child.name)) default_controls_[child.name] = &child;
  }
  for (auto& child : list->children) {
    if (!IsTypedBlock(child)) continue;
    const auto number = SectionNumberOf(child, IsReport());
    if (!number) continue;
    sections_.push_back(std::make_shared<DesignSection>(
        std::static_pointer_cast<DocumentDesign>(shared_from_this()), &child, *number));
    AddControls(child, nullptr, *number);
  }
}

void DocumentDesign::AddControls(TextNode& holder, const std::shared_ptr<DesignControl>& parent,
                                 std::int32_t section) {
  TextNode* list = ListOf(holder);
  if (!list) return;
  for (auto& child : list->children) {
    const std::int32_t type = IsTypedBlock(child) ? ControlTypeOfBlock(child.name) : 0;
    if (!type) continue;
    const auto defaults = default_controls_.find(child.name);
    auto control = std::make_shared<DesignControl>(
        std::static_pointer_cast<DocumentDesign>(shared_from_this()), &child, type, parent, section,
        defaults == default_controls_.end() ? nullptr : defaults->second);
    controls_.push_back(control);
    if (parent) parent->AddChild(control);
    AddControls(child, control, section);
  }
}

}  // namespace sim::access
