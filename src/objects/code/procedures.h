#pragma once
// A code module as the pieces the host scans and changes: its declarations
// section, then each procedure in module order. The module is the code
// editor's Module object, open in Access while the pieces live.

#include <memory>
#include <string>

#include "com/dispatch.h"
#include "objects/code/procedure.h"
#include "objects/data/sub_collection.h"

namespace objects {

class Procedures : public SubCollection<Procedure> {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "Procedures";

 public:
  const com::TypeInfo& Members() const override;

  // Splits the module into its pieces; nothing for no module. A second
  // procedure of a name and kind already listed is reported to the problem
  // log and left out.
  void Initialize(com::ObjectRef module);

 private:
  void ReportDuplicate(com::Dispatch& module, const std::string& name);
};

}  // namespace objects
