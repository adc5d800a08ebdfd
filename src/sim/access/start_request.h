#pragma once
// What Access starts with: the file and logon of its command line, the
// database password typed into its password prompt, and whether the Shift key
// was held down while the file opened.

#include <string>

namespace sim::access {

struct StartRequest {
  std::string file{};
  std::string workgroup{};  // /wrkgrp; empty: Access's default workgroup
  std::string user{};       // /user; empty: Admin
  std::string password{};   // /pwd
  std::string database_password{};
  bool exclusive = false;  // /excl
  bool read_only = false;  // /ro
  bool bypass_key = false;
};

}  // namespace sim::access
