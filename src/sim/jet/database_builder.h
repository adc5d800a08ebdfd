#pragma once
// Builds database and workgroup files for tests, the sample application and
// the benchmark, writing the simulated Jet store directly. Every call writes
// at once, in one transaction.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "com/variant.h"
#include "platform/dao.h"

namespace sim::jet {

struct PropertySpec {
  std::string name{};
  std::int16_t type = dao::dbText;
  com::Variant value{};
  bool inherited = false;
};

struct FieldSpec {
  std::string name{};
  std::int16_t type = dao::dbText;
  std::int32_t size = 0;  // 0: the type's own size (50 for text)
  std::int32_t attributes = 0;
  bool required = false;
  bool allow_zero_length = false;
  com::Variant default_value{};
  std::string validation_rule{};
  std::string validation_text{};
  std::vector<PropertySpec> properties{};
};

struct IndexSpec {
  std::string name{};
  std::vector<std::pair<std::string, bool>> fields{};  // field name, descending
  bool primary = false;
  bool unique = false;
  bool clustered = false;
  bool ignore_nulls = false;
  bool required = false;
  bool foreign = false;
};

// A local table, or a linked one when `connect` is not empty. A table linked
// to another Access database (connect ";DATABASE=<path>") takes its fields,
// indexes and properties from the source table in that file, marked
// inherited; the source must exist (3011/3024 otherwise). Other links (ODBC,
// Text, HTML, Excel...) use the fields given here.
struct TableSpec {
  std::string name{};
  std::vector<FieldSpec> fields{};
  std::vector<IndexSpec> indexes{};
  std::int32_t attributes = 0;  // the link bits are set from `connect`
  std::string connect{};
  std::string source_table{};
  std::string validation_rule{};
  std::string validation_text{};
  std::vector<PropertySpec> properties{};
};

struct QuerySpec {
  std::string name{};
  std::string sql{};      // the query's type is derived from it
  std::string connect{};  // an ODBC connect string makes a pass-through query
  std::int32_t max_records = 0;
  std::vector<PropertySpec> properties{};
};

struct RelationSpec {
  std::string name{};
  std::string table{};
  std::string foreign_table{};
  std::vector<std::pair<std::string, std::string>> fields{};  // field, foreign field
  std::int32_t attributes = 0;
};

// A document of a container other than the tables': "Forms", "Reports",
// "Scripts" (macros), "Modules", "DataAccessPages", "Relationships", ...
struct DocumentSpec {
  std::string container{};
  std::string name{};
  std::string owner = "admin";
  std::vector<PropertySpec> properties{};
};

// A saved import or export specification (rows of MSysIMEXSpecs and MSysIMEXColumns).
struct ImportColumnSpec {
  std::string field_name{};
  std::int32_t data_type = dao::dbText;
  std::int16_t start = 1;
  std::int16_t width = 0;
  std::int32_t index_type = 0;
  bool skip = false;
  com::Variant attributes{};  // may be Null
};

struct ImportSpecSpec {
  std::string name{};
  std::int32_t spec_type = 1;  // 1 delimited, 2 fixed width
  std::int32_t file_type = 0;
  std::int32_t start_row = 0;
  std::int32_t date_order = 0;
  std::string date_delim = "/";
  std::string time_delim = ":";
  std::string decimal_point = ".";
  std::string field_separator = ",";
  std::string text_delim = "\"";
  bool date_four_digit_year = true;
  bool date_leading_zeros = false;
  std::vector<ImportColumnSpec> columns{};
};

class DatabaseBuilder {
 public:
  // A new, empty Access 2000 database at the path, replacing any file there:
  // database property "AccessVersion" "08.50", the standard containers, owner
  // "admin", full permissions for the groups "Admins" and "Users".
  explicit DatabaseBuilder(std::string path);
  // Goes on building a database file that exists.
  static DatabaseBuilder Existing(std::string path);

  const std::string& path() const { return path_; }

  DatabaseBuilder& DatabasePassword(const std::string& password);
  DatabaseBuilder& DatabaseProperty(const PropertySpec& property);
  DatabaseBuilder& RemoveDatabaseProperty(const std::string& name);
  DatabaseBuilder& Table(const TableSpec& table);
  DatabaseBuilder& Query(const QuerySpec& query);
  // Many tables and queries written as one transaction, as a large
  // application is built.
  DatabaseBuilder& Tables(const std::vector<TableSpec>& tables);
  DatabaseBuilder& Queries(const std::vector<QuerySpec>& queries);
  DatabaseBuilder& Relation(const RelationSpec& relation);
  DatabaseBuilder& Document(const DocumentSpec& document);
  DatabaseBuilder& ImportSpec(const ImportSpecSpec& spec);
  // Explicit permissions of an account (user or group) on one document;
  // tables and queries are documents of the container "Tables".
  DatabaseBuilder& Permissions(const std::string& container, const std::string& document,
                               const std::string& account, std::int32_t permissions);
  DatabaseBuilder& Owner(const std::string& container, const std::string& document,
                         const std::string& account);
  // Sets a document's LastUpdated (and its DateCreated when later).
  DatabaseBuilder& LastUpdated(const std::string& container, const std::string& document,
                               com::Date when);

 private:
  struct ExistingFile {};
  DatabaseBuilder(std::string path, ExistingFile) : path_(std::move(path)) {}

  std::string path_;
};

class WorkgroupBuilder {
 public:
  // A new workgroup file: user "admin" with no password, groups "Admins" and
  // "Users", admin a member of both.
  explicit WorkgroupBuilder(std::string path);
  // Goes on building a workgroup file that exists.
  static WorkgroupBuilder Existing(std::string path);

  const std::string& path() const { return path_; }

  // A new user, always a member of "Users", and of the groups listed.
  WorkgroupBuilder& User(const std::string& name, const std::string& password,
                         const std::vector<std::string>& groups = {});
  WorkgroupBuilder& Group(const std::string& name);
  WorkgroupBuilder& Password(const std::string& user, const std::string& password);

 private:
  struct ExistingFile {};
  WorkgroupBuilder(std::string path, ExistingFile) : path_(std::move(path)) {}

  std::string path_;
};

}  // namespace sim::jet
