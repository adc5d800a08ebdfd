#include "objects/code/modules.h"

#include "driver/project.h"
#include "platform/access.h"
#include "platform/system.h"
#include "shared/validation.h"
#include "shared/vxhandler.h"

namespace objects {

const com::TypeInfo& Modules::Members() const {
  static const com::TypeInfo info = com::TypeBuilder<Modules>(kClass).Build();
  return info;
}

std::string Modules::ICollection_EnumObjects() {
  return vxhandler::Guard(kClass, "ICollection_EnumObjects", [&] {
    return DocumentObjectList({.container = "Modules", .all_member = "AllModules", .type_code = 6,
                               .read_mask = 2, .write_mask = 65542});
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
