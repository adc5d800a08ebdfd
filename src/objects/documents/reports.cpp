#include "objects/documents/reports.h"

#include "driver/project.h"

namespace objects {
namespace {

const DesignedDocuments::Kind kReports{"Reports",
                                       {.container = "Reports",
                                        .all_member = "AllReports",
                                        .type_code = 18,
                                        .read_mask = 4,
                                        .write_mask = 65548},
                                       "Open the report in design view.",
                                       "OpenReport",
                                       [](driver::Project& project, const std::string& name) {
                                       return project.GetReport(name);
                                     }};

}  // namespace

Reports::Reports() : DesignedDocuments(kReports) {}

const com::TypeInfo& Reports::Members() const {
  static const com::TypeInfo info = com::TypeBuilder<Reports>("Reports").Build();
  return info;
}

}  // namespace objects
