#include "jetfile/real_file_reader.h"

#include <algorithm>

#include "com/text.h"
#include "jetfile/mdb_file.h"
#include "jetfile/property_blob.h"
#include "sim/jet/query_design_rows.h"

namespace jetfile {
namespace {

// MSysObjects types.
constexpr std::int32_t kLocalTable = 1;
constexpr std::int32_t kContainer = 3;
constexpr std::int32_t kOdbcLink = 4;
constexpr std::int32_t kQuery = 5;
constexpr std::int32_t kJetLink = 6;

// Jet's column type 16 is a decimal number, which DAO calls dbDecimal.
constexpr std::int16_t kJetDecimal = 16;

// The AccessVersion of a database in the Access 2000 format.
constexpr const char* kAccess2000 = "08.50";

constexpr const char* kDocumentContainers[] = {"Forms", "Reports", "Scripts", "Modules",
                                               "DataAccessPages"};

struct Object {
  std::int32_t id = 0;
  std::int32_t parent = 0;
  std::string name;
  std::int32_t type = 0;
  MdbRow row;
};

std::vector<Object> Objects(const MdbFile& file) {
  std::vector<Object> objects;
  for (auto& row : file.Rows("MSysObjects"))
    objects.push_back({row.Number("Id"), row.Number("ParentId"), row.Text("Name"),
                       row.Number("Type"), std::move(row)});
  return objects;
}

const Object* Container(const std::vector<Object>& objects, const std::string& name) {
  for (const auto& o : objects)
    if (o.type == kContainer && com::EqualsNoCase(o.name, name)) return &o;
  return nullptr;
}

bool IsSystemName(const std::string& name) {
  return com::StartsWithNoCase(name, "MSys") || com::StartsWithNoCase(name, "~");
}

// Takes the property of that name out of the list; Empty when there is none.
com::Variant TakeProperty(std::vector<sim::jet::PropertySpec>& properties,
                          const std::string& name) {
  auto found = std::find_if(properties.begin(), properties.end(),
                            [&](const auto& p) { return com::EqualsNoCase(p.name, name); });
  if (found == properties.end()) return {};
  com::Variant value = found->value;
  properties.erase(found);
  return value;
}

std::string TakeText(std::vector<sim::jet::PropertySpec>& properties, const std::string& name) {
  const com::Variant value = TakeProperty(properties, name);
  return value.IsEmpty() || value.IsNull() ? "" : com::CStr(value);
}

bool TakeFlag(std::vector<sim::jet::PropertySpec>& properties, const std::string& name) {
  const com::Variant value = TakeProperty(properties, name);
  return !value.IsEmpty() && !value.IsNull() && com::CBool(value);
}

sim::jet::FieldSpec FieldOf(const ColumnShape& column, std::vector<sim::jet::PropertySpec> props) {
  sim::jet::FieldSpec field;
  field.name = column.name;
  field.type = column.type == kJetDecimal ? std::int16_t{dao::dbDecimal} : column.type;
  if (column.type == dao::dbText) field.size = column.size;
  field.attributes = column.fixed ? dao::dbFixedField : dao::dbVariableField;
  if (column.auto_number) field.attributes |= dao::dbAutoIncrField;
  field.required = TakeFlag(props, "Required");
  field.allow_zero_length = TakeFlag(props, "AllowZeroLength");
  const std::string default_value = TakeText(props, "DefaultValue");
  if (!default_value.empty()) field.default_value = com::Variant(default_value);
  field.validation_rule = TakeText(props, "ValidationRule");
  field.validation_text = TakeText(props, "ValidationText");
  field.properties = std::move(props);
  return field;
}

sim::jet::TableSpec TableOf(const MdbFile& file, const Object& object,
                            std::vector<std::string>& left_out) {
  const PropertyBlob blob(file, object.row.Bytes("LvProp"));
  sim::jet::TableSpec table;
  table.name = object.name;
  const TableShape shape = file.Shape(object.name);
  for (const auto& column : shape.columns)
    table.fields.push_back(FieldOf(column, blob.OfColumn(column.name)));
  for (const auto& index : shape.indexes)
    table.indexes.push_back({index.name, index.fields, index.primary, index.unique, false,
                             index.ignore_nulls, index.required, index.foreign});
  for (const auto& index : shape.unreadable_indexes)
    left_out.push_back("index '" + index + "' of table '" + object.name +
                       "' (its columns could not be read)");
  auto props = blob.Own();
  table.validation_rule = TakeText(props, "ValidationRule");
  table.validation_text = TakeText(props, "ValidationText");
  table.properties = std::move(props);
  return table;
}

std::map<std::int32_t, std::vector<sim::jet::DesignRow>> DesignRows(const MdbFile& file) {
  std::map<std::int32_t, std::vector<sim::jet::DesignRow>> designs;
  if (!file.HasTable("MSysQueries")) return designs;
  for (const auto& row : file.Rows("MSysQueries"))
    designs[row.Number("ObjectId")].push_back(
        {static_cast<std::uint8_t>(row.Number("Attribute")), row.Number("Flag"),
         row.Text("Name1"), row.Text("Name2"), row.Text("Expression")});
  return designs;
}

sim::jet::QuerySpec QueryOf(const MdbFile& file, const Object& object,
                            const std::vector<sim::jet::DesignRow>& rows) {
  const sim::jet::QueryDesign design = sim::jet::QueryDesignRows::Read(rows);
  sim::jet::QuerySpec query;
  query.name = object.name;
  query.sql = design.Sql();
  query.connect = design.connect;
  query.properties = PropertyBlob(file, object.row.Bytes("LvProp")).Own();
  return query;
}

std::vector<sim::jet::RelationSpec> Relations(const MdbFile& file) {
  std::vector<sim::jet::RelationSpec> relations;
  if (!file.HasTable("MSysRelationships")) return relations;
  auto rows = file.Rows("MSysRelationships");
  std::stable_sort(rows.begin(), rows.end(), [](const MdbRow& a, const MdbRow& b) {
    return a.Number("icolumn") < b.Number("icolumn");
  });
  for (const auto& row : rows) {
    const std::string name = row.Text("szRelationship");
    auto found = std::find_if(relations.begin(), relations.end(),
                              [&](const auto& r) { return com::EqualsNoCase(r.name, name); });
    if (found == relations.end()) {
      relations.push_back({name, row.Text("szReferencedObject"), row.Text("szObject"), {},
                           row.Number("grbit")});
      found = relations.end() - 1;
    }
    found->fields.push_back({row.Text("szReferencedColumn"), row.Text("szColumn")});
  }
  return relations;
}

std::vector<sim::jet::ImportSpecSpec> ImportSpecs(const MdbFile& file) {
  std::vector<sim::jet::ImportSpecSpec> specs;
  if (!file.HasTable("MSysIMEXSpecs") || !file.HasTable("MSysIMEXColumns")) return specs;
  const auto columns = file.Rows("MSysIMEXColumns");
  for (const auto& row : file.Rows("MSysIMEXSpecs")) {
    sim::jet::ImportSpecSpec spec;
    spec.name = row.Text("SpecName");
    spec.spec_type = row.Number("SpecType");
    spec.file_type = row.Number("FileType");
    spec.start_row = row.Number("StartRow");
    spec.date_order = row.Number("DateOrder");
    spec.date_delim = row.Text("DateDelim");
    spec.time_delim = row.Text("TimeDelim");
    spec.decimal_point = row.Text("DecimalPoint");
    spec.field_separator = row.Text("FieldSeparator");
    spec.text_delim = row.Text("TextDelim");
    spec.date_four_digit_year = row.Number("DateFourDigitYear") != 0;
    spec.date_leading_zeros = row.Number("DateLeadingZeros") != 0;
    const std::int32_t id = row.Number("SpecID");
    for (const auto& c : columns)
      if (c.Number("SpecID") == id)
        spec.columns.push_back({c.Text("FieldName"), c.Number("DataType"),
                                static_cast<std::int16_t>(c.Number("Start")),
                                static_cast<std::int16_t>(c.Number("Width")),
                                c.Number("IndexType"), c.Number("SkipColumn") != 0,
                                c.Value("Attributes")});
    specs.push_back(std::move(spec));
  }
  return specs;
}

void ReadDatabaseProperties(const MdbFile& file, const std::vector<Object>& objects,
                            RealContents& contents) {
  const Object* databases = Container(objects, "Databases");
  if (!databases) return;
  for (const auto& o : objects)
    if (o.parent == databases->id && com::EqualsNoCase(o.name, "MSysDb"))
      contents.database_properties = PropertyBlob(file, o.row.Bytes("LvProp")).Own();
  // What is read from an Access 97 file is kept in the Access 2000 format,
  // as Access's own conversion of such a file keeps it, and says so as the
  // converted file does.
  if (file.JetVersion() == 3)
    for (auto& property : contents.database_properties)
      if (com::EqualsNoCase(property.name, "AccessVersion")) property.value = com::Variant(kAccess2000);
}

void CountDocuments(const std::vector<Object>& objects, RealContents& contents) {
  for (const char* name : kDocumentContainers) {
    const Object* container = Container(objects, name);
    if (!container) continue;
    contents.documents[name] = static_cast<int>(std::count_if(
        objects.begin(), objects.end(), [&](const Object& o) { return o.parent == container->id; }));
  }
}

void NoteLastUpdated(const Object& object, RealContents& contents) {
  const com::Variant updated = object.row.Value("DateUpdate");
  if (!updated.IsNull()) contents.last_updated[object.name] = com::CDate(updated);
}

void ReadTables(const MdbFile& file, const std::vector<Object>& objects, RealContents& contents) {
  const Object* tables = Container(objects, "Tables");
  for (const auto& o : objects) {
    if (tables && o.parent != tables->id) continue;
    if (o.type == kLocalTable && !IsSystemName(o.name)) {
      contents.tables.push_back(TableOf(file, o, contents.left_out));
      NoteLastUpdated(o, contents);
    }
    if (o.type == kJetLink || o.type == kOdbcLink)
      contents.left_out.push_back("linked table '" + o.name + "' (its link is not carried over)");
  }
}

void ReadQueries(const MdbFile& file, const std::vector<Object>& objects, RealContents& contents) {
  const auto designs = DesignRows(file);
  for (const auto& o : objects) {
    if (o.type != kQuery || IsSystemName(o.name)) continue;
    const auto rows = designs.find(o.id);
    contents.queries.push_back(
        QueryOf(file, o, rows == designs.end() ? std::vector<sim::jet::DesignRow>{} : rows->second));
    NoteLastUpdated(o, contents);
  }
}

}  // namespace

RealContents RealFileReader::Read(const std::string& path) {
  const MdbFile file(path);
  RealContents contents;
  contents.path = path;
  const auto objects = Objects(file);
  ReadDatabaseProperties(file, objects, contents);
  ReadTables(file, objects, contents);
  ReadQueries(file, objects, contents);
  contents.relations = Relations(file);
  contents.import_specs = ImportSpecs(file);
  CountDocuments(objects, contents);
  return contents;
}

}  // namespace jetfile
