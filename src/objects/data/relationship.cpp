#include "objects/data/relationship.h"

#include "shared/vxhandler.h"

namespace objects {
namespace {
}

const com::TypeInfo& Relationship::Members() const {
  static const com::TypeInfo info = com::TypeBuilder<Relationship>(kClass)
                                        .Get("CascadeDelete", &Relationship::CascadeDelete)
                                        .Get("CascadeUpdate", &Relationship::CascadeUpdate)
                                        .Get("EnforceIntegrity", &Relationship::EnforceIntegrity)
                                        .Get("Fields", &Relationship::Fields)
                                        .Get("ForeignFields", &Relationship::ForeignFields)
                                        .Get("ForeignTable", &Relationship::ForeignTable)
                                        .Get("Name", &Relationship::Name)
                                        .Get("Table", &Relationship::Table)
                                        .Get("Unique", &Relationship::Unique)
                                        .Build();
  return info;
}

void Relationship::Initialize(std::shared_ptr<driver::Project> parent,
                              std::shared_ptr<dao::Database> database, const std::string& name) {
  vxhandler::Guard(kClass, "Initialize", [&] {
    project_ = std::move(parent);
    database_ = std::move(database);
    name_ = name;
    mode_ = 0;
  });
}

void Relationship::Open(std::int32_t) {
  if (!database_) com::RaiseVb(91);
  document_ = database_->GetContainers()->Item("Relationships")->GetDocuments()->Item(name_);
  relation_ = database_->GetRelations()->Item(name_);
}

void Relationship::Close() {
  document_.reset();
  relation_.reset();
}

void Relationship::DropReferences() {
  Close();
  database_.reset();
  project_.reset();
}

dao::Relation& Relationship::Dao() {
  if (!relation_) com::RaiseVb(91);
  return *relation_;
}

bool Relationship::CascadeDelete() { return Dao().Attributes() & dao::dbRelationDeleteCascade; }
bool Relationship::CascadeUpdate() { return Dao().Attributes() & dao::dbRelationUpdateCascade; }
bool Relationship::EnforceIntegrity() {
  return !(Dao().Attributes() & dao::dbRelationDontEnforce);
}
bool Relationship::Unique() { return Dao().Attributes() & dao::dbRelationUnique; }
std::string Relationship::ForeignTable() { return Dao().ForeignTable(); }
std::string Relationship::Table() { return Dao().Table(); }

std::string Relationship::FieldList(bool foreign) {
  std::string list;
  auto fields = Dao().GetFields();
  for (std::int32_t i = 0; i < fields->Count(); ++i) {
    auto field = fields->Item(i);
    if (i > 0) list += ", ";
    list += foreign ? field->ForeignName() : field->Name();
  }
  return list;
}

std::string Relationship::Fields() {
  return vxhandler::Guard(kClass, "Fields", [&] { return FieldList(false); });
}

std::string Relationship::ForeignFields() {
  return vxhandler::Guard(kClass, "ForeignFields", [&] { return FieldList(true); });
}

}  // namespace objects
