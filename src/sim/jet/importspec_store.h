#pragma once
// Saved import and export specifications: the system tables MSysIMEXSpecs
// and MSysIMEXColumns, real tables of the file that SQL reads and writes.
// Access creates them with the first specification it saves; so does this
// store, with their table definitions and documents in "Tables".

#include "sim/jet/catalog.h"
#include "sim/jet/database_builder.h"

namespace sim::jet {

class ImportSpecStore {
 public:
  explicit ImportSpecStore(Catalog& catalog) : catalog_(catalog) {}

  // A new specification with its columns; 3022 when the name is taken.
  void Insert(const ImportSpecSpec& spec);

 private:
  void CreateTables();
  void Catalogue(const char* table);

  Catalog& catalog_;
};

}  // namespace sim::jet
