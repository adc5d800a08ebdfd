#pragma once
// Microsoft DAO 3.6, the part the driver uses, early bound. Collections count
// positions from 0, as DAO does. Errors are DAO's numbers and texts:
//   3265 "Item not found in this collection."   (a missing member of a collection)
//   3270 "Property not found."                  (a missing member of Properties)
// and those each operation names below.

#include <cstdint>
#include <memory>
#include <string>

#include "com/dispatch.h"
#include "com/variant.h"

namespace dao {

// Jet's rule for the name of a table, query, field or index, which names that
// other parts keep for such objects (an import specification's columns) obey
// too: 1 to 64 characters, not beginning with a blank, without . ! ` [ ] or
// a control character. Raises 3125 "'name' is not a valid name. ..." for a
// name that breaks it.
void CheckName(const std::string& name);

// DataTypeEnum.
enum DataType : std::int16_t {
  dbBoolean = 1,
  dbByte = 2,
  dbInteger = 3,
  dbLong = 4,
  dbCurrency = 5,
  dbSingle = 6,
  dbDouble = 7,
  dbDate = 8,
  dbBinary = 9,
  dbText = 10,
  dbLongBinary = 11,
  dbMemo = 12,
  dbGUID = 15,
  dbBigInt = 16,
  dbVarBinary = 17,
  dbChar = 18,
  dbNumeric = 19,
  dbDecimal = 20,
  dbFloat = 21,
  dbTime = 22,
  dbTimeStamp = 23,
};

// FieldAttributeEnum.
inline constexpr std::int32_t dbFixedField = 0x1;
inline constexpr std::int32_t dbVariableField = 0x2;
inline constexpr std::int32_t dbAutoIncrField = 0x10;
inline constexpr std::int32_t dbUpdatableField = 0x20;
inline constexpr std::int32_t dbDescending = 0x1;  // on an index's field
inline constexpr std::int32_t dbHyperlinkField = 0x8000;

// TableDefAttributeEnum.
inline constexpr std::int32_t dbSystemObject = static_cast<std::int32_t>(0x80000002u);
inline constexpr std::int32_t dbHiddenObject = 0x1;
inline constexpr std::int32_t dbAttachExclusive = 0x10000;
inline constexpr std::int32_t dbAttachSavePWD = 0x20000;
inline constexpr std::int32_t dbAttachedODBC = 0x20000000;
inline constexpr std::int32_t dbAttachedTable = 0x40000000;

// RelationAttributeEnum.
inline constexpr std::int32_t dbRelationUnique = 0x1;
inline constexpr std::int32_t dbRelationDontEnforce = 0x2;
inline constexpr std::int32_t dbRelationInherited = 0x4;
inline constexpr std::int32_t dbRelationUpdateCascade = 0x100;
inline constexpr std::int32_t dbRelationDeleteCascade = 0x1000;

// QueryDefTypeEnum.
inline constexpr std::int16_t dbQSelect = 0;
inline constexpr std::int16_t dbQCrosstab = 16;
inline constexpr std::int16_t dbQDelete = 32;
inline constexpr std::int16_t dbQUpdate = 48;
inline constexpr std::int16_t dbQAppend = 64;
inline constexpr std::int16_t dbQMakeTable = 80;
inline constexpr std::int16_t dbQDDL = 96;
inline constexpr std::int16_t dbQSQLPassThrough = 112;
inline constexpr std::int16_t dbQSetOperation = 128;
inline constexpr std::int16_t dbQSPTBulk = 144;

// RecordsetTypeEnum.
inline constexpr std::int32_t dbOpenTable = 1;
inline constexpr std::int32_t dbOpenDynaset = 2;
inline constexpr std::int32_t dbOpenSnapshot = 4;

// Permissions (PermissionEnum), the bits the driver tests.
inline constexpr std::int32_t dbSecReadDef = 4;
inline constexpr std::int32_t dbSecWriteDef = 65548;
inline constexpr std::int32_t dbSecRetrieveData = 20;
inline constexpr std::int32_t dbSecReplaceData = 64;
inline constexpr std::int32_t dbSecFullAccess = 1048575;

class Property {
 public:
  virtual ~Property() = default;
  virtual std::string Name() = 0;
  virtual std::int16_t Type() = 0;
  virtual com::Variant Value() = 0;
  // Read-only built-in properties raise 3421 or 3027 as DAO does.
  virtual void SetValue(const com::Variant& value) = 0;
  // True when the property comes from the source table of a linked table.
  virtual bool Inherited() = 0;
};

template <class T>
class Collection {
 public:
  virtual ~Collection() = default;
  virtual std::int32_t Count() = 0;
  // By position from 0, or by name (letter case ignored); 3265 when absent.
  virtual std::shared_ptr<T> Item(std::int32_t position) = 0;
  virtual std::shared_ptr<T> Item(const std::string& name) = 0;
  virtual void Refresh() = 0;
};

// The Properties of an object: by name a missing one raises 3270.
class Properties : public Collection<Property> {
 public:
  // As Item by name, but nothing when the object has no such property: the
  // usual way to ask for an application-defined property, which most
  // objects do not have, without an error.
  virtual std::shared_ptr<Property> Find(const std::string& name) = 0;
  virtual void Append(std::shared_ptr<Property> property) = 0;
  // Deleting a built-in property raises 3384; a missing one 3265.
  virtual void Delete(const std::string& name) = 0;
};

// Anything that has Properties and can create properties for them.
class PropertyOwner {
 public:
  virtual ~PropertyOwner() = default;
  virtual std::shared_ptr<Properties> GetProperties() = 0;
  // A new property not yet appended; type 0 takes the type of the value.
  virtual std::shared_ptr<Property> CreateProperty(const std::string& name, std::int16_t type,
                                                   const com::Variant& value) = 0;
};

class Field : public PropertyOwner {
 public:
  virtual std::string Name() = 0;
  virtual void SetName(const std::string& name) = 0;
  virtual std::int16_t Type() = 0;
  virtual std::int32_t Attributes() = 0;
  virtual std::int32_t Size() = 0;
  virtual bool AllowZeroLength() = 0;
  virtual void SetAllowZeroLength(bool value) = 0;
  virtual bool Required() = 0;
  virtual void SetRequired(bool value) = 0;
  virtual com::Variant DefaultValue() = 0;
  virtual void SetDefaultValue(const com::Variant& value) = 0;
  virtual std::string ValidationRule() = 0;
  virtual void SetValidationRule(const std::string& value) = 0;
  virtual std::string ValidationText() = 0;
  virtual void SetValidationText(const std::string& value) = 0;
  // The matching field of the foreign table (fields of a Relation).
  virtual std::string ForeignName() = 0;
  // The value in the current row (fields of a Recordset); 3020 without Edit.
  virtual com::Variant Value() = 0;
  virtual void SetValue(const com::Variant& value) = 0;
};

class Fields : public Collection<Field> {};

class Index : public PropertyOwner {
 public:
  virtual std::string Name() = 0;
  virtual void SetName(const std::string& name) = 0;
  virtual bool Clustered() = 0;
  virtual bool Foreign() = 0;
  virtual bool IgnoreNulls() = 0;
  virtual bool Primary() = 0;
  virtual bool Required() = 0;
  virtual bool Unique() = 0;
  virtual std::shared_ptr<Fields> GetFields() = 0;
};

class Indexes : public Collection<Index> {};

class TableDef : public PropertyOwner {
 public:
  virtual std::string Name() = 0;
  // A name already taken raises 3012.
  virtual void SetName(const std::string& name) = 0;
  virtual std::int32_t Attributes() = 0;
  virtual void SetAttributes(std::int32_t value) = 0;
  virtual std::string Connect() = 0;
  virtual void SetConnect(const std::string& value) = 0;
  virtual std::string SourceTableName() = 0;
  virtual void SetSourceTableName(const std::string& value) = 0;
  virtual std::string ValidationRule() = 0;
  virtual void SetValidationRule(const std::string& value) = 0;
  virtual std::string ValidationText() = 0;
  virtual void SetValidationText(const std::string& value) = 0;
  virtual com::Date DateCreated() = 0;
  virtual com::Date LastUpdated() = 0;
  virtual std::shared_ptr<Fields> GetFields() = 0;
  virtual std::shared_ptr<Indexes> GetIndexes() = 0;
  // Re-reads a linked table's definition from its source; 3011 when the
  // source table is missing, 3024 when the source file is.
  virtual void RefreshLink() = 0;
};

class TableDefs : public Collection<TableDef> {
 public:
  // Appending a linked table checks its source (3011, 3024); a name already
  // taken raises 3010.
  virtual void Append(std::shared_ptr<TableDef> table) = 0;
  virtual void Delete(const std::string& name) = 0;
};

class QueryDef : public PropertyOwner {
 public:
  virtual std::string Name() = 0;
  virtual void SetName(const std::string& name) = 0;
  virtual std::string SQL() = 0;
  // Setting the SQL also sets the query's type from the text.
  virtual void SetSQL(const std::string& sql) = 0;
  virtual std::int16_t Type() = 0;
  virtual std::string Connect() = 0;
  virtual void SetConnect(const std::string& value) = 0;
  virtual std::int32_t MaxRecords() = 0;
  virtual void SetMaxRecords(std::int32_t value) = 0;
  virtual std::int16_t ODBCTimeout() = 0;
  virtual void SetODBCTimeout(std::int16_t value) = 0;
  virtual std::shared_ptr<Fields> GetFields() = 0;
};

class QueryDefs : public Collection<QueryDef> {};

class Relation {
 public:
  virtual ~Relation() = default;
  virtual std::string Name() = 0;
  virtual std::string Table() = 0;
  virtual std::string ForeignTable() = 0;
  virtual std::int32_t Attributes() = 0;
  virtual std::shared_ptr<Fields> GetFields() = 0;
};

class Relations : public Collection<Relation> {};

class Document : public PropertyOwner {
 public:
  virtual std::string Name() = 0;
  virtual std::string Container() = 0;
  // The account whose permissions Permissions and AllPermissions speak of.
  virtual std::string UserName() = 0;
  virtual void SetUserName(const std::string& name) = 0;
  virtual std::int32_t Permissions() = 0;
  virtual void SetPermissions(std::int32_t value) = 0;
  // The account's own permissions together with those of its groups.
  virtual std::int32_t AllPermissions() = 0;
  virtual std::string Owner() = 0;
  virtual void SetOwner(const std::string& account) = 0;
  virtual com::Date DateCreated() = 0;
  virtual com::Date LastUpdated() = 0;
};

class Documents : public Collection<Document> {};

class Container {
 public:
  virtual ~Container() = default;
  virtual std::string Name() = 0;
  virtual std::shared_ptr<Documents> GetDocuments() = 0;
};

class Containers : public Collection<Container> {};

class Recordset {
 public:
  virtual ~Recordset() = default;
  virtual bool IsEOF() = 0;  // DAO's EOF
  virtual void MoveNext() = 0;
  virtual std::shared_ptr<Fields> GetFields() = 0;
  virtual void Edit() = 0;
  virtual void Update() = 0;
  virtual void Close() = 0;
};

class Database : public com::Dispatch, public PropertyOwner {
 public:
  virtual std::string Name() = 0;
  virtual std::shared_ptr<TableDefs> GetTableDefs() = 0;
  virtual std::shared_ptr<QueryDefs> GetQueryDefs() = 0;
  virtual std::shared_ptr<Relations> GetRelations() = 0;
  virtual std::shared_ptr<Containers> GetContainers() = 0;
  // Runs one of the SELECT statements the driver uses on the system tables;
  // 3078 when a table does not exist.
  virtual std::shared_ptr<Recordset> OpenRecordset(const std::string& sql,
                                                   std::int32_t type = dbOpenDynaset) = 0;
  // A new table definition, not yet appended.
  virtual std::shared_ptr<TableDef> CreateTableDef(const std::string& name) = 0;
  virtual void Close() = 0;
};

class User {
 public:
  virtual ~User() = default;
  virtual std::string Name() = 0;
};

class Group {
 public:
  virtual ~Group() = default;
  virtual std::string Name() = 0;
};

class Users : public Collection<User> {};
class Groups : public Collection<Group> {};

class Workspace : public com::Dispatch {
 public:
  virtual std::string Name() = 0;
  virtual std::string UserName() = 0;
  // Opens a database file:
  //   3024 "Could not find file '<path>'."
  //   3343 "Unrecognized database format '<path>'."
  //   3031 "Not a valid password."
  //   3045 "Could not use '<path>'; file already in use." (held exclusively)
  //   3734 when the file admits no new connections.
  virtual std::shared_ptr<Database> OpenDatabase(const std::string& path, bool exclusive,
                                                 bool read_only, const std::string& connect) = 0;
  virtual void Close() = 0;
  virtual std::shared_ptr<Users> GetUsers() = 0;
  virtual std::shared_ptr<Groups> GetGroups() = 0;
};

class Workspaces : public Collection<Workspace> {};

class DBEngine : public com::Dispatch {
 public:
  virtual std::string SystemDB() = 0;
  virtual void SetSystemDB(const std::string& path) = 0;
  // Logs on to the workgroup of SystemDB: 3029 "Not a valid account name or
  // password." for an unknown user or a wrong password; 3028 when the
  // workgroup file cannot be read.
  virtual std::shared_ptr<Workspace> CreateWorkspace(const std::string& name,
                                                     const std::string& user,
                                                     const std::string& password) = 0;
  virtual std::shared_ptr<Workspaces> GetWorkspaces() = 0;
};

}  // namespace dao
