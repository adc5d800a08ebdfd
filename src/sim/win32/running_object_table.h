#pragma once
// The running-object table: names (letter case ignored) to live objects.

#include <map>
#include <string>

#include "platform/win32.h"

namespace sim {

class RunningObjectTable : public platform::RunningObjectTable {
 public:
  std::uint32_t Register(const std::string& name, com::ObjectRef object) override;
  void Revoke(std::uint32_t cookie) override;
  com::ObjectRef Find(const std::string& name) override;
  std::size_t Size() const { return entries_.size(); }

 private:
  struct Entry {
    std::string name;
    com::ObjectRef object;
  };
  std::map<std::uint32_t, Entry> entries_;
  std::uint32_t next_cookie_ = 1;
};

}  // namespace sim
