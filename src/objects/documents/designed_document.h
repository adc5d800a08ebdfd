#pragma once
// A form or report: opened hidden in design view for a scan or an update,
// refused when that would not be safe, and closed again, saved when it was
// open for update. Its module ("Form_" or "Report_" and its name) is opened
// in the code editor with it when it has one. A document or module the user
// already had open is used as it is and never closed by the driver, not even
// when opening fails half way.

#include <cstdint>
#include <memory>
#include <string>

#include "objects/documents/access_document.h"
#include "objects/documents/mirror.h"
#include "objects/documents/scc_statuses.h"

namespace objects {

class Controls;
class Procedures;
class Sections;

class DesignedDocument : public AccessDocument, public Mirrored {
 public:
  std::shared_ptr<Sections> GetSections();
  std::shared_ptr<Controls> GetControls();
  std::shared_ptr<Procedures> GetProcedures();

  com::Dispatch& MirrorTarget() override;
  std::string ModuleName() const;
  // 1 for an Access project, whose server properties only it has.
  bool InProject() const { return project_type_ == 1; }
  // Makes the property's get raise the undefined-property error outside an
  // Access project, and says so to the scanner: a form or report of a
  // database has no server to filter on or resynchronise with.
  static void OnlyInProject(com::Member& member);

 public:
  // How one kind of designed document differs.
  struct Design {
    const char* module_prefix;  // "Form_"
    const char* word;           // "form", in messages
  };

 protected:
  DesignedDocument(const Kind& kind, const Design& design) : AccessDocument(kind), design_(design) {}

  void Open(std::int32_t mode) override;
  void Close() override;
  void Abandon() override;
  void DropReferences() override;

  // Refuses a document the user has open when the mode cannot use it.
  virtual void CheckOpenDocument(com::Dispatch& document, std::int32_t mode) = 0;
  // What must hold before the driver opens anything.
  virtual void CheckBeforeOpening() {}
  // DoCmd's opening of the document in design view, hidden.
  virtual void OpenInDesignView() = 0;
  virtual void Opened(com::Dispatch&) {}
  virtual void FillSections(Sections& sections, com::ObjectRef document) = 0;
  virtual void TearDownSubCollections();

  const Design& design_;
  com::ObjectRef document_;

 private:
  // The document among those Access has open; fails when it is not open.
  com::ObjectRef OpenDocumentNamed() const;
  void OpenDocument();
  void OpenModule(bool module_was_open);
  void ForgetOpenObjects();

  com::ObjectRef module_;
  std::shared_ptr<Procedures> procedures_;
  std::shared_ptr<Sections> sections_;
  std::shared_ptr<Controls> controls_;
  // What the driver opened, and so closes.
  bool opened_document_ = false;
  bool opened_module_ = false;
  SccStatuses scc_;
};

}  // namespace objects
