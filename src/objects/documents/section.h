#pragma once
// One section of a form or report open in design view (the detail section,
// headers and footers, a report's group headers and footers). Its properties
// are the Access section's; no two sections of a document share a name.

#include <memory>
#include <string>

#include "com/dispatch.h"
#include "objects/documents/mirror.h"

namespace objects {

class Sections;

class Section : public com::Dispatch, public Mirrored {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "Section";

 public:
  const com::TypeInfo& Members() const override;

  void Initialize(std::shared_ptr<Sections> parent, com::ObjectRef section);
  void TearDown();

  std::string Name();
  void SetName(const std::string& name);
  bool OfReport() const;

  com::Dispatch& MirrorTarget() override;

 private:
  std::weak_ptr<Sections> parent_;
  com::ObjectRef section_;
};

}  // namespace objects
