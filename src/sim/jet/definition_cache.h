#pragma once
// The definitions one connection has read from its file: objects, tables,
// fields, queries and application-defined properties. Scanning an
// application reads each of them many times; the file is read again only
// after it has changed.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "com/text.h"
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
  struct OwnerKeyHash {
    std::size_t operator()(const OwnerKey& key) const {
      const auto& [kind, id, member] = key;
      return std::hash<std::int64_t>()(id * 8 + kind) ^ std::hash<std::string>()(member);
    }
  };

  RowMemo<std::int64_t, ObjectRow> objects;
  RowMemo<std::int64_t, TableRow> tables;
  RowMemo<std::int64_t, FieldRow> fields;
  RowMemo<std::int64_t, QueryRow> queries;
  RowMemo<std::int64_t, std::int16_t> query_types;  // worked out from the SQL
  RowMemo<OwnerKey, std::vector<PropertySpec>, OwnerKeyHash> properties;
  // The ids of each table's fields in their order, once all are read at once.
  RowMemo<std::int64_t, std::vector<std::int64_t>> table_fields;
  // How the rows of a kind were read since the file last changed. A scan of
  // a collection goes on to ask for every table's fields and every object's
  // properties: after a few read one at a time, the rest are read at once.
  // A write starts again, so that changing one object reads no more than
  // what that object needs. By owner kind (see PropertyKey); the fields
  // under kFieldRows, the permissions under kPermissionRows.
  struct Reads {
    int alone = 0;       // owners or tables read one at a time
    bool whole = false;  // every one of them read at once
    bool ReadAlone() { return ++alone <= kReadAloneAtMost; }
  };
  static constexpr int kReadAloneAtMost = 8;
  static constexpr std::int16_t kFieldRows = -1;
  static constexpr std::int16_t kPermissionRows = -2;
  RowMemo<std::int16_t, Reads> reads;
  // The ids of a container's objects in the order of their names.
  RowMemo<std::int64_t, std::vector<std::int64_t>> children;
  // The ids of a container's objects by name, once a few of
  // them were found by name since the file last changed (see Reads).
  struct ChildNames {
    Reads reads;
    std::unordered_map<std::string, std::int64_t, com::NoCaseHash, com::NoCaseEqual> ids;
  };
  RowMemo<std::int64_t, ChildNames> child_names;
  // The permissions each account holds, by object id; all read at once
  // (under kPermissionRows).
  RowMemo<std::string, std::unordered_map<std::int64_t, std::int32_t>, com::NoCaseHash,
          com::NoCaseEqual>
      permissions;
};

}  // namespace sim::jet
