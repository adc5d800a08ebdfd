#include "objects/data/queries.h"

#include "com/date_time.h"
#include "com/text.h"
#include "driver/project.h"
#include "objects/data/permissions.h"
#include "objects/data/query.h"
#include "platform/access.h"
#include "shared/validation.h"
#include "shared/vxhandler.h"

namespace objects {
namespace {

std::int32_t TypeCode(std::int32_t masked_type) {
  switch (masked_type) {
    case dao::dbQSelect: return 14;
    case dao::dbQCrosstab: return 9;
    case dao::dbQDelete: return 11;
    case dao::dbQUpdate: return 16;
    case dao::dbQAppend: return 8;
    case dao::dbQMakeTable: return 12;
    case dao::dbQDDL: return 10;
    case dao::dbQSQLPassThrough:
    case dao::dbQSPTBulk: return 13;
    case dao::dbQSetOperation: return 15;
    default: validation::RaiseInvalidCaseSelector(com::Variant(masked_type));
  }
}

}  // namespace

const com::TypeInfo& Queries::Members() const {
  static const com::TypeInfo info = com::TypeBuilder<Queries>(kClass).Build();
  return info;
}

std::string Queries::ICollection_EnumObjects() {
  return vxhandler::Guard(kClass, "ICollection_EnumObjects", [&] {
    return DatabaseObjectList([](driver::Project& project, dao::Database& database,
                                 ObjectList& list) {
      auto query_defs = database.GetQueryDefs();
      query_defs->Refresh();
      auto documents = RefreshedDocuments(database, "Tables");
      const std::string option = project.ExcludeQueryFields() ? "1" : "0";
      for (std::int32_t i = 0; i < query_defs->Count(); ++i) {
        auto query = query_defs->Item(i);
        const std::string name = query->Name();
        if (com::StartsWithNoCase(name, "~sq_")) continue;
        list.Each(kClass, name, [&] {
          const std::int32_t code = TypeCode(query->Type() & 240);
          auto document = documents->Item(name);
          const auto permissions =
              GetDesignPermissions(*document, project, kReadDesignMask, kWriteDesignMask, *query);
          list.Add(name, code, com::FormatStamp(document->LastUpdated()) + option,
                   permissions.read, permissions.write, false, false);
        });
      }
    });
  });
}

std::shared_ptr<driver::IObject> Queries::ICollection_GetObject(const std::string& object_name) {
  return vxhandler::Guard(kClass, "ICollection_GetObject", [&] {
    auto project = Parent();
    auto query = std::make_shared<Query>();
    query->Initialize(project, project->Database(), object_name, project->ExcludeQueryFields());
    return std::static_pointer_cast<driver::IObject>(query);
  });
}

const std::vector<Command>& Queries::ObjectCommands() const {
  static const std::vector<Command> commands = {
      {"&Design", 26, false, "Open the query in design view."},
      {"&SQL", 0, false, "Open the query in SQL view."}};
  return commands;
}

void Queries::RunObjectCommand(const std::string& object_name, std::int32_t command) {
  if (auto app = OpenForUser(*Parent(), "OpenQuery", object_name))
    app->Call("RunCommand",
              {com::Variant(command == 0 ? msaccess::acCmdDesignView : msaccess::acCmdSQLView)});
}

}  // namespace objects
