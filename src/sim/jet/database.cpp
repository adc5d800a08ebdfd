#include "sim/jet/database.h"

#include "sim/jet/container.h"
#include "sim/jet/dao_errors.h"
#include "sim/jet/list_collection.h"
#include "sim/jet/object_store.h"
#include "sim/jet/properties.h"
#include "sim/jet/query_def.h"
#include "sim/jet/query_store.h"
#include "sim/jet/recordset.h"
#include "sim/jet/relation.h"
#include "sim/jet/relation_store.h"
#include "sim/jet/stored_property.h"
#include "sim/jet/table_def.h"
#include "sim/jet/table_defs.h"

namespace sim::jet {

const com::TypeInfo& Database::Members() const {
  static const com::TypeInfo info =
      com::TypeBuilder<Database>("Database")
          .Get("Name", &Database::Name)
          .Action("Close", &Database::Close)
          .Build();
  return info;
}

std::string Database::Name() {
  catalog_->db();
  return name_;
}

std::shared_ptr<dao::TableDefs> Database::GetTableDefs() {
  catalog_->db();
  if (!table_defs_) table_defs_ = std::make_shared<TableDefs>(catalog_);
  return table_defs_;
}

std::shared_ptr<dao::QueryDefs> Database::GetQueryDefs() {
  catalog_->db();
  if (query_defs_) return query_defs_;
  auto catalog = catalog_;
  query_defs_ = std::make_shared<ListCollection<dao::QueryDefs, dao::QueryDef>>([catalog] {
    std::vector<std::shared_ptr<dao::QueryDef>> queries;
    for (const auto& row : QueryStore(*catalog).All())
      queries.push_back(std::make_shared<QueryDef>(catalog, row.object.id));
    return queries;
  });
  return query_defs_;
}

std::shared_ptr<dao::Relations> Database::GetRelations() {
  catalog_->db();
  if (relations_) return relations_;
  auto catalog = catalog_;
  relations_ = std::make_shared<ListCollection<dao::Relations, dao::Relation>>([catalog] {
    std::vector<std::shared_ptr<dao::Relation>> relations;
    for (const auto& row : RelationStore(*catalog).All())
      relations.push_back(std::make_shared<Relation>(catalog, row.object.id));
    return relations;
  });
  return relations_;
}

std::shared_ptr<dao::Containers> Database::GetContainers() {
  catalog_->db();
  if (containers_) return containers_;
  auto catalog = catalog_;
  containers_ = std::make_shared<ListCollection<dao::Containers, dao::Container>>([catalog] {
    std::vector<std::shared_ptr<dao::Container>> containers;
    for (const std::int64_t id : ObjectStore(*catalog).Children(0))
      containers.push_back(std::make_shared<Container>(catalog, id));
    return containers;
  });
  return containers_;
}

std::shared_ptr<dao::Recordset> Database::OpenRecordset(const std::string& sql, std::int32_t type) {
  return std::make_shared<Recordset>(catalog_, sql, type);
}

std::shared_ptr<dao::TableDef> Database::CreateTableDef(const std::string& name) {
  catalog_->db();
  return std::make_shared<TableDef>(catalog_, name);
}

void Database::Close() {
  catalog_->db();
  catalog_->Close();
}

std::shared_ptr<dao::Properties> Database::GetProperties() {
  catalog_->db();
  return std::make_shared<Properties>(catalog_,
                                      std::static_pointer_cast<Database>(shared_from_this()));
}

std::shared_ptr<dao::Property> Database::CreateProperty(const std::string& name, std::int16_t type,
                                                        const com::Variant& value) {
  return std::make_shared<StoredProperty>(name, type, value);
}

std::vector<BuiltInSpec> Database::BuiltIns() {
  auto catalog = catalog_;
  auto constant = [](const char* name, std::int16_t type, com::Variant value) {
    return BuiltInSpec{name, type, [value] { return value; }, nullptr};
  };
  return {constant("Name", dao::dbText, com::Variant(name_)),
          constant("Connect", dao::dbText, com::Variant(connect_)),
          constant("Transactions", dao::dbBoolean, com::Variant(true)),
          {"Updatable", dao::dbBoolean, [catalog] { return com::Variant(!catalog->read_only()); },
           nullptr},
          constant("CollatingOrder", dao::dbLong, com::Variant(std::int32_t{1033})),
          constant("QueryTimeout", dao::dbInteger, com::Variant(std::int16_t{60})),
          constant("Version", dao::dbText, com::Variant("4.0")),
          constant("RecordsAffected", dao::dbLong, com::Variant(std::int32_t{0}))};
}

std::optional<PropertyKey> Database::StoredKey() {
  ObjectStore objects(*catalog_);
  const auto document = objects.Find(objects.Container("Databases"), "MSysDb");
  if (!document) RaiseDao(kDaoObjectInvalid);
  return PropertyKey{PropertyKey::kObject, document->id, ""};
}

}  // namespace sim::jet
