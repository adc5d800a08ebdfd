#include "sim/jet/sessions.h"

#include <filesystem>

#include "com/error.h"
#include "com/text.h"
#include "sim/jet/dao_errors.h"

namespace sim::jet {
namespace {

constexpr std::int32_t kAdmitsNoConnections = 1;
constexpr std::int32_t kAdmitsConnections = 2;

}  // namespace

std::string Sessions::Key(const std::string& path) {
  std::error_code error;
  std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
  if (error) resolved = std::filesystem::absolute(path).lexically_normal();
  return com::UCase(resolved.string());
}

std::uint64_t Sessions::Open(const std::string& path, const std::string& computer, bool exclusive) {
  const std::string key = Key(path);
  ++attempts_[key];
  if (ConnectionControl(path) == kAdmitsNoConnections) {
    const auto roster = Roster(path);
    RaiseStateBlocksOpening(roster.empty() ? computer : roster.front().computer);
  }
  for (const auto& [id, connection] : connections_)
    if (Key(connection.path) == key && (connection.exclusive || exclusive))
      RaiseDao(kDaoFileInUse, path);
  const std::uint64_t id = next_id_++;
  connections_[id] = Connection{id, path, computer, exclusive};
  return id;
}

void Sessions::Close(std::uint64_t id) {
  auto found = connections_.find(id);
  if (found == connections_.end()) return;
  const std::string path = found->second.path;
  connections_.erase(found);
  // The state a connection placed the file in ends when the last one leaves.
  if (Roster(path).empty()) connection_control_.erase(Key(path));
}

bool Sessions::HeldExclusively(const std::string& path) const {
  const std::string key = Key(path);
  for (const auto& [id, connection] : connections_)
    if (connection.exclusive && Key(connection.path) == key) return true;
  return false;
}

std::vector<Sessions::Connection> Sessions::Roster(const std::string& path) const {
  const std::string key = Key(path);
  std::vector<Connection> roster;
  for (const auto& [id, connection] : connections_)
    if (Key(connection.path) == key) roster.push_back(connection);
  return roster;
}

void Sessions::SetConnectionControl(const std::string& path, std::int32_t value) {
  connection_control_[Key(path)] = value;
}

std::int32_t Sessions::ConnectionControl(const std::string& path) const {
  auto found = connection_control_.find(Key(path));
  return found == connection_control_.end() ? kAdmitsConnections : found->second;
}

std::uint64_t Sessions::OpenAttempts(const std::string& path) const {
  auto found = attempts_.find(Key(path));
  return found == attempts_.end() ? 0 : found->second;
}

void Sessions::FailNext(const std::string& operation, std::int32_t number,
                        const std::string& description) {
  faults_[operation] = {number, description};
}

void Sessions::CheckFault(const std::string& operation) {
  auto found = faults_.find(operation);
  if (found == faults_.end()) return;
  const Fault fault = found->second;
  faults_.erase(found);
  com::Raise(fault.number, fault.description);
}

}  // namespace sim::jet
