#include "sim/jet/table_defs.h"

#include "sim/jet/dao_errors.h"
#include "sim/jet/link_source.h"
#include "sim/jet/table_def.h"
#include "sim/jet/table_store.h"

namespace sim::jet {

TableDefs::TableDefs(std::shared_ptr<Catalog> catalog)
    : ListCollection([catalog] {
        std::vector<std::shared_ptr<dao::TableDef>> tables;
        for (const auto& row : TableStore(*catalog).All())
          tables.push_back(std::make_shared<TableDef>(catalog, row.object.id));
        return tables;
      }),
      catalog_(std::move(catalog)) {}

void TableDefs::Append(std::shared_ptr<dao::TableDef> table) {
  auto definition = std::dynamic_pointer_cast<TableDef>(table);
  if (!definition) RaiseDao(kDaoInvalidOperation);
  if (definition->appended()) RaiseDao(kDaoNameInCollection);
  const TableSpec& spec = definition->pending();
  CheckName(spec.name);
  if (spec.connect.empty()) RaiseDao(kDaoNoFieldDefined);
  const TableSpec linked = LinkSource::Resolve(spec, catalog_->clock());
  std::int64_t id = 0;
  catalog_->Write([&] { id = TableStore(*catalog_).Insert(linked, catalog_->account().user); });
  definition->Attach(catalog_, id);
  Refresh();
}

void TableDefs::Delete(const std::string& name) {
  catalog_->CheckFault("TableDefs.Delete");
  const auto table = TableStore(*catalog_).Find(name);
  if (!table) RaiseDao(kDaoItemNotFound);
  catalog_->Write([&] { TableStore(*catalog_).Delete(table->object.id); });
  Refresh();
}

}  // namespace sim::jet
