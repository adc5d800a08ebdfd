#include "sim/jet/database_builder.h"
#include "sim/jet/workgroup.h"

namespace sim::jet {

WorkgroupBuilder::WorkgroupBuilder(std::string path) : path_(std::move(path)) {
  Workgroup::CreateFile(path_);
}

WorkgroupBuilder WorkgroupBuilder::Existing(std::string path) {
  return WorkgroupBuilder(std::move(path), ExistingFile{});
}

WorkgroupBuilder& WorkgroupBuilder::User(const std::string& name, const std::string& password,
                                         const std::vector<std::string>& groups) {
  Workgroup::AddAccount(path_, name, false, password, groups);
  return *this;
}

WorkgroupBuilder& WorkgroupBuilder::Group(const std::string& name) {
  Workgroup::AddAccount(path_, name, true, "", {});
  return *this;
}

WorkgroupBuilder& WorkgroupBuilder::Password(const std::string& user, const std::string& password) {
  Workgroup::SetPassword(path_, user, password);
  return *this;
}

}  // namespace sim::jet
