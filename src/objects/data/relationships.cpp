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
    return DatabaseObjectList([](driver::Project& project, dao::Database& database,
                                 ObjectList& list) {
      auto relations = database.GetRelations();
      relations->Refresh();
      auto tables = RefreshedDocuments(database, "Tables");
      auto relationships = RefreshedDocuments(database, "Relationships");
      auto stamp = [&](dao::Documents& documents, const std::string& name) {
        return com::FormatStamp(documents.Item(name)->LastUpdated());
      };
      for (std::int32_t i = 0; i < relations->Count(); ++i) {
        auto relation = relations->Item(i);
        if (!IsListed(*relation)) continue;
        list.Each(kClass, relation->Name(), [&] {
          auto own = relationships->Item(relation->Name());
          const auto permissions =
              GetDesignPermissions(*own, project, kReadDesignMask, kWriteDesignMask, database);
          list.Add(relation->Name(), kRelationshipCode,
                   stamp(*relationships, relation->Name()) + "." +
                       stamp(*tables, relation->Table()) + "." +
                       stamp(*tables, relation->ForeignTable()),
                   permissions.read, permissions.write, false, false);
        });
      }
    });
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
