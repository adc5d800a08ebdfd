#pragma once
// The COM class registry: ProgIDs to the factories that create their objects.

#include <functional>
#include <map>
#include <string>

#include "platform/win32.h"

namespace sim {

class ClassRegistry : public platform::ClassRegistry {
 public:
  using Factory = std::function<com::ObjectRef()>;
  void RegisterClass(const std::string& prog_id, Factory factory);
  bool IsRegistered(const std::string& prog_id) const;
  com::ObjectRef CreateObject(const std::string& prog_id) override;

 private:
  std::map<std::string, Factory> factories_;  // upper-cased ProgID
};

}  // namespace sim
