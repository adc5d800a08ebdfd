#pragma once
// A real Access database file (Jet 3, Access 97; Jet 4, Access 2000),
// opened read-only through mdbtools' library. Only what a catalogue reader
// needs: the rows of a table, the shape of a table (columns and indexes) and
// Jet's text in the file's own encoding.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "com/variant.h"

namespace jetfile {

// One row: values by column name (letter case ignored). Binary columns (OLE
// objects, binary) are kept as their bytes in `bytes` and are Null in `values`.
struct MdbRow {
  std::map<std::string, com::Variant> values;
  std::map<std::string, std::string> bytes;

  com::Variant Value(const std::string& column) const;
  std::string Text(const std::string& column) const;
  std::int32_t Number(const std::string& column) const;
  std::string Bytes(const std::string& column) const;
};

struct ColumnShape {
  std::string name;
  std::int16_t type = 0;  // Jet's column type, which is DAO's DataTypeEnum
  std::int32_t size = 0;  // in characters for text, in bytes otherwise
  bool auto_number = false;
  bool fixed = false;
};

struct IndexShape {
  std::string name;
  std::vector<std::pair<std::string, bool>> fields;  // column, descending
  bool primary = false;
  bool foreign = false;
  bool unique = false;
  bool ignore_nulls = false;
  bool required = false;
};

struct TableShape {
  std::vector<ColumnShape> columns;
  std::vector<IndexShape> indexes;
  // Indexes whose columns the library could not make out.
  std::vector<std::string> unreadable_indexes;
};

class MdbFile {
 public:
  // True when the file begins as a Jet or ACE database does, whatever its
  // version; such a file is read here or refused with a reason.
  static bool LooksLikeAccessFile(const std::string& path);

  // Opens the file. Raises 3024 when it is missing, 3343 with the reason when
  // it is no database this reads (an Access 2007 or later file, an encrypted
  // one, a Jet 3 file in a code page other than Western European), 3049 when
  // it is damaged.
  explicit MdbFile(const std::string& path);
  ~MdbFile();
  MdbFile(const MdbFile&) = delete;
  MdbFile& operator=(const MdbFile&) = delete;

  const std::string& path() const { return path_; }
  // 3 or 4.
  int JetVersion() const;

  bool HasTable(const std::string& name) const;
  // Every row of a table, system tables included; 3078 when there is none.
  std::vector<MdbRow> Rows(const std::string& name) const;
  TableShape Shape(const std::string& name) const;
  // Jet's bytes of a text (UCS-2, compressed or not, in Jet 4; the file's
  // code page in Jet 3) as UTF-8.
  std::string DecodeText(const std::string& bytes) const;

 private:
  struct Handle;

  std::string path_;
  std::unique_ptr<Handle> handle_;
};

}  // namespace jetfile
