#include "objects/documents/data_access_pages.h"

#include "driver/iobject.h"
#include "driver/project.h"
#include "shared/validation.h"
#include "shared/vxhandler.h"

namespace objects {
namespace {

// Access's answer when it cannot show a page: the action was cancelled.
constexpr std::int32_t kActionCanceled = 2501;

}  // namespace

const com::TypeInfo& DataAccessPages::Members() const {
  static const com::TypeInfo info = com::TypeBuilder<DataAccessPages>(kClass).Build();
  return info;
}

std::string DataAccessPages::ICollection_EnumObjects() {
  return vxhandler::Guard(kClass, "ICollection_EnumObjects", [&] {
    return DocumentObjectList({.container = "DataAccessPages",
                               .all_member = "AllDataAccessPages",
                               .type_code = 2,
                               .read_mask = 4,
                               .write_mask = 65548});
  });
}

std::shared_ptr<driver::IObject> DataAccessPages::ICollection_GetObject(
    const std::string& object_name) {
  return vxhandler::Guard(kClass, "ICollection_GetObject", [&] {
    return std::dynamic_pointer_cast<driver::IObject>(Parent()->GetDataAccessPage(object_name));
  });
}

const std::vector<Command>& DataAccessPages::ObjectCommands() const {
  static const std::vector<Command> commands = {
      {"&Design", 26, false, "Open the data access page in design view."}};
  return commands;
}

void DataAccessPages::RunObjectCommand(const std::string& object_name, std::int32_t) {
  auto project = Parent();
  project->CloseDatabase();
  const auto error =
      com::Capture([&] { OpenForUser(*project, "OpenDataAccessPage", object_name); });
  if (!error) return;
  if (error->Number() == kActionCanceled)
    validation::RaiseMessage(
        "Couldn't open data access page. The corresponding HTML file may have been moved, "
        "renamed, or deleted.");
  validation::RaiseMessage(error->Description());
}

}  // namespace objects
