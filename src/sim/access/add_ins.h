#pragma once
// The COM add-ins of an Access session. At start-up Access loads every add-in
// registered under HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Office\Access\Addins
// whose LoadBehavior is 3: it creates the add-in by its ProgID and connects
// it to the application (IDTExtensibility2::OnConnection). An add-in that
// cannot be created or fails to connect is marked as not loaded
// (LoadBehavior 2), as Office does. At shut-down each loaded add-in hears of
// it and is disconnected.

#include <string>
#include <vector>

#include "com/dispatch.h"
#include "platform/access.h"

namespace sim {
class Machine;
}

namespace sim::access {

class AddIns {
 public:
  static constexpr const char* kKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Office\\Access\\Addins";
  // The registry key of one add-in's registration.
  static std::string KeyOf(const std::string& prog_id);

  AddIns() = default;
  AddIns(const AddIns&) = delete;
  AddIns& operator=(const AddIns&) = delete;

  void Load(Machine& machine, const com::ObjectRef& application);
  void StartupComplete();
  // OnBeginShutdown to all, then OnDisconnection to each, the last loaded first.
  void Unload();

  // The ProgIDs of the add-ins loaded, in the order they were.
  std::vector<std::string> Loaded() const;

 private:
  struct AddIn {
    std::string prog_id;
    com::ObjectRef object;
    msaccess::IDTExtensibility2* extensibility;
  };
  bool Connect(Machine& machine, const std::string& prog_id, const com::ObjectRef& application);

  std::vector<AddIn> loaded_;
};

}  // namespace sim::access
