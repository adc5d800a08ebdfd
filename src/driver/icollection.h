#pragma once
// ICollection: a top-level collection (Tables, Queries, Forms, ...).

#include <cstdint>
#include <memory>
#include <string>

namespace driver {

class IObject;

// The type codes of tables in an object list (its second field).
enum TableTypeCode : std::int32_t {
  kLocalTableCode = 20,
  kHtmlTableCode = 21,
  kLinkedTableCode = 22,  // another Access database, a spreadsheet, ...
  kOdbcTableCode = 23,
  kTextTableCode = 24,
};

class ICollection {
 public:
  virtual ~ICollection() = default;
  // The object list: one line per object, seven tab-separated fields, lines
  // joined by CR LF.
  virtual std::string ICollection_EnumObjects() = 0;
  virtual std::shared_ptr<IObject> ICollection_GetObject(const std::string& object_name) = 0;
  virtual std::string ICollection_EnumCommands() = 0;
  virtual void ICollection_ExecuteCommand(std::int32_t command) = 0;
  // The command list: one line per command, four tab-separated fields.
  virtual std::string ICollection_EnumObjectCommands(const std::string& object_name) = 0;
  virtual void ICollection_ExecuteObjectCommand(const std::string& object_name,
                                                std::int32_t command) = 0;
};

}  // namespace driver
