#pragma once
// Who may read and change an object's design: the rule of every DAO-backed
// object list. The current database user's permissions on the object's
// document must hold every bit of the read mask (read) and of the write mask
// (write); write also needs an updatable database and, for objects under
// source code control, a checked-out object (SccStatus bit 2).

#include <cstdint>

#include "platform/dao.h"

namespace driver {
class Project;
}

namespace objects {

// The DAO read-design and write-design permissions.
inline constexpr std::int32_t kReadDesignMask = 4;
inline constexpr std::int32_t kWriteDesignMask = 65548;

struct DesignPermissions {
  bool read = false;
  bool write = false;
};

// `scc_source` holds the "SccStatus" property that applies (the database's
// or the object's own).
DesignPermissions GetDesignPermissions(dao::Document& document, driver::Project& project,
                                       std::int32_t read_mask, std::int32_t write_mask,
                                       dao::PropertyOwner& scc_source);

}  // namespace objects
