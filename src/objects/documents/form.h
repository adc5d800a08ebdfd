#pragma once
// One form of the database or Access project. It can be read only while
// Access has it open in design view: a scan opens it hidden and closes it
// without saving; an update opens it the same way and leaving update mode
// saves it. A form the user has open is scanned as it is when it is in
// design view, and never changed.

#include <cstdint>
#include <string>

#include "objects/documents/designed_document.h"

namespace objects {

class Form : public DesignedDocument {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "Form";

 public:
  Form();
  const com::TypeInfo& Members() const override;

 protected:
  void CheckOpenDocument(com::Dispatch& form, std::int32_t mode) override;
  void OpenInDesignView() override;
  void FillSections(Sections& sections, com::ObjectRef form) override;
};

}  // namespace objects
