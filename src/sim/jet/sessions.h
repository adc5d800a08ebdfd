#pragma once
// Every Jet connection open on the machine, per database file: who holds a
// file exclusively, the user roster (one row per connection with its
// computer's name), and the connection-control state that Access sets while
// it wants a file to itself. File paths are compared after resolving them,
// without regard to letter case, as Windows does.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace sim::jet {

class Sessions {
 public:
  struct Connection {
    std::uint64_t id = 0;
    std::string path;
    std::string computer;
    bool exclusive = false;
  };

  // Opens a connection. Raises 3045 "Could not use '<path>'; file already in
  // use." when another connection holds the file exclusively, or when this one
  // asks for exclusive use of a file others have open; raises 3734 while the
  // file's connection control is 1.
  std::uint64_t Open(const std::string& path, const std::string& computer, bool exclusive);
  void Close(std::uint64_t id);

  bool HeldExclusively(const std::string& path) const;
  // The user roster of the file, in the order the connections were opened.
  std::vector<Connection> Roster(const std::string& path) const;

  // 1 admits no new connections, 2 admits them again (the initial state).
  void SetConnectionControl(const std::string& path, std::int32_t value);
  std::int32_t ConnectionControl(const std::string& path) const;

  // How many times a connection to the file was asked for, granted or not.
  std::uint64_t OpenAttempts(const std::string& path) const;

  // Makes the next use of a DAO operation on any connection fail with the
  // error given (tests use it to see what a failure half-way leaves behind).
  // Operations are named "Collection.Method", as "TableDefs.Delete".
  void FailNext(const std::string& operation, std::int32_t number, const std::string& description);
  // Raises the error queued for the operation, once.
  void CheckFault(const std::string& operation);

  static std::string Key(const std::string& path);

 private:
  struct Fault {
    std::int32_t number;
    std::string description;
  };
  std::map<std::string, Fault> faults_;
  std::map<std::uint64_t, Connection> connections_;
  std::map<std::string, std::int32_t> connection_control_;
  std::map<std::string, std::uint64_t> attempts_;
  std::uint64_t next_id_ = 1;
};

}  // namespace sim::jet
