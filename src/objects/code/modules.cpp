#include "objects/code/modules.h"

#include "driver/project.h"
#include "objects/data/permissions.h"
#include "platform/access.h"
#include "platform/system.h"
#include "shared/validation.h"
#include "shared/vxhandler.h"

namespace objects {
namespace {

constexpr std::int32_t kTypeCode = 6;
constexpr std::int32_t kReadMask = 2;
constexpr std::int32_t kWriteMask = 65542;

// The modules of an Access project, as Access lists them: all readable and writable.
void AddProjectModules(driver::Project& project, ObjectList& list) {
  auto app = project.AccessApp();
  if (!app) return;
  auto all = com::CObj(com::CObj(app->Get("CurrentProject"))->Get("AllModules"));
  const std::int32_t count = com::CLng(all->Get("Count"));
  for (std::int32_t i = 0; i < count; ++i)
    list.Add(com::CStr(com::CObj(all->Call("Item", {com::Variant(i)}))->Get("Name")), kTypeCode,
             "", true, true, true, false);
}

}  // namespace

const com::TypeInfo& Modules::Members() const {
  static const com::TypeInfo info = com::TypeBuilder<Modules>(kClass).Build();
  return info;
}

std::string Modules::ICollection_EnumObjects() {
  return vxhandler::Guard(kClass, "ICollection_EnumObjects", [&] {
    auto project = Parent();
    if (project->ProjectType() != msaccess::acMDB) {
      ObjectList list;
      AddProjectModules(*project, list);
      return list.Text();
    }
    return DatabaseObjectList([](driver::Project& project, dao::Database& database,
                                 ObjectList& list) {
      auto documents = RefreshedDocuments(database, "Modules");
      for (std::int32_t i = 0; i < documents->Count(); ++i) {
        auto document = documents->Item(i);
        const auto permissions =
            GetDesignPermissions(*document, project, kReadMask, kWriteMask, *document);
        list.Add(document->Name(), kTypeCode, "", permissions.read, permissions.write, true, false);
      }
    });
  });
}

std::shared_ptr<driver::IObject> Modules::ICollection_GetObject(const std::string& object_name) {
  return vxhandler::Guard(kClass, "ICollection_GetObject", [&] {
    return std::dynamic_pointer_cast<driver::IObject>(Parent()->GetModule(object_name));
  });
}

const std::vector<Command>& Modules::ObjectCommands() const {
  static const std::vector<Command> commands = {
      {"&Design", 26, false, "Open the module in design view."}};
  return commands;
}

void Modules::RunObjectCommand(const std::string& object_name, std::int32_t) {
  auto project = Parent();
  project->CloseDatabase();
  auto app = project->AccessApp();
  if (!app) return;
  constexpr std::int32_t kRestore = 9;
  platform::System::Current().windows().ShowWindow(com::CLng(app->Get("hWndAccessApp")), kRestore);
  com::CObj(app->Get("DoCmd"))->Call("OpenModule", {com::Variant(object_name)});
}

}  // namespace objects
