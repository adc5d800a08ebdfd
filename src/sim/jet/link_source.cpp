#include "sim/jet/link_source.h"

#include "com/text.h"
#include "sim/jet/catalog.h"
#include "sim/jet/connect_string.h"
#include "sim/jet/dao_errors.h"
#include "sim/jet/jet_file.h"
#include "sim/jet/table_store.h"

namespace sim::jet {

TableSpec LinkSource::Resolve(const TableSpec& table, platform::Clock& clock) {
  if (!ConnectString(table.connect).IsAccessLink()) return table;
  TableSpec linked = LinkSource(table.connect, table.source_table).Read(clock);
  linked.name = table.name;
  linked.connect = table.connect;
  linked.source_table = table.source_table;
  linked.attributes = table.attributes;
  for (const auto& own : table.properties) {
    std::erase_if(linked.properties,
                  [&](const PropertySpec& p) { return com::EqualsNoCase(p.name, own.name); });
    linked.properties.push_back(own);
  }
  return linked;
}

TableSpec LinkSource::Read(platform::Clock& clock) const {
  const ConnectString connect(connect_);
  auto db = JetFile::Open(connect.Value("DATABASE"), true);
  const std::string password = JetFile::Password(*db);
  if (!password.empty() && connect.Value("PWD") != password) RaiseDao(kDaoBadPassword);
  Catalog backend(std::move(db), clock, {});
  TableStore tables(backend);
  const auto source = tables.Find(source_table_);
  if (!source) RaiseDao(kDaoObjectNotFound, source_table_);
  TableSpec spec = tables.Definition(source->object.id);
  for (auto& property : spec.properties) property.inherited = true;
  for (auto& field : spec.fields)
    for (auto& property : field.properties) property.inherited = true;
  return spec;
}

}  // namespace sim::jet
