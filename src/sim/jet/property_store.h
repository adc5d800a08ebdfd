#pragma once
// Application-defined properties (and the inherited copies of a linked
// table's), kept per owner: an object of MSysObjects, a table's field or
// index, or a field of a query. Writing one is a design change of the object
// that owns it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sim/jet/catalog.h"
#include "sim/jet/database_builder.h"

namespace sim::jet {

struct PropertyKey {
  enum Kind : std::int16_t { kObject = 0, kField = 1, kIndex = 2, kQueryField = 3 };
  Kind kind = kObject;
  std::int64_t id = 0;  // object, field or index id; the query's for a query field
  std::string member;   // the field's name for a query field
};

class PropertyStore {
 public:
  explicit PropertyStore(Catalog& catalog) : catalog_(catalog) {}

  // In the order they were appended.
  std::vector<PropertySpec> List(const PropertyKey& key);
  // The property as this connection last read it, until the next write; none
  // when the owner has none of that name.
  const PropertySpec* Find(const PropertyKey& key, const std::string& name);
  // Appends a new one; 3367 when the name is taken.
  void Add(const PropertyKey& key, const PropertySpec& property);
  // Adds the property, or replaces the one of that name.
  void Put(const PropertyKey& key, const PropertySpec& property);
  // Sets the value, converted to the property's type (3421); an inherited
  // property becomes the object's own.
  void SetValue(const PropertyKey& key, const std::string& name, const com::Variant& value);
  // Reads the properties of all the fields of a table at once, for the
  // reads of each field's properties that follow.
  void ReadFieldsOf(std::int64_t table_id, const std::vector<std::int64_t>& field_ids);
  // Reads the properties of every field of the file at once; the fields
  // without any are given none.
  void ReadAllFields(const std::vector<std::int64_t>& field_ids);
  // Raises 3265 when there is none of that name.
  void Delete(const PropertyKey& key, const std::string& name);
  // Replaces the inherited properties; the object's own ones stay and win.
  void ReplaceInherited(const PropertyKey& key, const std::vector<PropertySpec>& properties);

 private:
  // Keeps the properties the statement reads (owner id and position in its
  // sixth and seventh columns) for each of the fields, in their order; none
  // for a field that has none.
  void CacheFieldProperties(SqliteStatement& statement,
                            const std::vector<std::int64_t>& field_ids);
  // The owner's properties as this connection last read them.
  const std::vector<PropertySpec>& Read(const PropertyKey& key);
  // Reads the properties of every object of the file at once: listing and
  // scanning a collection asks each of its objects for them.
  void ReadAllObjects();
  void TouchOwner(const PropertyKey& key);

  Catalog& catalog_;
};

}  // namespace sim::jet
