#include "objects/data/relationships.h"

#include "com/date_time.h"
#include "com/text.h"
#include "driver/project.h"
#include "objects/data/permissions.h"
#include "objects/data/relationship.h"
#include "platform/access.h"
#include "shared/validation.h"
#include "shared/vxhandler.h"

namespace objects {
namespace {

constexpr const char* kClass = "Relationships";
constexpr std::int32_t kRelationshipCode = 17;

// Relations of the clipboard, inherited from a linked database, or named by
// a GUID are Jet's own and never listed.
bool IsListed(dao::Relation& relation) {
  const std::string name = relation.Name();
  if (com::StartsWithNoCase(name, "~TMPCLP")) return false;
  if (relation.Attributes() & dao::dbRelationInherited) return false;
  return !validation::IsBracedGuid(name);
}

}  // namespace

const com::TypeInfo& Relationships::Members() const {
  static const com::TypeInfo info = com::TypeBuilder<Relationships>(kClass).Build();
  return info;
}

std::string Relationships::ICollection_EnumObjects() {
  return vxhandler::Guard(kClass, "ICollection_EnumObjects", [&] {
    auto project = Parent();
    ObjectList list;
    if (project->ProjectType() != msaccess::acMDB) return list.Text();
    auto database = project->Database();
    if (!database) return list.Text();
    auto relations = database->GetRelations();
    relations->Refresh();
    auto containers = database->GetContainers();
    auto tables = containers->Item("Tables")->GetDocuments();
    auto relationships = containers->Item("Relationships")->GetDocuments();
    tables->Refresh();
    relationships->Refresh();
    for (std::int32_t i = 0; i < relations->Count(); ++i) {
      auto relation = relations->Item(i);
      if (!IsListed(*relation)) continue;
      auto own = relationships->Item(relation->Name());
      const std::string stamp = com::FormatStamp(own->LastUpdated()) + "." +
                                com::FormatStamp(tables->Item(relation->Table())->LastUpdated()) +
                                "." +
                                com::FormatStamp(
                                    tables->Item(relation->ForeignTable())->LastUpdated());
      const auto permissions =
          GetDesignPermissions(*own, *project, kReadDesignMask, kWriteDesignMask, *database);
      list.Add(relation->Name(), kRelationshipCode, stamp, permissions.read, permissions.write,
               false, false);
    }
    return list.Text();
  });
}

std::shared_ptr<driver::IObject> Relationships::ICollection_GetObject(
    const std::string& object_name) {
  return vxhandler::Guard(kClass, "ICollection_GetObject", [&] {
    auto project = Parent();
    auto relationship = std::make_shared<Relationship>();
    relationship->Initialize(project, project->Database(), object_name);
    return std::static_pointer_cast<driver::IObject>(relationship);
  });
}

}  // namespace objects
