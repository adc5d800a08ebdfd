#include "sim/access/add_ins.h"

#include "sim/machine.h"

namespace sim::access {
namespace {

constexpr std::int32_t kLoadAtStartup = 3;
constexpr std::int32_t kNotLoaded = 2;
// ext_ConnectMode and ext_DisconnectMode.
constexpr std::int32_t kConnectAtStartup = 1;
constexpr std::int32_t kHostShutdown = 0;

std::int32_t LoadBehavior(Machine& machine, const std::string& key) {
  const auto value = machine.registry().ReadValue(key, "LoadBehavior");
  return value ? com::ValueOr<std::int32_t>([&] { return com::CLng(*value); }, 0) : 0;
}

}  // namespace

std::string AddIns::KeyOf(const std::string& prog_id) {
  std::string key = kKey;
  return key.append("\\").append(prog_id);
}

void AddIns::Load(Machine& machine, const com::ObjectRef& application) {
  for (const std::string& prog_id : machine.registry().SubKeys(kKey)) {
    const std::string key = KeyOf(prog_id);
    if (LoadBehavior(machine, key) != kLoadAtStartup) continue;
    if (!Connect(machine, prog_id, application))
      machine.registry().WriteValue(key, "LoadBehavior", com::Variant(kNotLoaded));
  }
}

bool AddIns::Connect(Machine& machine, const std::string& prog_id,
                     const com::ObjectRef& application) {
  com::ObjectRef object;
  if (com::Capture([&] { object = machine.classes().CreateObject(prog_id); })) return false;
  auto* extensibility = dynamic_cast<msaccess::IDTExtensibility2*>(object.get());
  if (!extensibility) return false;
  com::Variant custom;
  if (com::Capture([&] { extensibility->OnConnection(application, kConnectAtStartup, nullptr, custom); }))
    return false;
  loaded_.push_back({prog_id, std::move(object), extensibility});
  return true;
}

void AddIns::StartupComplete() {
  for (const AddIn& add_in : loaded_) {
    com::Variant custom;
    com::IgnoreErrors([&] { add_in.extensibility->OnStartupComplete(custom); });
  }
}

void AddIns::Unload() {
  for (const AddIn& add_in : loaded_) {
    com::Variant custom;
    com::IgnoreErrors([&] { add_in.extensibility->OnBeginShutdown(custom); });
  }
  while (!loaded_.empty()) {
    const AddIn add_in = loaded_.back();
    loaded_.pop_back();
    com::Variant custom;
    com::IgnoreErrors([&] { add_in.extensibility->OnDisconnection(kHostShutdown, custom); });
  }
}

std::vector<std::string> AddIns::Loaded() const {
  std::vector<std::string> names;
  for (const AddIn& add_in : loaded_) names.push_back(add_in.prog_id);
  return names;
}

}  // namespace sim::access
