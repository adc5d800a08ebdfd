// The DAO property helpers of the Utility module.

#include <functional>

#include "com/text.h"
#include "shared/utility.h"
#include "shared/vxhandler.h"

namespace Utility {
namespace {

std::shared_ptr<dao::Property> FindProperty(dao::Properties& properties, const std::string& name) {
  std::shared_ptr<dao::Property> found;
  if (com::Capture([&] { found = properties.Item(name); })) return nullptr;
  return found;
}

bool InList(const std::string& wrapped_list, const std::string& name) {
  return com::ContainsNoCase(wrapped_list, ";" + name + ";");
}

// The common steps of the three SetAppDefined... operations; `after_creating_description`
// is what the object's kind does once it has been given a new "Description".
void SetAppDefined(dao::PropertyOwner& object, dao::Properties& properties,
                   const std::string& name, std::int16_t type, const com::Variant& value,
                   const com::Variant& default_value,
                   const std::function<void()>& after_creating_description) {
  auto existing = FindProperty(properties, name);
  if (Identical(value, default_value)) {
    if (existing) properties.Delete(name);
    return;
  }
  if (existing) {
    existing->SetValue(value);
    return;
  }
  properties.Append(object.CreateProperty(name, type, value));
  if (com::EqualsNoCase(name, "Description")) after_creating_description();
}

}  // namespace

com::Variant GetAppDefinedProperty(dao::Properties& properties, const std::string& name,
                                   const com::Variant& default_value) {
  return vxhandler::Guard("Utility", "GetAppDefinedProperty", [&] {
    auto property = properties.Find(name);
    return property && !property->Inherited() ? property->Value() : default_value;
  });
}

void SetAppDefinedFieldProperty(dao::Field& field, dao::Properties& properties,
                                const std::string& name, std::int16_t type,
                                const com::Variant& value, const com::Variant& default_value) {
  vxhandler::Guard("Utility", "SetAppDefinedFieldProperty", [&] {
    SetAppDefined(field, properties, name, type, value, default_value, [] {});
  });
}

void SetAppDefinedQueryDefProperty(dao::QueryDef& query, dao::Properties& properties,
                                   const std::string& name, std::int16_t type,
                                   const com::Variant& value, const com::Variant& default_value) {
  vxhandler::Guard("Utility", "SetAppDefinedQueryDefProperty", [&] {
    SetAppDefined(query, properties, name, type, value, default_value,
                  [&] { query.SetSQL(query.SQL()); });
  });
}

void SetAppDefinedTableDefProperty(dao::TableDef& table, dao::Properties& properties,
                                   const std::string& name, std::int16_t type,
                                   const com::Variant& value, const com::Variant& default_value) {
  vxhandler::Guard("Utility", "SetAppDefinedTableDefProperty", [&] {
    SetAppDefined(table, properties, name, type, value, default_value,
                  [&] { table.SetAttributes(table.Attributes()); });
  });
}

bool Identical(const com::Variant& a, const com::Variant& b) {
  if (a.Type() != b.Type()) return false;
  if ((a.IsEmpty() && b.IsEmpty()) || (a.IsNull() && b.IsNull())) return true;
  if (a.IsString()) return a.AsString() == b.AsString();
  return com::VbEquals(a, b);
}

void CopyDaoObjectProperties(dao::PropertyOwner& source, dao::PropertyOwner& destination,
                             const std::string& exclusions) {
  vxhandler::Guard("Utility", "CopyDaoObjectProperties", [&] {
    const std::string wrapped = ";" + exclusions + ";";
    auto from = source.GetProperties();
    auto to = destination.GetProperties();
    from->Refresh();
    const std::int16_t count = com::CInt(com::Variant(from->Count()));
    for (std::int16_t i = 0; i < count; ++i) {
      auto property = from->Item(i);
      if (InList(wrapped, property->Name())) continue;
      if (auto existing = FindProperty(*to, property->Name())) {
        if (!Identical(existing->Value(), property->Value())) existing->SetValue(property->Value());
      } else {
        to->Append(
            destination.CreateProperty(property->Name(), property->Type(), property->Value()));
      }
    }
  });
}

namespace {

template <class Accounts>
void CopyPermissions(Accounts& accounts, dao::Document& source, dao::Document& destination) {
  for (std::int32_t i = 0; i < accounts.Count(); ++i) {
    const std::string name = accounts.Item(i)->Name();
    source.SetUserName(name);
    const std::int32_t permissions = source.Permissions();
    if (permissions == 0) continue;
    destination.SetUserName(name);
    destination.SetPermissions(permissions);
  }
}

}  // namespace

void CopyDaoDocumentProperties(dao::Workspace& workspace, dao::Document& source,
                               dao::Document& destination) {
  vxhandler::Guard("Utility", "CopyDaoDocumentProperties", [&] {
    CopyPermissions(*workspace.GetGroups(), source, destination);
    CopyPermissions(*workspace.GetUsers(), source, destination);
    if (!source.Owner().empty()) destination.SetOwner(source.Owner());
    const std::string excluded =
        ";AllPermissions;Container;DateCreated;LastUpdated;Name;Owner;Permissions;Username;"
        "RepVersion;";
    auto from = source.GetProperties();
    auto to = destination.GetProperties();
    from->Refresh();
    for (std::int32_t i = 0; i < from->Count(); ++i) {
      auto property = from->Item(i);
      if (InList(excluded, property->Name())) continue;
      if (auto existing = FindProperty(*to, property->Name())) {
        existing->SetValue(property->Value());
      } else {
        to->Append(
            destination.CreateProperty(property->Name(), property->Type(), property->Value()));
      }
    }
  });
}

std::string GetDocDescription(dao::Document& document) {
  return vxhandler::Guard("Utility", "GetDocDescription", [&] {
    return com::ValueOr<std::string>(
        [&] { return com::CStr(document.GetProperties()->Item("Description")->Value()); }, "");
  });
}

void SetDocDescription(dao::Document& document, const std::string& description) {
  vxhandler::Guard("Utility", "SetDocDescription", [&] {
    auto properties = document.GetProperties();
    if (description.empty()) {
      properties->Delete("Description");
      return;
    }
    if (com::Capture([&] { properties->Item("Description")->SetValue(description); }))
      properties->Append(document.CreateProperty("Description", dao::dbText, description));
  });
}

std::string GetADPDescription(com::Dispatch& object) {
  return vxhandler::Guard("Utility", "GetADPDescription", [&] {
    return com::ValueOr<std::string>(
        [&] {
          auto properties = com::CObj(object.Get("Properties"));
          return com::CStr(com::CObj(properties->Call("Item", {com::Variant("Description")}))
                               ->Get("Value"));
        },
        "");
  });
}

void SetADPDescription(com::Dispatch& object, const std::string& description) {
  vxhandler::Guard("Utility", "SetADPDescription", [&] {
    auto properties = com::CObj(object.Get("Properties"));
    if (description.empty()) {
      properties->Call("Remove", {com::Variant("Description")});
      return;
    }
    if (com::Capture([&] {
          com::CObj(properties->Call("Item", {com::Variant("Description")}))
              ->Let("Value", description);
        }))
      properties->Call("Add", {com::Variant("Description"), com::Variant(description)});
  });
}

void ParseConnectString(const std::string& connect, std::string& connect_type,
                        std::string& database_path) {
  vxhandler::Guard("Utility", "ParseConnectString", [&] {
    connect_type.clear();
    database_path.clear();
    if (connect.empty()) return;
    const auto semicolon = connect.find(';');
    if (semicolon == std::string::npos) com::RaiseVb(5);
    connect_type = com::Trim(connect.substr(0, semicolon));
    const auto key = connect.find("DATABASE=");
    if (key == std::string::npos) return;
    const auto start = key + 9;
    const auto end = connect.find(';', start);
    database_path = com::LCase(com::Trim(connect.substr(start, end == std::string::npos ? std::string::npos : end - start)));
  });
}

}  // namespace Utility
