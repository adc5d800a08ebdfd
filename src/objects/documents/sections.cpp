#include "objects/documents/sections.h"

#include "shared/vxhandler.h"

namespace objects {
namespace {

// Form sections are numbered 0 to 4; a report adds a header and a footer for
// each of up to ten group levels.
constexpr std::int32_t kLastFormSection = 4;
constexpr std::int32_t kLastReportSection = 24;

}  // namespace

const com::TypeInfo& Sections::Members() const {
  static const com::TypeInfo info = Builder<Sections>(kClass).Build();
  return info;
}

void Sections::InitializeForForm(com::ObjectRef form) {
  vxhandler::Guard(kClass, "InitializeForForm", [&] { Fill(*form, kLastFormSection); });
}

void Sections::InitializeForReport(com::ObjectRef report) {
  vxhandler::Guard(kClass, "InitializeForReport", [&] {
    of_report_ = true;
    Fill(*report, kLastReportSection);
  });
}

// A number the document has no section for is skipped.
void Sections::Fill(com::Dispatch& document, std::int32_t last_number) {
  auto self = std::static_pointer_cast<Sections>(shared_from_this());
  for (std::int32_t number = 0; number <= last_number; ++number) {
    com::ObjectRef found;
    com::IgnoreErrors([&] {
      auto access_section = com::CObj(document.Call("Section", {com::Variant(number)}));
      com::CStr(access_section->Get("Name"));
      found = access_section;
    });
    if (!found) continue;
    auto section = std::make_shared<Section>();
    section->Initialize(self, found);
    list_.Add(section, section->Name());
  }
}

}  // namespace objects
