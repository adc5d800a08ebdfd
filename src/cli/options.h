#pragma once
// The quillnet command's arguments.

#include <stdexcept>
#include <string>
#include <vector>

namespace cli {

// Bad usage: the message is printed on one line and the command exits with 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Options {
  std::string command;                  // sample, collections, list, show, search, replace
  std::vector<std::string> arguments;  // the command's positional arguments
  bool regex = false;
  bool match_case = false;
  bool whole_word = false;
  std::vector<std::string> only;
  bool json = false;
  bool access_project = false;
  std::string password;
  std::string workgroup;
  std::string user;
  std::string user_password;
  bool include_query_fields = false;
  bool include_linked_table_fields = false;
  bool dry_run = false;
  bool yes = false;
  bool no_backup = false;
  bool keep_going = false;
  // A replace changes the backends the tables link to in the same run.
  bool with_backends = false;
};

Options ParseOptions(const std::vector<std::string>& args);

extern const char* const kUsage;

}  // namespace cli
