#include "sim/office/bar_handle.h"

#include "com/error.h"
#include "sim/access/access_errors.h"
#include "sim/access/application.h"
#include "sim/office/bar_store.h"
#include "sim/office/built_in_bars.h"

namespace sim::office {
namespace {

// What Office answers when it will not change one of Access's own bars here.
constexpr std::int32_t kAutomationFailed = -2147467259;
constexpr const char* kAction = "CommandBars";

BarStore Store(access::Application& application) {
  return BarStore(application.RequireDocuments(kAction).File()->Catalog());
}

}  // namespace

BarHandle BarHandle::BuiltIn(std::weak_ptr<access::Application> application, std::size_t index) {
  return BarHandle(std::move(application), true, index, "");
}

BarHandle BarHandle::Custom(std::weak_ptr<access::Application> application, std::string name) {
  return BarHandle(std::move(application), false, 0, std::move(name));
}

BarHandle BarHandle::PopupBar(std::size_t control) const {
  BarHandle bar = *this;
  bar.path_.push_back(control);
  return bar;
}

nlohmann::json BarHandle::Read() const {
  nlohmann::json top = Top();
  return Below(top, path_);
}

void BarHandle::Update(const std::function<void(nlohmann::json&)>& change) {
  if (built_in_)
    com::Raise(kAutomationFailed, "Method of object 'CommandBar' failed: Access's own bars "
                                  "are not changed here");
  nlohmann::json top = Top();
  change(Below(top, path_));
  Store(*access::Application::Served(application_)).Put(top, name_);
  name_ = top.at("Name").get<std::string>();
}

nlohmann::json BarHandle::Top() const {
  auto application = access::Application::Served(application_);
  if (built_in_) return BuiltInBars().at(index_);
  const auto bar = Store(*application).Find(name_);
  if (!bar) access::RaiseAccess(access::kObjectClosedOrMissing);
  return *bar;
}

nlohmann::json& BarHandle::Below(nlohmann::json& top, const std::vector<std::size_t>& path) {
  nlohmann::json* bar = &top;
  for (const std::size_t control : path) {
    auto& controls = (*bar)["Controls"];
    if (control >= controls.size() || !controls[control].contains("CommandBar"))
      access::RaiseAccess(access::kObjectClosedOrMissing);
    bar = &controls[control]["CommandBar"];
  }
  return *bar;
}

}  // namespace sim::office
