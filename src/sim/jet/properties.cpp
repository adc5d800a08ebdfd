#include "sim/jet/properties.h"

#include <typeindex>
#include <unordered_map>
#include <unordered_set>

#include "com/text.h"
#include "sim/jet/built_in_property.h"
#include "sim/jet/dao_errors.h"
#include "sim/jet/stored_property.h"

namespace sim::jet {

std::vector<std::shared_ptr<dao::Property>> Properties::All() {
  std::vector<std::shared_ptr<dao::Property>> all;
  for (auto& spec : BuiltIns()) all.push_back(std::make_shared<BuiltInProperty>(spec, host_));
  if (const auto key = host_->StoredKey())
    for (const auto& stored : PropertyStore(*catalog_).List(*key))
      all.push_back(std::make_shared<StoredProperty>(catalog_, *key, stored.name));
  return all;
}

const std::vector<BuiltInSpec>& Properties::BuiltIns() {
  const bool stale = !host_->FixedBuiltInNames() &&
                     built_ins_generation_ != catalog_->db().Generation();
  if (!built_ins_ || stale) {
    built_ins_generation_ = catalog_->db().Generation();
    built_ins_ = host_->BuiltIns();
  }
  return *built_ins_;
}

bool Properties::CanBeBuiltIn(const std::string& name) {
  // By the class of the host: a class's names are part of its definition,
  // like its member table.
  static std::unordered_map<std::type_index, BuiltInNames> names_by_class;
  if (!built_in_names_) {
    PropertyHost& host = *host_;
    auto [names, added] = names_by_class.try_emplace(std::type_index(typeid(host)));
    if (added)
      for (const auto& spec : host.EveryBuiltIn()) names->second.insert(spec.name);
    built_in_names_ = &names->second;
  }
  return built_in_names_->contains(name);
}

std::optional<BuiltInSpec> Properties::BuiltIn(const std::string& name) {
  if (!CanBeBuiltIn(name)) return std::nullopt;
  for (const auto& spec : BuiltIns())
    if (com::EqualsNoCase(spec.name, name)) return spec;
  return std::nullopt;
}

std::int32_t Properties::Count() { return static_cast<std::int32_t>(All().size()); }

std::shared_ptr<dao::Property> Properties::Item(std::int32_t position) {
  auto all = All();
  if (position < 0 || static_cast<std::size_t>(position) >= all.size()) RaiseDao(kDaoItemNotFound);
  return all[static_cast<std::size_t>(position)];
}

std::shared_ptr<dao::Property> Properties::Item(const std::string& name) {
  auto property = Find(name);
  if (!property) RaiseDao(kDaoPropertyNotFound);
  return property;
}

std::shared_ptr<dao::Property> Properties::Find(const std::string& name) {
  if (auto spec = BuiltIn(name)) return std::make_shared<BuiltInProperty>(std::move(*spec), host_);
  const auto key = host_->StoredKey();
  if (!key) return nullptr;
  const auto stored = PropertyStore(*catalog_).Find(*key, name);
  if (!stored) return nullptr;
  return std::make_shared<StoredProperty>(catalog_, *key, stored->name);
}

void Properties::Append(std::shared_ptr<dao::Property> property) {
  auto created = std::dynamic_pointer_cast<StoredProperty>(property);
  const auto key = host_->StoredKey();
  if (!created || !key) RaiseDao(kDaoInvalidOperation);
  if (created->appended() || BuiltIn(created->Name())) RaiseDao(kDaoNameInCollection);
  const PropertySpec spec = created->Spec();
  if (spec.name.empty() || spec.type == 0) RaiseDao(kDaoInvalidOperation);
  catalog_->Write([&] { PropertyStore(*catalog_).Add(*key, spec); });
  created->Attach(catalog_, *key);
}

void Properties::Delete(const std::string& name) {
  if (BuiltIn(name)) RaiseDao(kDaoBuiltInProperty);
  const auto key = host_->StoredKey();
  if (!key) RaiseDao(kDaoItemNotFound);
  catalog_->Write([&] { PropertyStore(*catalog_).Delete(*key, name); });
}

}  // namespace sim::jet
