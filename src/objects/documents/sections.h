#pragma once
// The sections of a form or report open in design view, keyed by name, in
// the order of their section numbers.

#include "com/dispatch.h"
#include "objects/data/sub_collection.h"
#include "objects/documents/section.h"

namespace objects {

class Sections : public SubCollection<Section> {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "Sections";

 public:
  const com::TypeInfo& Members() const override;

  void InitializeForForm(com::ObjectRef form);
  void InitializeForReport(com::ObjectRef report);
  bool OfReport() const { return of_report_; }

 private:
  void Fill(com::Dispatch& document, std::int32_t last_number);

  bool of_report_ = false;
};

}  // namespace objects
