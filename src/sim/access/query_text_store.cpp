#include "sim/access/query_text_store.h"

#include <algorithm>

#include "com/text.h"
#include "platform/access.h"
#include "platform/dao.h"
#include "sim/access/document_store.h"
#include "sim/access/query_design_text.h"
#include "sim/jet/catalog.h"
#include "sim/jet/dao_errors.h"
#include "sim/jet/property_store.h"
#include "sim/jet/query_store.h"

namespace sim::access {
namespace {

// The properties Jet keeps in the query's own row, with the value a query
// has when its text does not name them.
struct Setting {
  const char* name;
  std::int16_t type;
  com::Variant (*value)(const jet::QueryRow&);
  com::Variant absent;
};

const Setting kSettings[] = {
    {"Connect", dao::dbMemo, [](const jet::QueryRow& r) { return com::Variant(r.connect); }, ""},
    {"ReturnsRecords", dao::dbBoolean,
     [](const jet::QueryRow& r) { return com::Variant(r.returns_records); }, true},
    {"ODBCTimeout", dao::dbInteger,
     [](const jet::QueryRow& r) { return com::Variant(r.odbc_timeout); }, std::int16_t{60}},
    {"MaxRecords", dao::dbLong, [](const jet::QueryRow& r) { return com::Variant(r.max_records); },
     std::int32_t{0}},
    {"LogMessages", dao::dbBoolean,
     [](const jet::QueryRow& r) { return com::Variant(r.log_messages); }, false},
    {"FailOnError", dao::dbBoolean,
     [](const jet::QueryRow& r) { return com::Variant(r.fail_on_error); }, false},
    {"RecordLocks", dao::dbByte, [](const jet::QueryRow& r) { return com::Variant(r.record_locks); },
     std::uint8_t{0}},
};

const Setting* FindSetting(const std::string& name) {
  for (const auto& setting : kSettings)
    if (com::EqualsNoCase(setting.name, name)) return &setting;
  return nullptr;
}

// The query definition a text gives.
jet::QuerySpec SpecOf(const std::string& name, const QueryDesignText& text) {
  jet::QuerySpec spec{.name = name, .sql = text.Sql()};
  for (const auto& property : text.Properties()) {
    if (IsBinaryProperty(property.type)) continue;
    const com::Variant value = QueryPropertyValue(property.type, property.text);
    if (com::EqualsNoCase(property.name, "Connect")) {
      spec.connect = com::CStr(value);
    } else if (com::EqualsNoCase(property.name, "MaxRecords")) {
      spec.max_records = com::CLng(value);
    } else {
      spec.properties.push_back({property.name, property.type, value});
    }
  }
  return spec;
}

// Brings the text's property lines in step with the query: a line for every
// property it has (a setting only when it is not what a query without the
// line has), none for a property it no longer has.
void UpdateProperties(QueryDesignText& text, const jet::QueryRow& row,
                      const std::vector<jet::PropertySpec>& properties) {
  const auto own = [&](const std::string& name) {
    return std::find_if(properties.begin(), properties.end(),
                        [&](const auto& p) { return com::EqualsNoCase(p.name, name); });
  };
  const auto lines = text.Properties();
  for (const auto& line : lines) {
    if (IsBinaryProperty(line.type)) continue;
    if (const Setting* setting = FindSetting(line.name)) {
      text.SetProperty(line.name, line.type, setting->value(row));
    } else if (const auto found = own(line.name); found != properties.end()) {
      text.SetProperty(found->name, found->type, found->value);
    } else {
      text.RemoveProperty(line.name);
    }
  }
  const auto has_line = [&](const std::string& name) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const auto& line) { return com::EqualsNoCase(line.name, name); });
  };
  for (const auto& setting : kSettings)
    if (!has_line(setting.name) && !com::VbEquals(setting.value(row), setting.absent))
      text.SetProperty(setting.name, setting.type, setting.value(row));
  for (const auto& property : properties)
    if (!has_line(property.name) && !IsBinaryProperty(property.type))
      text.SetProperty(property.name, property.type, property.value);
}

}  // namespace

std::vector<std::string> QueryTextStore::Names() {
  std::vector<std::string> names;
  DocumentStore texts(catalog_);
  for (const auto& row : jet::QueryStore(catalog_).All())
    if (!row.object.name.starts_with('~') || texts.Find(msaccess::acQuery, row.object.name))
      names.push_back(row.object.name);
  return names;
}

void QueryTextStore::Put(const StoredDocument& document) {
  const QueryDesignText text = QueryDesignText::Parse(document.text);
  catalog_.Write([&] {
    jet::QueryStore(catalog_).Put(SpecOf(document.name, text), catalog_.account().user);
    DocumentStore(catalog_).Put(document);
  });
}

StoredDocument QueryTextStore::Get(const std::string& name) {
  const auto row = jet::QueryStore(catalog_).Find(name);
  if (!row) jet::RaiseDao(jet::kDaoItemNotFound);
  auto document = DocumentStore(catalog_).Find(msaccess::acQuery, name);
  if (!document) document = StoredDocument{msaccess::acQuery, row->object.name, "", {}, {}, {}};
  QueryDesignText text = document->text.empty() ? QueryDesignText::Of(row->sql, row->connect)
                                                : QueryDesignText::Parse(document->text);
  text.SetSql(row->sql, row->connect);
  UpdateProperties(text, *row,
                   jet::PropertyStore(catalog_).List({jet::PropertyKey::kObject, row->object.id, ""}));
  std::string rendered = text.Render();
  if (rendered != document->text) {
    document->text = std::move(rendered);
    document->source.reset();
  }
  return *document;
}

}  // namespace sim::access
