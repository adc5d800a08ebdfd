#include "objects/data/tables.h"

#include "com/date_time.h"
#include "com/text.h"
#include "driver/project.h"
#include "objects/data/permissions.h"
#include "objects/data/table.h"
#include "platform/access.h"
#include "shared/vxhandler.h"

namespace objects {
namespace {


bool IsListed(const std::string& name) {
  return !com::StartsWithNoCase(name, "MSys") && !com::StartsWithNoCase(name, "~TMPCLP");
}

// The type code, and whether the table is linked to another Access database.
std::pair<std::int32_t, bool> TypeCode(const std::string& connect) {
  const auto semicolon = connect.find(';');
  if (connect.empty() || semicolon == std::string::npos) return {driver::kLocalTableCode, false};
  const std::string type = com::UCase(com::Trim(connect.substr(0, semicolon)));
  if (type.empty()) return {driver::kLinkedTableCode, true};
  if (type == "HTML EXPORT" || type == "HTML IMPORT") return {driver::kHtmlTableCode, false};
  if (type == "ODBC") return {driver::kOdbcTableCode, false};
  if (type == "TEXT") return {driver::kTextTableCode, false};
  return {driver::kLinkedTableCode, false};
}

}  // namespace

const com::TypeInfo& Tables::Members() const {
  static const com::TypeInfo info = com::TypeBuilder<Tables>(kClass).Build();
  return info;
}

std::string Tables::ICollection_EnumObjects() {
  return vxhandler::Guard(kClass, "ICollection_EnumObjects", [&] {
    return DatabaseObjectList([](driver::Project& project, dao::Database& database,
                                 ObjectList& list) {
      auto table_defs = database.GetTableDefs();
      table_defs->Refresh();
      auto documents = RefreshedDocuments(database, "Tables");
      for (std::int32_t i = 0; i < table_defs->Count(); ++i) {
        auto table = table_defs->Item(i);
        const std::string name = table->Name();
        if (!IsListed(name)) continue;
        list.Each(kClass, name, [&] {
          const std::string connect = table->Connect();
          const auto [code, linked_to_access] = TypeCode(connect);
          auto document = documents->Item(name);
          std::string stamp = com::FormatStamp(document->LastUpdated());
          if (!connect.empty()) stamp += project.ExcludeLinkedTableFields() ? "1" : "0";
          const auto permissions = GetDesignPermissions(*document, project, kReadDesignMask,
                                                        kWriteDesignMask, database);
          list.Add(name, code, stamp, permissions.read, permissions.write, false, linked_to_access);
        });
      }
    });
  });
}

std::shared_ptr<driver::IObject> Tables::ICollection_GetObject(const std::string& object_name) {
  return vxhandler::Guard(kClass, "ICollection_GetObject", [&] {
    auto project = Parent();
    auto table = std::make_shared<Table>();
    table->Initialize(project, project->Workspace(), project->Database(), object_name,
                      project->ExcludeLinkedTableFields());
    return std::static_pointer_cast<driver::IObject>(table);
  });
}

const std::vector<Command>& Tables::ObjectCommands() const {
  static const std::vector<Command> commands = {
      {"&Design", 26, false, "Open the table in design view."}};
  return commands;
}

void Tables::RunObjectCommand(const std::string& object_name, std::int32_t) {
  OpenForUser(*Parent(), "OpenTable", object_name);
}

}  // namespace objects
