#pragma once
// A user or a group of the workspace's workgroup, known by its name.

#include <string>

namespace sim::jet {

template <class Account>
class WorkgroupAccount : public Account {
 public:
  explicit WorkgroupAccount(std::string name) : name_(std::move(name)) {}
  std::string Name() override { return name_; }

 private:
  std::string name_;
};

}  // namespace sim::jet
