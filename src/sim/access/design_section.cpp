#include "sim/access/design_section.h"

#include "sim/access/access_errors.h"
#include "sim/access/design_controls.h"
#include "sim/access/document_design.h"

namespace sim::access {
namespace {

std::string DefaultSectionName(std::int32_t number, bool report) {
  switch (number) {
    case 0: return "Detail";
    case 1: return report ? "ReportHeader" : "FormHeader";
    case 2: return report ? "ReportFooter" : "FormFooter";
    case 3: return "PageHeaderSection";
    case 4: return "PageFooterSection";
    default: break;
  }
  constexpr std::int32_t kFirstGroupSection = 5;
  return (number % 2 ? "GroupHeader" : "GroupFooter") + std::to_string(number - kFirstGroupSection);
}

}  // namespace

DesignSection::DesignSection(std::weak_ptr<DocumentDesign> design, TextNode* block,
                             std::int32_t number)
    : DesignElement(block, SectionProperties()),
      design_(design),
      number_(number),
      report_(design.lock()->IsReport()) {}

const com::TypeInfo& DesignSection::Members() const {
  static const com::TypeInfo info =
      DesignTypeInfo(com::TypeBuilder<DesignSection>("Section")
                         .Property("Name", &DesignSection::Name, &DesignSection::SetName)
                         .Get("Controls", &DesignSection::Controls)
                         .Get("Parent", &DesignSection::Parent),
                     SectionProperties());
  return info;
}

std::shared_ptr<DocumentDesign> DesignSection::Design() const {
  return DocumentDesign::Require(design_);
}

std::string DesignSection::Name() {
  Design();
  return StoredName();
}

void DesignSection::SetName(const std::string& name) {
  const auto design = Design();
  if (name.empty()) RaiseAccess(kInvalidName, name);
  design->RequireUniqueName(name, *this);
  WriteString(EditBlock(), "Name", name);
}

com::ObjectRef DesignSection::Controls() {
  const auto design = Design();
  return std::make_shared<DesignControls>(design, design->ControlsOfSection(number_));
}

com::ObjectRef DesignSection::Parent() { return Design(); }

std::string DesignSection::StoredName() const {
  const TextNode* name = Block().FindProperty("Name");
  return name ? name->value : DefaultSectionName(number_, report_);
}

}  // namespace sim::access
