#include "objects/documents/forms.h"

#include "driver/iobject.h"
#include "driver/project.h"
#include "shared/vxhandler.h"

namespace objects {

const com::TypeInfo& Forms::Members() const {
  static const com::TypeInfo info = com::TypeBuilder<Forms>(kClass).Build();
  return info;
}

std::string Forms::ICollection_EnumObjects() {
  return vxhandler::Guard(kClass, "ICollection_EnumObjects", [&] {
    return DocumentObjectList({.container = "Forms", .all_member = "AllForms", .type_code = 2,
                               .read_mask = 4, .write_mask = 65548});
  });
}

std::shared_ptr<driver::IObject> Forms::ICollection_GetObject(const std::string& object_name) {
  return vxhandler::Guard(kClass, "ICollection_GetObject", [&] {
    return std::dynamic_pointer_cast<driver::IObject>(Parent()->GetForm(object_name));
  });
}

const std::vector<Command>& Forms::ObjectCommands() const {
  static const std::vector<Command> commands = {
      {"&Design", 26, false, "Open the form in design view."}};
  return commands;
}

void Forms::RunObjectCommand(const std::string& object_name, std::int32_t) {
  auto project = Parent();
  project->CloseDatabase();
  OpenForUser(*project, "OpenForm", object_name);
}

}  // namespace objects
