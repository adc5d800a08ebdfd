#pragma once
// One report of the database or Access project, handled as a form is: opened
// hidden in design view for a scan or an update and saved when it leaves
// update mode. A report the user has open is scanned in whatever view it is
// in and never changed; Access opens no report in design view on a system
// without a default printer.

#include <cstdint>
#include <memory>

#include "objects/documents/designed_document.h"

namespace objects {

class GroupLevels;

class Report : public DesignedDocument {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "Report";

 public:
  Report();
  const com::TypeInfo& Members() const override;

  std::shared_ptr<GroupLevels> GetGroupLevels();

 protected:
  void CheckOpenDocument(com::Dispatch& report, std::int32_t mode) override;
  void CheckBeforeOpening() override;
  void OpenInDesignView() override;
  void Opened(com::Dispatch& report) override;
  void FillSections(Sections& sections, com::ObjectRef report) override;
  void TearDownSubCollections() override;

 private:
  std::shared_ptr<GroupLevels> group_levels_;
};

}  // namespace objects
