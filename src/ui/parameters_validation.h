#pragma once
// What the project parameters dialog checks when the user presses OK: that
// the file and the workgroup file exist, that the credentials open the
// database, that the file is an Access 2000 database. The dialog shows the
// message in a message box; the command line prints it.

#include <string>

namespace ui {

struct ProjectParametersInput {
  bool access_project = false;
  std::string database;
  std::string database_password;
  std::string workgroup;
  std::string username;  // empty: "Admin"
  std::string password;
};

// The message for the first check that fails, or the empty string when all pass.
std::string ValidateProjectParameters(const ProjectParametersInput& input);

}  // namespace ui
