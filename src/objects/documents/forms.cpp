#include "objects/documents/forms.h"

#include "driver/project.h"

namespace objects {
namespace {

const DesignedDocuments::Kind kForms{"Forms",
                                     {.container = "Forms",
                                      .all_member = "AllForms",
                                      .type_code = 2,
                                      .read_mask = 4,
                                      .write_mask = 65548},
                                     "Open the form in design view.",
                                     "OpenForm",
                                     [](driver::Project& project, const std::string& name) {
                                       return project.GetForm(name);
                                     }};

}  // namespace

Forms::Forms() : DesignedDocuments(kForms) {}

const com::TypeInfo& Forms::Members() const {
  static const com::TypeInfo info = com::TypeBuilder<Forms>("Forms").Build();
  return info;
}

}  // namespace objects
