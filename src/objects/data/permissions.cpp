#include "objects/data/permissions.h"

#include "com/error.h"
#include "driver/project.h"

namespace objects {
namespace {
constexpr std::int32_t kCheckedOut = 2;
}

DesignPermissions GetDesignPermissions(dao::Document& document, driver::Project& project,
                                       std::int32_t read_mask, std::int32_t write_mask,
                                       dao::PropertyOwner& scc_source) {
  document.SetUserName(project.DatabaseUser());
  const std::int32_t all = document.AllPermissions();
  DesignPermissions p{(all & read_mask) == read_mask, (all & write_mask) == write_mask};
  if (p.write && !project.IsUpdatable()) {
    p.write = false;
  } else if (p.write) {
    const std::int32_t status = com::ValueOr<std::int32_t>(
        [&] {
          const auto scc_status = scc_source.GetProperties()->Find("SccStatus");
          return scc_status ? com::CLng(scc_status->Value()) : 0;
        },
        0);
    if (status != 0 && !(status & kCheckedOut)) p.write = false;
  }
  return p;
}

}  // namespace objects
