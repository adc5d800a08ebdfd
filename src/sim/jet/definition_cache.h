#pragma once
// The definitions one connection has read from its file: objects, tables,
// fields, queries and application-defined properties. Scanning an
// application reads each of them many times; the file is read again only
// after it has changed.

#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "sim/jet/database_builder.h"
#include "sim/jet/field_store.h"
#include "sim/jet/object_store.h"
#include "sim/jet/query_store.h"
#include "sim/jet/row_memo.h"
#include "sim/jet/table_store.h"

namespace sim::jet {

struct DefinitionCache {
  // A property owner: its kind, id and member (see PropertyKey).
  using OwnerKey = std::tuple<std::int16_t, std::int64_t, std::string>;

  RowMemo<std::int64_t, ObjectRow> objects;
  RowMemo<std::int64_t, TableRow> tables;
  RowMemo<std::int64_t, FieldRow> fields;
  RowMemo<std::int64_t, QueryRow> queries;
  RowMemo<OwnerKey, std::vector<PropertySpec>> properties;
  // The permissions an account (upper-cased) holds, by object id.
  RowMemo<std::string, std::map<std::int64_t, std::int32_t>> permissions;
};

}  // namespace sim::jet
