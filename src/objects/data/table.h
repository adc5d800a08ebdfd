#pragma once
// One table of an Access database (a DAO TableDef). Renaming and relinking
// take effect in the database at once; leaving update mode saves nothing.

#include <memory>
#include <string>

#include "objects/data/object_base.h"
#include "platform/dao.h"

namespace objects {

class Fields;
class Indexes;

enum TableTypeConstants : std::int32_t { acBaseTable = 1, acLinkedTable = 4, acODBCTable = 6 };

class Table : public ObjectBase {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "Table";

 public:
  Table() : ObjectBase("Tables") {}
  const com::TypeInfo& Members() const override;

  void Initialize(std::shared_ptr<driver::Project> parent,
                  std::shared_ptr<dao::Workspace> workspace,
                  std::shared_ptr<dao::Database> database, const std::string& name,
                  bool exclude_fields);

  std::string Name() const { return name_; }
  void SetName(const std::string& name);
  std::shared_ptr<Indexes> GetIndexes();
  std::shared_ptr<Fields> GetFields();
  std::string Connect();
  void SetConnect(const std::string& connect);
  std::string Description();
  void SetDescription(const std::string& value);
  std::string Filter();
  void SetFilter(const std::string& value);
  std::string OrderBy();
  void SetOrderBy(const std::string& value);
  std::string SourceTableName();
  void SetSourceTableName(const std::string& value);
  TableTypeConstants TableType();
  std::string ValidationRule();
  void SetValidationRule(const std::string& value);
  std::string ValidationText();
  void SetValidationText(const std::string& value);

  void IObject_Reconstitute() override;

 protected:
  void Open(std::int32_t mode) override;
  void Close() override;
  void DropReferences() override;

 private:
  dao::TableDef& Def();
  dao::Properties& Props();
  // A linked table has a Connect and a SourceTableName; a local one Indexes.
  bool IsLinked();
  bool IsLocal();
  std::string AppDefined(const char* name);
  void SetAppDefined(const char* name, const std::string& value);
  void TearDownSubCollections();
  void RefuseFrontEndRelationships();
  void Relink(const std::string& source_table);

  std::shared_ptr<driver::Project> project_;
  std::shared_ptr<dao::Workspace> workspace_;
  std::shared_ptr<dao::Database> database_;
  bool exclude_fields_ = false;
  std::shared_ptr<dao::TableDef> table_def_;
  std::shared_ptr<dao::Properties> properties_;
  std::shared_ptr<Indexes> indexes_;
  std::shared_ptr<Fields> fields_;
};

}  // namespace objects
