#include "objects/code/macros.h"

#include "driver/project.h"
#include "objects/data/permissions.h"
#include "platform/access.h"
#include "shared/vxhandler.h"

namespace objects {
namespace {

constexpr std::int32_t kMacroTypeCode = 4;
constexpr std::int32_t kMacroReadMask = 10;
constexpr std::int32_t kMacroWriteMask = 65542;

// The macros of an Access project, as Access lists them: all readable and writable.
void AddProjectMacros(driver::Project& project, ObjectList& list) {
  auto app = project.AccessApp();
  if (!app) return;
  auto all = com::CObj(com::CObj(app->Get("CurrentProject"))->Get("AllMacros"));
  const std::int32_t count = com::CLng(all->Get("Count"));
  for (std::int32_t i = 0; i < count; ++i)
    list.Add(com::CStr(com::CObj(all->Call("Item", {com::Variant(i)}))->Get("Name")), kMacroTypeCode,
             "", true, true, true, false);
}

}  // namespace

const com::TypeInfo& Macros::Members() const {
  static const com::TypeInfo info = com::TypeBuilder<Macros>(kClass).Build();
  return info;
}

std::string Macros::ICollection_EnumObjects() {
  return vxhandler::Guard(kClass, "ICollection_EnumObjects", [&] {
    auto project = Parent();
    if (project->ProjectType() != msaccess::acMDB) {
      ObjectList list;
      AddProjectMacros(*project, list);
      return list.Text();
    }
    return DatabaseObjectList([](driver::Project& project, dao::Database& database,
                                 ObjectList& list) {
      auto documents = RefreshedDocuments(database, "Scripts");
      for (std::int32_t i = 0; i < documents->Count(); ++i) {
        auto document = documents->Item(i);
        const auto permissions =
            GetDesignPermissions(*document, project, kMacroReadMask, kMacroWriteMask, *document);
        list.Add(document->Name(), kMacroTypeCode, "", permissions.read, permissions.write, true, false);
      }
    });
  });
}

std::shared_ptr<driver::IObject> Macros::ICollection_GetObject(const std::string& object_name) {
  return vxhandler::Guard(kClass, "ICollection_GetObject", [&] {
    return std::dynamic_pointer_cast<driver::IObject>(Parent()->GetMacro(object_name));
  });
}

}  // namespace objects
