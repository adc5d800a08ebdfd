#pragma once
// Source-control add-ins mark each form and report document of a database
// with an "SccStatus"; Access opens a document in design view only while the
// statuses say it may be edited (4107). Opening one for the driver sets every
// document of the container to 4107 for the moment of the opening and puts
// each one back afterwards, also when the opening fails.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/dao.h"

namespace objects {

class SccStatuses {
 public:
  // Reads the statuses of the container's documents; a document without one
  // (or one that cannot be read) is left alone.
  void Fetch(dao::Database& current, const std::string& container);
  // Sets each status that is not 4107 to 4107, keeping its value.
  void Allow();
  // Gives back every status Allow changed.
  void PutBack();

 private:
  struct Entry {
    std::shared_ptr<dao::Property> status;
    std::optional<com::Variant> saved;
  };
  std::vector<Entry> entries_;
};

}  // namespace objects
