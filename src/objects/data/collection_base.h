#pragma once
// What every top-level collection does: it holds its project (without
// keeping it alive), offers no collection commands, and runs the object
// commands of its class by their position in the command list.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "com/dispatch.h"
#include "driver/icollection.h"
#include "objects/data/object_list.h"
#include "platform/dao.h"

namespace driver {
class Project;
}

namespace objects {

class CollectionBase : public com::Dispatch, public driver::ICollection {
 public:
  void Initialize(std::shared_ptr<driver::Project> parent);
  void TearDown();

  std::string ICollection_EnumCommands() override;
  void ICollection_ExecuteCommand(std::int32_t command) override;
  std::string ICollection_EnumObjectCommands(const std::string& object_name) override;
  void ICollection_ExecuteObjectCommand(const std::string& object_name,
                                        std::int32_t command) override;

 protected:
  // The owning project; raises "Object not in proper state." once torn down.
  std::shared_ptr<driver::Project> Parent() const;
  // The class's object commands, in list order (none by default).
  virtual const std::vector<Command>& ObjectCommands() const;
  virtual void RunObjectCommand(const std::string& object_name, std::int32_t command);
  // The object list of a collection kept in an Access database: empty for an
  // Access project and when the database cannot be opened, otherwise the
  // lines `fill` adds.
  std::string DatabaseObjectList(
      const std::function<void(driver::Project&, dao::Database&, ObjectList&)>& fill) const;
  // The object list of a kind of document Access keeps: in a database, the
  // documents of its DAO container with the design permissions of the masks
  // (flags 1 and 0); in an Access project, the items of CurrentProject's list
  // (`all_member`), every one readable and writable.
  struct DocumentListing {
    const char* container;
    const char* all_member;
    std::int32_t type_code;
    std::int32_t read_mask;
    std::int32_t write_mask;
  };
  std::string DocumentObjectList(const DocumentListing& listing) const;

 private:
  std::weak_ptr<driver::Project> project_;
};

// The documents of one of the database's containers, read afresh.
std::shared_ptr<dao::Documents> RefreshedDocuments(dao::Database& database,
                                                   const std::string& container);

// Opens an object in Access for the user: restores the Access window and
// runs the DoCmd operation in design view; nothing when Access is not there.
// Returns the Access application it used, or nothing.
com::ObjectRef OpenForUser(driver::Project& project, const char* do_cmd_operation,
                           const std::string& object_name);

}  // namespace objects
