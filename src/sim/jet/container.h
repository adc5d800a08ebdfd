#pragma once
// A container of documents: "Databases", "Tables" (tables and queries),
// "Relationships", "Forms", "Reports", "Scripts", "Modules",
// "DataAccessPages".

#include <memory>

#include "platform/dao.h"
#include "sim/jet/catalog.h"

namespace sim::jet {

class Container : public dao::Container {
 public:
  Container(std::shared_ptr<Catalog> catalog, std::int64_t id)
      : catalog_(std::move(catalog)), id_(id) {}

  std::string Name() override;
  // In the order of their names.
  std::shared_ptr<dao::Documents> GetDocuments() override;

 private:
  std::shared_ptr<Catalog> catalog_;
  std::int64_t id_;
};

}  // namespace sim::jet
