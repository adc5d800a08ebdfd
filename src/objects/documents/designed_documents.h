#pragma once
// What the form and report lists share: the documents of one kind, listed
// with their design permissions, each object made in the Access session, and
// one command that opens a document in design view for the user.

#include <string>

#include "objects/data/collection_base.h"

namespace objects {

class DesignedDocuments : public CollectionBase {
 public:
  struct Kind {
    const char* class_name;
    DocumentListing listing;
    const char* design_help;  // the design command's help text
    const char* open_action;  // the DoCmd action that opens one
    com::ObjectRef (*get)(driver::Project& project, const std::string& name);
  };

  std::string ICollection_EnumObjects() override;
  std::shared_ptr<driver::IObject> ICollection_GetObject(const std::string& object_name) override;

 protected:
  explicit DesignedDocuments(const Kind& kind) : kind_(kind) {}

  const std::vector<Command>& ObjectCommands() const override;
  void RunObjectCommand(const std::string& object_name, std::int32_t command) override;

 private:
  const Kind& kind_;
  std::vector<Command> commands_{{"&Design", 26, false, kind_.design_help}};
};

}  // namespace objects
