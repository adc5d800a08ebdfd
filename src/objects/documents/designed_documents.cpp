#include "objects/documents/designed_documents.h"

#include "driver/iobject.h"
#include "driver/project.h"
#include "shared/vxhandler.h"

namespace objects {

std::string DesignedDocuments::ICollection_EnumObjects() {
  return vxhandler::Guard(kind_.class_name, "ICollection_EnumObjects",
                          [&] { return DocumentObjectList(kind_.listing); });
}

std::shared_ptr<driver::IObject> DesignedDocuments::ICollection_GetObject(
    const std::string& object_name) {
  return vxhandler::Guard(kind_.class_name, "ICollection_GetObject", [&] {
    return std::dynamic_pointer_cast<driver::IObject>(kind_.get(*Parent(), object_name));
  });
}

const std::vector<Command>& DesignedDocuments::ObjectCommands() const { return commands_; }

void DesignedDocuments::RunObjectCommand(const std::string& object_name, std::int32_t) {
  auto project = Parent();
  project->CloseDatabase();
  OpenForUser(*project, kind_.open_action, object_name);
}

}  // namespace objects
