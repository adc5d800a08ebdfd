#pragma once
// The TableDefs of a database: its local and linked tables, MSysObjects and
// the system tables with rows among them, in the order of their names.

#include "platform/dao.h"
#include "sim/jet/catalog.h"
#include "sim/jet/list_collection.h"

namespace sim::jet {

class TableDefs : public ListCollection<dao::TableDefs, dao::TableDef> {
 public:
  explicit TableDefs(std::shared_ptr<Catalog> catalog);

  // A new definition from CreateTableDef: 3010 when the name is taken, 3264
  // for a local table (it has no fields), 3011 and 3024 when a link's source
  // table or file is missing.
  void Append(std::shared_ptr<dao::TableDef> table) override;
  // 3265 when there is no such table, 3281 when it takes part in a relation.
  void Delete(const std::string& name) override;

 private:
  std::shared_ptr<Catalog> catalog_;
};

}  // namespace sim::jet
