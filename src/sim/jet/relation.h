#pragma once
// A relation between two tables, read from the file on every call.

#include <memory>

#include "platform/dao.h"
#include "sim/jet/catalog.h"
#include "sim/jet/relation_store.h"

namespace sim::jet {

class Relation : public dao::Relation {
 public:
  Relation(std::shared_ptr<Catalog> catalog, std::int64_t id)
      : catalog_(std::move(catalog)), id_(id) {}

  std::string Name() override { return Row().object.name; }
  std::string Table() override { return Row().table; }
  std::string ForeignTable() override { return Row().foreign_table; }
  std::int32_t Attributes() override { return Row().attributes; }
  // Each field names a field of the table, its ForeignName the matching
  // field of the foreign table.
  std::shared_ptr<dao::Fields> GetFields() override;

 private:
  RelationRow Row() { return RelationStore(*catalog_).Get(id_); }

  std::shared_ptr<Catalog> catalog_;
  std::int64_t id_;
};

}  // namespace sim::jet
