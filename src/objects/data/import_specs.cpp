#include "objects/data/import_specs.h"

#include "driver/project.h"
#include "objects/data/import_spec.h"
#include "objects/data/system_tables.h"
#include "platform/access.h"
#include "shared/vxhandler.h"

namespace objects {
namespace {

constexpr const char* kClass = "ImportSpecs";
constexpr std::int32_t kImportSpecCode = 3;

std::shared_ptr<dao::Document> FindDocument(dao::Documents& documents, const std::string& name) {
  std::shared_ptr<dao::Document> document;
  com::IgnoreErrors([&] { document = documents.Item(name); });
  return document;
}

}  // namespace

const com::TypeInfo& ImportSpecs::Members() const {
  static const com::TypeInfo info = com::TypeBuilder<ImportSpecs>(kClass).Build();
  return info;
}

std::string ImportSpecs::ICollection_EnumObjects() {
  return vxhandler::Guard(kClass, "ICollection_EnumObjects", [&] {
    auto project = Parent();
    ObjectList list;
    if (project->ProjectType() != msaccess::acMDB) return list.Text();
    auto database = project->Database();
    if (!database) return list.Text();
    std::shared_ptr<dao::Document> specs, columns;
    com::IgnoreErrors([&] {
      auto documents = database->GetContainers()->Item("Tables")->GetDocuments();
      specs = FindDocument(*documents, "MSysIMEXSpecs");
      columns = FindDocument(*documents, "MSysIMEXColumns");
    });
    bool read = true, write = true;
    if (specs && columns) {
      specs->SetUserName(project->DatabaseUser());
      columns->SetUserName(project->DatabaseUser());
      const std::int32_t all = specs->AllPermissions() & columns->AllPermissions();
      read = (all & dao::dbSecRetrieveData) == dao::dbSecRetrieveData;
      write = (all & dao::dbSecReplaceData) == dao::dbSecReplaceData && project->IsUpdatable();
    }
    std::shared_ptr<dao::Recordset> rows;
    if (com::Capture([&] {
          rows = database->OpenRecordset("SELECT SpecName FROM MSysIMEXSpecs ORDER BY SpecName",
                                         dao::dbOpenDynaset);
        }))
      return list.Text();
    for (; !rows->IsEOF(); rows->MoveNext())
      list.Add(TextValue(rows->GetFields()->Item("SpecName")->Value()), kImportSpecCode, "", read,
               write, false, false);
    rows->Close();
    return list.Text();
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
