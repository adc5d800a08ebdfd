#pragma once
// Microsoft ADO with the Jet 4.0 OLE DB provider: the part that reads the
// user roster of a database file.

#include <cstdint>
#include <memory>
#include <string>

#include "com/variant.h"

namespace ado {

inline constexpr std::int32_t adSchemaProviderSpecific = -1;
// The Jet provider's schema of the users connected to a database.
inline constexpr const char* JET_SCHEMA_USERROSTER = "{947bb102-5d43-11d1-bdbf-00c04fb92675}";

class Recordset {
 public:
  virtual ~Recordset() = default;
  virtual bool IsEOF() = 0;
  virtual void MoveNext() = 0;
  // The value of the field at a position in the current row.
  virtual com::Variant Field(std::int32_t position) = 0;
  virtual void Close() = 0;
};

class Connection {
 public:
  virtual ~Connection() = default;
  virtual void SetProvider(const std::string& provider) = 0;
  // A dynamic property of the provider ("Jet OLEDB:System Database", ...).
  virtual void SetProperty(const std::string& name, const com::Variant& value) = 0;
  // Opens the database file named by the connection string; raises the
  // provider's error when the file or the account is refused.
  virtual void Open(const std::string& connection_string, const std::string& user,
                    const std::string& password) = 0;
  virtual std::shared_ptr<Recordset> OpenSchema(std::int32_t schema, const std::string& schema_id) = 0;
  virtual void Close() = 0;
};

}  // namespace ado
