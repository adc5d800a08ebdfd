#include "sim/access/connection_property.h"

#include <functional>
#include <vector>

#include "com/text.h"
#include "sim/access/access_errors.h"
#include "sim/access/current_file.h"

namespace sim::access {
namespace {

struct Definition {
  const char* name;
  std::function<com::Variant(CurrentFile&)> get;
  std::function<void(CurrentFile&, const com::Variant&)> let;
};

const std::vector<Definition>& Definitions() {
  static const std::vector<Definition> definitions = {
      {"Data Source", [](CurrentFile& file) { return com::Variant(file.FullName()); }, nullptr},
      {"User ID", [](CurrentFile& file) { return com::Variant(file.User()); }, nullptr},
      {"Jet OLEDB:Connection Control",
       [](CurrentFile& file) { return com::Variant(file.ConnectionControl()); },
       [](CurrentFile& file, const com::Variant& value) {
         file.SetConnectionControl(com::CLng(value));
       }},
  };
  return definitions;
}

}  // namespace

std::size_t ConnectionProperty::Count() { return Definitions().size(); }

std::optional<std::size_t> ConnectionProperty::Find(const std::string& name) {
  for (std::size_t i = 0; i < Definitions().size(); ++i)
    if (com::EqualsNoCase(Definitions()[i].name, name)) return i;
  return std::nullopt;
}

const com::TypeInfo& ConnectionProperty::Members() const {
  static const com::TypeInfo info =
      com::TypeBuilder<ConnectionProperty>("Property")
          .Get("Name", &ConnectionProperty::Name)
          .Property("Value", &ConnectionProperty::Value, &ConnectionProperty::SetValue)
          .Build();
  return info;
}

std::string ConnectionProperty::Name() { return Definitions()[position_].name; }

com::Variant ConnectionProperty::Value() { return Definitions()[position_].get(*File()); }

void ConnectionProperty::SetValue(const com::Variant& value) {
  const Definition& definition = Definitions()[position_];
  auto file = File();
  if (!definition.let) RaiseAccess(kAdoObjectOpen);
  definition.let(*file, value);
}

std::shared_ptr<CurrentFile> ConnectionProperty::File() const {
  auto file = file_.lock();
  if (!file || !file->IsOpen()) RaiseAccess(kAdoObjectClosed);
  return file;
}

}  // namespace sim::access
