#include "jetfile/mdb_file.h"

// glib must come before mdbtools.h, which includes it inside extern "C".
#include <glib.h>
#include <mdbtools.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "com/date_time.h"
#include "com/error.h"
#include "com/text.h"
#include "sim/jet/dao_errors.h"

namespace jetfile {
namespace {

namespace fs = std::filesystem;

// The header of a Jet file: a page number (0), then the format's name, then
// the version byte.
constexpr std::size_t kFormatNameAt = 4;
constexpr const char* kJetName = "Standard Jet DB";
constexpr const char* kAceName = "Standard ACE DB";
constexpr std::size_t kVersionAt = 0x14;
constexpr std::uint8_t kJet3 = 0;
constexpr std::uint8_t kJet4 = 1;
constexpr std::uint16_t kWesternEuropean = 1252;
constexpr std::size_t kBindSize = 1 << 18;  // the longest memo value read whole

std::string Header(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string header(0x20, '\0');
  in.read(header.data(), static_cast<std::streamsize>(header.size()));
  header.resize(static_cast<std::size_t>(in.gcount()));
  return header;
}

bool Named(const std::string& header, const char* name) {
  return header.size() > kVersionAt &&
         header.compare(kFormatNameAt, std::strlen(name), name) == 0;
}

[[noreturn]] void Refuse(const std::string& path, const std::string& reason) {
  com::Raise(sim::jet::kDaoUnrecognizedFormat,
             "Unrecognized database format '" + path + "': " + reason);
}

// What the header says; the page size of the file's version.
std::size_t CheckHeader(const std::string& path) {
  const std::string header = Header(path);
  if (Named(header, kAceName))
    Refuse(path, "it is an Access 2007 or later file (.accdb), which this program does not "
                 "read; save it from Access in the Access 2000 format (.mdb)");
  if (!Named(header, kJetName)) sim::jet::RaiseDao(sim::jet::kDaoUnrecognizedFormat, path);
  const auto version = static_cast<std::uint8_t>(header[kVersionAt]);
  if (version != kJet3 && version != kJet4)
    Refuse(path, "it was written by Access 2007 or later, which this program does not read; "
                 "save it from Access in the Access 2000 format");
  return version == kJet3 ? 2048 : 4096;
}

void CheckSize(const std::string& path, std::size_t page_size) {
  const auto size = fs::file_size(path);
  if (size < 2 * page_size || size % page_size != 0)
    sim::jet::RaiseDao(sim::jet::kDaoDamaged, path);
}

com::Variant Converted(int type, const std::string& text) {
  if (text.empty()) return com::Variant::Null();
  switch (type) {
    case MDB_BOOL: return com::Variant(text != "0");
    case MDB_BYTE: return com::Variant(static_cast<std::uint8_t>(std::stoi(text)));
    case MDB_INT: return com::Variant(static_cast<std::int16_t>(std::stoi(text)));
    case MDB_LONGINT: return com::Variant(static_cast<std::int32_t>(std::stol(text)));
    case MDB_FLOAT:
    case MDB_DOUBLE:
    case MDB_MONEY:
    case MDB_NUMERIC: return com::Variant(std::stod(text));
    case MDB_DATETIME: {
      com::Date date;
      if (com::ParseVbDate(text, date)) return com::Variant(date);
      return com::Variant::Null();
    }
    default: return com::Variant(text);
  }
}

bool IsBinary(int type) { return type == MDB_OLE || type == MDB_BINARY; }

std::string Lower(const std::string& name) { return com::LCase(name); }

// libmdb writes what it cannot make out of a file to the standard error;
// while it reads, that goes nowhere: the reason this program gives is its own.
class QuietStderr {
 public:
  QuietStderr() {
    std::fflush(stderr);
    saved_ = ::dup(STDERR_FILENO);
    const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (null >= 0) {
      ::dup2(null, STDERR_FILENO);
      ::close(null);
    }
  }
  ~QuietStderr() {
    std::fflush(stderr);
    if (saved_ < 0) return;
    ::dup2(saved_, STDERR_FILENO);
    ::close(saved_);
  }
  QuietStderr(const QuietStderr&) = delete;
  QuietStderr& operator=(const QuietStderr&) = delete;

 private:
  int saved_ = -1;
};

// A table definition read from the file, freed with it.
struct TableDef {
  explicit TableDef(MdbTableDef* t) : table(t) {}
  ~TableDef() {
    if (table) mdb_free_tabledef(table);
  }
  TableDef(const TableDef&) = delete;
  TableDef& operator=(const TableDef&) = delete;
  MdbTableDef* table;
};

}  // namespace

struct MdbFile::Handle {
  MdbHandle* mdb = nullptr;
  ~Handle() {
    if (mdb) mdb_close(mdb);
  }
};

com::Variant MdbRow::Value(const std::string& column) const {
  const auto found = values.find(Lower(column));
  return found == values.end() ? com::Variant::Null() : found->second;
}

std::string MdbRow::Text(const std::string& column) const {
  const com::Variant value = Value(column);
  return value.IsNull() ? "" : com::CStr(value);
}

std::int32_t MdbRow::Number(const std::string& column) const {
  const com::Variant value = Value(column);
  return value.IsNull() ? 0 : com::CLng(value);
}

std::string MdbRow::Bytes(const std::string& column) const {
  const auto found = bytes.find(Lower(column));
  return found == bytes.end() ? "" : found->second;
}

bool MdbFile::LooksLikeAccessFile(const std::string& path) {
  const std::string header = Header(path);
  return Named(header, kJetName) || Named(header, kAceName);
}

MdbFile::MdbFile(const std::string& path) : path_(path), handle_(std::make_unique<Handle>()) {
  std::error_code error;
  if (!fs::is_regular_file(path, error)) sim::jet::RaiseDao(sim::jet::kDaoFileNotFound, path);
  CheckSize(path, CheckHeader(path));
  const QuietStderr quiet;
  handle_->mdb = mdb_open(path.c_str(), MDB_NOFLAGS);
  if (!handle_->mdb) sim::jet::RaiseDao(sim::jet::kDaoDamaged, path);
  MdbHandle* mdb = handle_->mdb;
  if (mdb->f->db_key != 0)
    Refuse(path, "it is encrypted; decrypt it in Access (Tools, Security, Encrypt/Decrypt "
                 "Database) and try again");
  if (mdb->f->jet_version == MDB_VER_JET3 && mdb->f->code_page != kWesternEuropean)
    Refuse(path, "it is an Access 97 file in code page " + std::to_string(mdb->f->code_page) +
                     ", and this program reads Access 97 files only in code page 1252 (Western "
                     "European); convert it to the Access 2000 format in Access");
  mdb_set_bind_size(mdb, kBindSize);
  mdb_set_date_fmt(mdb, "%Y-%m-%d %H:%M:%S");
  mdb_set_boolean_fmt_numbers(mdb);
  if (!mdb_read_catalog(mdb, MDB_ANY) || !HasTable("MSysObjects"))
    sim::jet::RaiseDao(sim::jet::kDaoDamaged, path);
}

MdbFile::~MdbFile() = default;

int MdbFile::JetVersion() const { return handle_->mdb->f->jet_version == MDB_VER_JET3 ? 3 : 4; }

bool MdbFile::HasTable(const std::string& name) const {
  MdbHandle* mdb = handle_->mdb;
  for (guint i = 0; i < mdb->num_catalog; ++i) {
    auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
    if ((entry->object_type == MDB_TABLE || entry->object_type == MDB_SYSTEM_TABLE) &&
        com::EqualsNoCase(entry->object_name, name))
      return true;
  }
  return false;
}

namespace {

MdbTableDef* ReadTable(MdbHandle* mdb, const std::string& path, const std::string& name) {
  MdbCatalogEntry* entry = nullptr;
  for (guint i = 0; i < mdb->num_catalog; ++i) {
    auto* e = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
    if ((e->object_type == MDB_TABLE || e->object_type == MDB_SYSTEM_TABLE) &&
        com::EqualsNoCase(e->object_name, name))
      entry = e;
  }
  if (!entry) sim::jet::RaiseDao(sim::jet::kDaoInputTableMissing, name);
  MdbTableDef* table = mdb_read_table(entry);
  if (!table || !mdb_read_columns(table)) {
    if (table) mdb_free_tabledef(table);
    sim::jet::RaiseDao(sim::jet::kDaoDamaged, path);
  }
  return table;
}

::MdbColumn* ColumnAt(MdbTableDef* table, guint i) {
  return static_cast<::MdbColumn*>(g_ptr_array_index(table->columns, i));
}

}  // namespace

std::vector<MdbRow> MdbFile::Rows(const std::string& name) const {
  const QuietStderr quiet;
  MdbHandle* mdb = handle_->mdb;
  TableDef def(ReadTable(mdb, path_, name));
  MdbTableDef* table = def.table;
  std::vector<std::vector<char>> buffers(table->num_cols, std::vector<char>(kBindSize + 1));
  std::vector<int> lengths(table->num_cols, 0);
  for (guint i = 0; i < table->num_cols; ++i)
    mdb_bind_column(table, static_cast<int>(i + 1), buffers[i].data(), &lengths[i]);
  mdb_rewind_table(table);
  std::vector<MdbRow> rows;
  while (mdb_fetch_row(table)) {
    MdbRow row;
    for (guint i = 0; i < table->num_cols; ++i) {
      ::MdbColumn* column = ColumnAt(table, i);
      const std::string key = Lower(column->name);
      if (IsBinary(column->col_type)) {
        row.values[key] = com::Variant::Null();
        if (lengths[i] == 0) continue;
        if (column->col_type == MDB_BINARY) {
          row.bytes[key] = std::string(buffers[i].data(), static_cast<std::size_t>(lengths[i]));
          continue;
        }
        std::size_t size = 0;
        void* data = mdb_ole_read_full(mdb, column, &size);
        if (data) row.bytes[key] = std::string(static_cast<const char*>(data), size);
        g_free(data);
        continue;
      }
      const std::size_t length = static_cast<std::size_t>(std::max(lengths[i], 0));
      row.values[key] = Converted(column->col_type, std::string(buffers[i].data(), length));
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

TableShape MdbFile::Shape(const std::string& name) const {
  const QuietStderr quiet;
  MdbHandle* mdb = handle_->mdb;
  TableDef def(ReadTable(mdb, path_, name));
  MdbTableDef* table = def.table;
  TableShape shape;
  for (guint i = 0; i < table->num_cols; ++i) {
    ::MdbColumn* c = ColumnAt(table, i);
    std::int32_t size = c->col_size;
    if (c->col_type == MDB_TEXT && JetVersion() == 4) size /= 2;
    shape.columns.push_back({c->name, static_cast<std::int16_t>(c->col_type), size,
                             c->is_long_auto != 0, c->is_fixed != 0});
  }
  mdb_read_indices(table);
  for (guint i = 0; table->indices && i < table->indices->len; ++i) {
    auto* index = static_cast<::MdbIndex*>(g_ptr_array_index(table->indices, i));
    IndexShape out{index->name, {}, index->index_type == 1, index->index_type == 2,
                 (index->flags & MDB_IDX_UNIQUE) != 0, (index->flags & MDB_IDX_IGNORENULLS) != 0,
                 (index->flags & MDB_IDX_REQUIRED) != 0};
    bool readable = index->num_keys > 0 && index->num_keys <= MDB_MAX_IDX_COLS;
    for (unsigned k = 0; readable && k < index->num_keys; ++k) {
      const int column = index->key_col_num[k] - 1;
      readable = column >= 0 && static_cast<guint>(column) < table->num_cols;
      if (readable)
        out.fields.push_back({ColumnAt(table, static_cast<guint>(column))->name,
                              index->key_col_order[k] == MDB_DESC});
    }
    if (readable)
      shape.indexes.push_back(out);
    else
      shape.unreadable_indexes.push_back(out.name);
  }
  return shape;
}

std::string MdbFile::DecodeText(const std::string& bytes) const {
  if (bytes.empty()) return "";
  std::string out(bytes.size() * 3 + 4, '\0');
  const int length = mdb_unicode2ascii(handle_->mdb, bytes.data(), bytes.size(), out.data(),
                                       out.size());
  out.resize(static_cast<std::size_t>(std::max(length, 0)));
  return out;
}

}  // namespace jetfile
