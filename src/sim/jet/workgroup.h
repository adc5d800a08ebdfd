#pragma once
// A workgroup information file: Jet's users and groups with their passwords
// and memberships, read whole when a workspace logs on. The file is a SQLite
// file with a marker row of its own. Names are compared without regard to
// case, passwords with it.

#include <memory>
#include <string>
#include <vector>

namespace sim::jet {

class Workgroup {
 public:
  // What Jet uses without a workgroup file: user "admin" without a password,
  // groups "Admins" and "Users".
  static std::shared_ptr<const Workgroup> BuiltIn();
  // Raises 3028 when the file is missing or is not a workgroup file.
  static std::shared_ptr<const Workgroup> Load(const std::string& path);

  // A new file holding the built-in accounts, replacing any file there.
  static void CreateFile(const std::string& path);
  // Raises 3390 when the name is taken, 3265 when a group does not exist.
  static void AddAccount(const std::string& path, const std::string& name, bool is_group,
                         const std::string& password, const std::vector<std::string>& groups);
  // Raises 3265 for an unknown user.
  static void SetPassword(const std::string& path, const std::string& user,
                          const std::string& password);

  // Raises 3029 for an unknown user (or a group) and for a wrong password.
  void Logon(const std::string& user, const std::string& password) const;
  std::vector<std::string> Users() const;
  std::vector<std::string> Groups() const;
  // The groups an account belongs to; none for a group or an unknown name.
  std::vector<std::string> GroupsOf(const std::string& account) const;

 private:
  struct Account {
    std::string name;
    bool is_group = false;
    std::string password;
    std::vector<std::string> groups;
  };
  const Account* Find(const std::string& name) const;

  std::vector<Account> accounts_;
};

}  // namespace sim::jet
