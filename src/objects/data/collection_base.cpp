#include "objects/data/collection_base.h"

#include "driver/project.h"
#include "objects/data/permissions.h"
#include "platform/access.h"
#include "platform/system.h"
#include "shared/validation.h"
#include "shared/vxhandler.h"

namespace objects {

void CollectionBase::Initialize(std::shared_ptr<driver::Project> parent) {
  vxhandler::Guard(TypeName(), "Initialize", [&] { project_ = parent; });
}

void CollectionBase::TearDown() {
  vxhandler::Guard(TypeName(), "TearDown", [&] { project_.reset(); });
}

std::shared_ptr<driver::Project> CollectionBase::Parent() const {
  auto project = project_.lock();
  if (!project) validation::RaiseObjectNotInProperState();
  return project;
}

std::string CollectionBase::ICollection_EnumCommands() {
  return vxhandler::Guard(TypeName(), "ICollection_EnumCommands", [] { return std::string(); });
}

void CollectionBase::ICollection_ExecuteCommand(std::int32_t) {
  vxhandler::Guard(TypeName(), "ICollection_ExecuteCommand", [] {});
}

std::string CollectionBase::ICollection_EnumObjectCommands(const std::string&) {
  return vxhandler::Guard(TypeName(), "ICollection_EnumObjectCommands",
                          [&] { return CommandListText(ObjectCommands()); });
}

void CollectionBase::ICollection_ExecuteObjectCommand(const std::string& object_name,
                                                      std::int32_t command) {
  vxhandler::Guard(TypeName(), "ICollection_ExecuteObjectCommand", [&] {
    const auto& commands = ObjectCommands();
    if (commands.empty()) return;
    if (command < 0 || static_cast<std::size_t>(command) >= commands.size())
      validation::RaiseInvalidCaseSelector(com::Variant(command));
    RunObjectCommand(object_name, command);
  });
}

const std::vector<Command>& CollectionBase::ObjectCommands() const {
  static const std::vector<Command> none;
  return none;
}

void CollectionBase::RunObjectCommand(const std::string&, std::int32_t) {}

std::string CollectionBase::DatabaseObjectList(
    const std::function<void(driver::Project&, dao::Database&, ObjectList&)>& fill) const {
  auto project = Parent();
  ObjectList list;
  if (project->ProjectType() != msaccess::acMDB) return list.Text();
  auto database = project->Database();
  if (database) fill(*project, *database, list);
  return list.Text();
}

std::string CollectionBase::DocumentObjectList(const DocumentListing& listing) const {
  auto project = Parent();
  if (project->ProjectType() == msaccess::acMDB)
    return DatabaseObjectList([&](driver::Project& p, dao::Database& database, ObjectList& list) {
      auto documents = RefreshedDocuments(database, listing.container);
      for (std::int32_t i = 0; i < documents->Count(); ++i) {
        auto document = documents->Item(i);
        list.Each(listing.container, document->Name(), [&] {
          const auto permissions =
              GetDesignPermissions(*document, p, listing.read_mask, listing.write_mask, *document);
          list.Add(document->Name(), listing.type_code, "", permissions.read, permissions.write,
                   true, false);
        });
      }
    });
  ObjectList list;
  auto app = project->AccessApp();
  if (!app) return list.Text();
  auto all = com::CObj(com::CObj(app->Get("CurrentProject"))->Get(listing.all_member));
  const std::int32_t count = com::CLng(all->Get("Count"));
  for (std::int32_t i = 0; i < count; ++i)
    list.Add(com::CStr(com::CObj(all->Call("Item", {com::Variant(i)}))->Get("Name")),
             listing.type_code, "", true, true, true, false);
  return list.Text();
}

std::shared_ptr<dao::Documents> RefreshedDocuments(dao::Database& database,
                                                   const std::string& container) {
  auto documents = database.GetContainers()->Item(container)->GetDocuments();
  documents->Refresh();
  return documents;
}

com::ObjectRef OpenForUser(driver::Project& project, const char* do_cmd_operation,
                           const std::string& object_name) {
  auto app = project.AccessApp();
  if (!app) return nullptr;
  constexpr std::int32_t kRestore = 9;
  platform::System::Current().windows().ShowWindow(com::CLng(app->Get("hWndAccessApp")), kRestore);
  com::CObj(app->Get("DoCmd"))
      ->Call(do_cmd_operation, {com::Variant(object_name), com::Variant(msaccess::acViewDesign)});
  return app;
}

}  // namespace objects
