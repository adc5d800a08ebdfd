#include "sim/jet/dao_errors.h"

#include <map>

#include "com/error.h"

namespace sim::jet {
namespace {

// "%s" stands for the name the error is about.
const std::map<std::int32_t, std::string>& Texts() {
  static const std::map<std::int32_t, std::string> texts = {
      {kDaoTableExists, "Table '%s' already exists."},
      {kDaoObjectNotFound,
       "The Microsoft Jet database engine could not find the object '%s'. Make sure the object "
       "exists and that you spell its name and the path name correctly."},
      {kDaoObjectExists, "Object '%s' already exists."},
      {kDaoUpdateWithoutEdit, "Update or CancelUpdate without AddNew or Edit."},
      {kDaoNoCurrentRecord, "No current record."},
      {kDaoDuplicateValues,
       "The changes you requested to the table were not successful because they would create "
       "duplicate values in the index, primary key, or relationship. Change the data in the "
       "field or fields that contain duplicate data, remove the index, or redefine the index to "
       "permit duplicate entries and try again."},
      {kDaoFileNotFound, "Could not find file '%s'."},
      {kDaoReadOnly, "Cannot update. Database or object is read-only."},
      {kDaoDamaged,
       "Cannot open database '%s'. It may not be a database that your application recognizes, "
       "or the file may be corrupt."},
      {kDaoWorkgroupMissing,
       "Can't start your application. The workgroup information file is missing or opened "
       "exclusively by another user."},
      {kDaoBadAccount, "Not a valid account name or password."},
      {kDaoBadPassword, "Not a valid password."},
      {kDaoNoPermission,
       "You do not have the necessary permissions to use the '%s' object. Have your system "
       "administrator or the person who created this object establish the appropriate "
       "permissions for you."},
      {kDaoFileInUse, "Could not use '%s'; file already in use."},
      {kDaoTooFewParameters, "Too few parameters. Expected %s."},
      {kDaoSyntaxError, "Syntax error (missing operator) in query expression '%s'."},
      {kDaoInputTableMissing,
       "The Microsoft Jet database engine cannot find the input table or query '%s'. Make sure "
       "it exists and that its name is spelled correctly."},
      {kDaoInvalidSqlStatement,
       "Invalid SQL statement; expected 'DELETE', 'INSERT', 'PROCEDURE', 'SELECT', or "
       "'UPDATE'."},
      {kDaoCharactersAfterEnd, "Characters found after end of SQL statement."},
      {kDaoFieldTooSmall,
       "The field is too small to accept the amount of data you attempted to add. Try inserting "
       "or pasting less data."},
      {kDaoFieldDefinedTwice, "Can't define field more than once."},
      {kDaoLocked, "Could not update; currently locked."},
      {kDaoInvalidOperation, "Invalid operation."},
      {kDaoNoFieldDefined, "No field defined--cannot append TableDef or Index."},
      {kDaoItemNotFound, "Item not found in this collection."},
      {kDaoPropertyFixedInCollection,
       "Cannot set this property once the object is part of a collection."},
      {kDaoPropertyNotFound, "Property not found."},
      {kDaoUsedInRelationship,
       "Cannot delete this index or table. It is either the current index or is used in a "
       "relationship."},
      {kDaoIndexExists, "Index already exists."},
      {kDaoUnrecognizedFormat, "Unrecognized database format '%s'."},
      {kDaoNameInCollection,
       "Cannot append. An object with that name already exists in the collection."},
      {kDaoBuiltInProperty, "Can't delete a built-in property."},
      {kDaoAccountExists, "Account name already exists."},
      {kDaoObjectInvalid, "Object invalid or no longer set."},
      {kDaoConversionError, "Data type conversion error."},
  };
  return texts;
}

std::string TextOf(std::int32_t number, const std::string& name) {
  const auto found = Texts().find(number);
  if (found == Texts().end()) return "Reserved error (" + std::to_string(number) + ").";
  std::string text = found->second;
  if (const auto slot = text.find("%s"); slot != std::string::npos) text.replace(slot, 2, name);
  return text;
}

}  // namespace

void RaiseDao(std::int32_t number) { com::Raise(number, TextOf(number, "")); }

void RaiseDao(std::int32_t number, const std::string& name) {
  com::Raise(number, TextOf(number, name));
}

void RaiseStateBlocksOpening(const std::string& computer) {
  com::Raise(kDaoStatePreventsOpening,
             "The database has been placed in a state by user 'Admin' on machine '" + computer +
                 "' that prevents it from being opened or locked.");
}

}  // namespace sim::jet
