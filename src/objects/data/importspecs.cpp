#include "objects/data/importspecs.h"

#include "driver/project.h"
#include "objects/data/importspec.h"
#include "objects/data/system_tables.h"
#include "platform/access.h"
#include "shared/vxhandler.h"

namespace objects {
namespace {

constexpr std::int32_t kImportSpecCode = 3;

std::shared_ptr<dao::Document> FindDocument(dao::Documents& documents, const std::string& name) {
  std::shared_ptr<dao::Document> document;
  com::IgnoreErrors([&] { document = documents.Item(name); });
  return document;
}

// Reading and changing specifications needs the permissions to read and to
// replace the data of both system tables (when they exist).
std::pair<bool, bool> SpecificationPermissions(driver::Project& project, dao::Database& database) {
  std::shared_ptr<dao::Document> specs, columns;
  com::IgnoreErrors([&] {
    auto documents = database.GetContainers()->Item("Tables")->GetDocuments();
    specs = FindDocument(*documents, "MSysIMEXSpecs");
    columns = FindDocument(*documents, "MSysIMEXColumns");
  });
  if (!specs || !columns) return {true, true};
  specs->SetUserName(project.DatabaseUser());
  columns->SetUserName(project.DatabaseUser());
  const std::int32_t all = specs->AllPermissions() & columns->AllPermissions();
  return {(all & dao::dbSecRetrieveData) == dao::dbSecRetrieveData,
          (all & dao::dbSecReplaceData) == dao::dbSecReplaceData && project.IsUpdatable()};
}

}  // namespace

const com::TypeInfo& ImportSpecs::Members() const {
  static const com::TypeInfo info = com::TypeBuilder<ImportSpecs>(kClass).Build();
  return info;
}

std::string ImportSpecs::ICollection_EnumObjects() {
  return vxhandler::Guard(kClass, "ICollection_EnumObjects", [&] {
    return DatabaseObjectList([](driver::Project& project, dao::Database& database,
                                 ObjectList& list) {
      const auto [read, write] = SpecificationPermissions(project, database);
      std::shared_ptr<dao::Recordset> rows;
      if (com::Capture([&] {
            rows = database.OpenRecordset("SELECT SpecName FROM MSysIMEXSpecs ORDER BY SpecName",
                                          dao::dbOpenDynaset);
          }))
        return;
      for (; !rows->IsEOF(); rows->MoveNext())
        list.Add(TextValue(rows->GetFields()->Item("SpecName")->Value()), kImportSpecCode, "",
                 read, write, false, false);
      rows->Close();
    });
  });
}

std::shared_ptr<driver::IObject> ImportSpecs::ICollection_GetObject(
    const std::string& object_name) {
  return vxhandler::Guard(kClass, "ICollection_GetObject", [&] {
    auto project = Parent();
    auto spec = std::make_shared<ImportSpec>();
    spec->Initialize(project, project->Workspace(), project->Database(), object_name);
    return std::static_pointer_cast<driver::IObject>(spec);
  });
}

}  // namespace objects
