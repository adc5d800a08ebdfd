#pragma once
// A section of a form or report open in Access (Section(n)): a `Section`,
// `FormHeader`, `FormFooter`, `PageHeader`, `PageFooter`, `BreakHeader` or
// `BreakFooter` block of the text.
//
// OnFormat, OnPrint, OnRetreat and RepeatSection belong to report sections.
// Access's Section class has them for every section, so a form's section
// finds them and refuses them when read or set: 2455, as Access refuses a
// property an object has no use for (Dirty of an unbound form).
//
// A section the text gives no name has the name Access gives a new one:
// "Detail", "FormHeader", "FormFooter" ("ReportHeader", "ReportFooter" on
// a report), "PageHeaderSection", "PageFooterSection", and
// "GroupHeader" or "GroupFooter" with the section's number less 5. A new
// name that another section or a control has is refused with 2104: the
// sections and controls of a document share one set of names.

#include <cstdint>
#include <memory>
#include <string>

#include "sim/access/design_element.h"

namespace sim::access {

class DesignSection : public DesignElement {
 public:
  DesignSection(std::weak_ptr<DocumentDesign> design, TextNode* block, std::int32_t number);

  const com::TypeInfo& Members() const override;
  std::shared_ptr<DocumentDesign> Design() const override;

  std::string Name();
  // 2091 for an empty name, 2104 for one in use.
  void SetName(const std::string& name);
  com::ObjectRef Controls();
  com::ObjectRef Parent();

  std::int32_t Number() const { return number_; }
  // The name, without asking whether the document is still open.
  std::string StoredName() const;

 private:
  std::weak_ptr<DocumentDesign> design_;
  std::int32_t number_;
  bool report_;
};

}  // namespace sim::access
