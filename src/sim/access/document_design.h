#pragma once
// A form or report open in an Access session: the live Form or Report object
// that Forms(...) and Reports(...) give, read from the document's stored
// SaveAsText text when it opens and kept with its window until it closes.
//
// Its properties, those of its sections (Section(n)) and of its controls
// (Controls, every control of the document in the text's order, nested ones
// included) read and write that text; Text() renders it, so that a document
// nobody changed gives back the bytes it was read from and a changed one
// differs only in the lines of what changed. The document's module (the
// text after `CodeBehindForm`) belongs to the code editor while its window
// is open there; the session keeps this copy of it current.
//
// A form and a report are classes of their own in Access's type library:
// a property the kind lacks (a report's OnNoData on a form) is not found,
// 438.
//
// Sections are numbered as Access numbers them: 0 the detail, 1 and 2 the
// form's (report's) header and footer, 3 and 4 the page header and footer,
// and on a report 5 + 2n and 6 + 2n the header and footer of group level n
// (the level a `BreakHeader` or `BreakFooter` names with `BreakLevel`, 0 when
// it names none), up to 24. Section(n) of a number the document has no
// section for raises 2462; so does a name no section has.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sim/access/design_element.h"
#include "sim/access/document_text.h"
#include "sim/access/stored_document.h"

namespace sim::access {

class Application;
class DesignControl;
class DesignSection;

class DocumentDesign : public DesignElement {
  struct Token {
    explicit Token() = default;
  };

 public:
  // Reads the stored text of a form or report (it was checked when it was
  // stored).
  static std::shared_ptr<DocumentDesign> Open(std::weak_ptr<Application> application,
                                              const StoredDocument& document);
  DocumentDesign(Token, std::weak_ptr<Application> application, const StoredDocument& document);
  // The design an element belongs to, while it is open: 2467 once it
  // closed, 462 once Access quit.
  static std::shared_ptr<DocumentDesign> Require(const std::weak_ptr<DocumentDesign>& design);

  const com::TypeInfo& Members() const override;
  std::shared_ptr<DocumentDesign> Design() const override;

  // Members.
  std::string Name();
  bool HasModule();
  // 0 design view, 1 form view, 2 datasheet view (forms only).
  std::int16_t CurrentView();
  com::ObjectRef Section(const com::Variant& index);
  // A report's n-th sorting and grouping level (from 0); 2464 beyond the last.
  com::ObjectRef GroupLevel(std::int32_t level);
  com::ObjectRef Controls();
  // Whether its window is shown; a design opened hidden is not.
  bool Visible();
  void SetVisible(bool visible);

  // For the session and the document's elements.
  std::int32_t ObjectType() const { return object_type_; }
  bool IsReport() const;
  const std::string& DocumentName() const { return name_; }
  std::string Text() const { return text_.Render(); }
  const std::optional<std::string>& Code() const { return text_.Code(); }
  void SetCode(std::optional<std::string> code);
  // Whether anything was written to the design since it opened; until then
  // it holds the text it was read from.
  bool Changed() const { return changed_; }
  void MarkChanged() { changed_ = true; }
  // The document's window closed: every member of it and of its elements
  // raises 2467 from now on.
  void Close();
  // 2104 when a control or section other than `renamed` has the name, or a
  // name that Visual Basic maps to the same event procedure prefix.
  void RequireUniqueName(const std::string& name, const DesignElement& renamed) const;
  std::vector<std::shared_ptr<DesignControl>> ControlsOfSection(std::int32_t number) const;

 private:
  // 2467 once the window closed, 462 once Access quit.
  void RequireOpen() const;
  void Build();
  void AddControls(TextNode& holder, const std::shared_ptr<DesignControl>& parent,
                   std::int32_t section);

  std::weak_ptr<Application> application_;
  std::int32_t object_type_;
  std::string name_;
  DocumentText text_;
  bool closed_ = false;
  bool changed_ = false;
  std::map<std::string, const TextNode*> default_controls_;
  std::vector<std::shared_ptr<DesignSection>> sections_;
  std::vector<std::shared_ptr<DesignControl>> controls_;
};

}  // namespace sim::access
