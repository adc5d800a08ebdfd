#pragma once
// One relationship of an Access database (a DAO Relation), read-only to the
// host: its tables and fields are scanned, never changed.

#include <memory>
#include <string>

#include "objects/data/object_base.h"
#include "platform/dao.h"

namespace objects {

class Relationship : public ObjectBase {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "Relationship";

 public:
  Relationship() : ObjectBase("Relationships") {}
  const com::TypeInfo& Members() const override;

  void Initialize(std::shared_ptr<driver::Project> parent,
                  std::shared_ptr<dao::Database> database, const std::string& name);

  bool CascadeDelete();
  bool CascadeUpdate();
  bool EnforceIntegrity();
  // The related fields, "OrderID, LineNo", and their matches in the foreign table.
  std::string Fields();
  std::string ForeignFields();
  std::string ForeignTable();
  std::string Name() const { return name_; }
  std::string Table();
  bool Unique();

 protected:
  void Open(std::int32_t mode) override;
  void Close() override;
  void DropReferences() override;

 private:
  dao::Relation& Dao();
  std::string FieldList(bool foreign);

  std::shared_ptr<driver::Project> project_;
  std::shared_ptr<dao::Database> database_;
  std::shared_ptr<dao::Document> document_;
  std::shared_ptr<dao::Relation> relation_;
};

}  // namespace objects
