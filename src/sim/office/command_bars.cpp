#include "sim/office/command_bars.h"

#include "com/error.h"
#include "sim/access/application.h"
#include "sim/access/item_lookup.h"
#include "sim/office/bar_store.h"
#include "sim/office/bar_text.h"
#include "sim/office/built_in_bars.h"
#include "sim/office/command_bar.h"

namespace sim::office {
namespace {

std::vector<std::string> CustomNames(access::Application& application) {
  auto* documents = application.Documents();
  return documents ? BarStore(documents->File()->Catalog()).Names() : std::vector<std::string>{};
}

}  // namespace

const com::TypeInfo& CommandBars::Members() const {
  static const com::TypeInfo info = com::TypeBuilder<CommandBars>("CommandBars")
                                        .Get("Count", &CommandBars::Count)
                                        .Method("Item", &CommandBars::Item)
                                        .Build();
  return info;
}

std::int32_t CommandBars::Count() {
  auto application = access::Application::Served(application_);
  return static_cast<std::int32_t>(BuiltInBars().size() + CustomNames(*application).size());
}

com::ObjectRef CommandBars::Item(const com::Variant& index) {
  auto application = access::Application::Served(application_);
  std::vector<std::string> names;
  for (const auto& bar : BuiltInBars()) names.push_back(bar.at("Name").get<std::string>());
  const std::size_t built_in = names.size();
  for (auto& name : CustomNames(*application)) names.push_back(std::move(name));
  const auto name = access::ItemName(names, index, 1);
  if (!name) com::RaiseVb(kInvalidArgument);
  const auto position = static_cast<std::size_t>(
      std::find(names.begin(), names.end(), *name) - names.begin());
  return std::make_shared<CommandBar>(position < built_in
                                          ? BarHandle::BuiltIn(application_, position)
                                          : BarHandle::Custom(application_, *name));
}

}  // namespace sim::office
