#include "sim/jet/database_builder.h"

#include <algorithm>

#include "platform/system.h"
#include "sim/jet/catalog.h"
#include "sim/jet/dao_errors.h"
#include "sim/jet/importspec_store.h"
#include "sim/jet/jet_file.h"
#include "sim/jet/link_source.h"
#include "sim/jet/object_store.h"
#include "sim/jet/property_store.h"
#include "sim/jet/query_store.h"
#include "sim/jet/relation_store.h"
#include "sim/jet/table_store.h"

namespace sim::jet {
namespace {

constexpr const char* kOwner = "admin";

platform::Clock& Clock() { return platform::System::Current().clock(); }

// Opens the file and runs the work as one transaction.
void Edit(const std::string& path, const std::function<void(Catalog&)>& work) {
  Catalog catalog(JetFile::Open(path, false), Clock(), {});
  catalog.Write([&] { work(catalog); });
}

PropertyKey DatabaseProperties(Catalog& catalog) {
  ObjectStore objects(catalog);
  return {PropertyKey::kObject, objects.Find(objects.Container("Databases"), "MSysDb")->id, ""};
}

// A document by container and name; 3265 when either does not exist.
std::int64_t DocumentId(Catalog& catalog, const std::string& container,
                        const std::string& document) {
  ObjectStore objects(catalog);
  const auto found = objects.Find(objects.Container(container), document);
  if (!found) RaiseDao(kDaoItemNotFound);
  return found->id;
}

}  // namespace

DatabaseBuilder::DatabaseBuilder(std::string path) : path_(std::move(path)) {
  JetFile::Create(path_, Clock());
  DatabaseProperty({"AccessVersion", dao::dbText, com::Variant("08.50")});
}

DatabaseBuilder DatabaseBuilder::Existing(std::string path) {
  JetFile::Open(path, false);  // 3024 or 3343 when it is not there or not a database
  return DatabaseBuilder(std::move(path), ExistingFile{});
}

DatabaseBuilder& DatabaseBuilder::DatabasePassword(const std::string& password) {
  Edit(path_, [&](Catalog& catalog) { JetFile::SetPassword(catalog.db(), password); });
  return *this;
}

DatabaseBuilder& DatabaseBuilder::DatabaseProperty(const PropertySpec& property) {
  Edit(path_, [&](Catalog& catalog) {
    PropertyStore(catalog).Put(DatabaseProperties(catalog), property);
  });
  return *this;
}

DatabaseBuilder& DatabaseBuilder::RemoveDatabaseProperty(const std::string& name) {
  Edit(path_,
       [&](Catalog& catalog) { PropertyStore(catalog).Delete(DatabaseProperties(catalog), name); });
  return *this;
}

DatabaseBuilder& DatabaseBuilder::Table(const TableSpec& table) {
  Edit(path_, [&](Catalog& catalog) {
    TableStore(catalog).Insert(LinkSource::Resolve(table, catalog.clock()), kOwner);
  });
  return *this;
}

DatabaseBuilder& DatabaseBuilder::Query(const QuerySpec& query) {
  Edit(path_, [&](Catalog& catalog) { QueryStore(catalog).Insert(query, kOwner); });
  return *this;
}

DatabaseBuilder& DatabaseBuilder::Tables(const std::vector<TableSpec>& tables) {
  Edit(path_, [&](Catalog& catalog) {
    TableStore store(catalog);
    for (const TableSpec& table : tables)
      store.Insert(LinkSource::Resolve(table, catalog.clock()), kOwner);
  });
  return *this;
}

DatabaseBuilder& DatabaseBuilder::Queries(const std::vector<QuerySpec>& queries) {
  Edit(path_, [&](Catalog& catalog) {
    QueryStore store(catalog);
    for (const QuerySpec& query : queries) store.Insert(query, kOwner);
  });
  return *this;
}

DatabaseBuilder& DatabaseBuilder::Relation(const RelationSpec& relation) {
  Edit(path_, [&](Catalog& catalog) { RelationStore(catalog).Insert(relation, kOwner); });
  return *this;
}

DatabaseBuilder& DatabaseBuilder::Document(const DocumentSpec& document) {
  Edit(path_, [&](Catalog& catalog) {
    ObjectStore objects(catalog);
    const std::int64_t id =
        objects.Insert(objects.Container(document.container), document.name,
                       JetFile::DocumentType(document.container), document.owner, kDaoObjectExists);
    for (const auto& property : document.properties)
      PropertyStore(catalog).Add({PropertyKey::kObject, id, ""}, property);
  });
  return *this;
}

DatabaseBuilder& DatabaseBuilder::ImportSpec(const ImportSpecSpec& spec) {
  Edit(path_, [&](Catalog& catalog) { ImportSpecStore(catalog).Insert(spec); });
  return *this;
}

DatabaseBuilder& DatabaseBuilder::Permissions(const std::string& container,
                                              const std::string& document,
                                              const std::string& account,
                                              std::int32_t permissions) {
  Edit(path_, [&](Catalog& catalog) {
    ObjectStore(catalog).SetPermissions(DocumentId(catalog, container, document), account,
                                        permissions);
  });
  return *this;
}

DatabaseBuilder& DatabaseBuilder::Owner(const std::string& container, const std::string& document,
                                        const std::string& account) {
  Edit(path_, [&](Catalog& catalog) {
    ObjectStore(catalog).SetOwner(DocumentId(catalog, container, document), account);
  });
  return *this;
}

DatabaseBuilder& DatabaseBuilder::LastUpdated(const std::string& container,
                                              const std::string& document, com::Date when) {
  Edit(path_, [&](Catalog& catalog) {
    ObjectStore objects(catalog);
    const ObjectRow row = objects.Get(DocumentId(catalog, container, document));
    objects.SetDates(row.id, com::Date{std::min(row.created.serial, when.serial)}, when);
  });
  return *this;
}

}  // namespace sim::jet
