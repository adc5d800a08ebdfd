#pragma once
// The Properties collection of a DAO object: its built-in properties first,
// then its application-defined ones in the order they were appended. Read
// afresh on every call, so it always shows what the file holds.

#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "com/text.h"
#include "platform/dao.h"
#include "sim/jet/catalog.h"
#include "sim/jet/property_host.h"

namespace sim::jet {

class Properties : public dao::Properties {
 public:
  Properties(std::shared_ptr<Catalog> catalog, std::shared_ptr<PropertyHost> host)
      : catalog_(std::move(catalog)), host_(std::move(host)) {}

  std::int32_t Count() override;
  std::shared_ptr<dao::Property> Item(std::int32_t position) override;
  // 3270 when the object has no property of that name.
  std::shared_ptr<dao::Property> Item(const std::string& name) override;
  std::shared_ptr<dao::Property> Find(const std::string& name) override;
  void Refresh() override {}
  // 3367 when the name is taken; 3219 for a property not made by
  // CreateProperty, or while the object is not part of a collection.
  void Append(std::shared_ptr<dao::Property> property) override;
  void Delete(const std::string& name) override;

 private:
  std::vector<std::shared_ptr<dao::Property>> All();
  // The host's built-in properties, asked for again only when they can have
  // changed: never for most hosts, after the file has changed for a query.
  const std::vector<BuiltInSpec>& BuiltIns();
  std::optional<BuiltInSpec> BuiltIn(const std::string& name);
  // False when no object of the host's class has a built-in property of that name.
  bool CanBeBuiltIn(const std::string& name);

  std::shared_ptr<Catalog> catalog_;
  std::shared_ptr<PropertyHost> host_;
  using BuiltInNames = std::unordered_set<std::string, com::NoCaseHash, com::NoCaseEqual>;
  const BuiltInNames* built_in_names_ = nullptr;  // those of the host's class
  std::optional<std::vector<BuiltInSpec>> built_ins_;
  std::uint64_t built_ins_generation_ = 0;
};

}  // namespace sim::jet
