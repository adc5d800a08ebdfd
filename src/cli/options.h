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

// When matched text is coloured: on a terminal (auto), always or never.
enum class Color { Auto, Always, Never };

struct Options {
  std::string command;                  // sample, collections, list, show, search, replace, ...
  std::vector<std::string> arguments;  // the command's positional arguments
  // Set when help was asked for: the text to print, and nothing is run.
  std::string help;
  bool regex = false;
  bool match_case = false;
  bool whole_word = false;
  // A case-insensitive replace keeps the case pattern of each match.
  bool preserve_case = false;
  std::vector<std::string> only;
  // Globs a hit's path must match (any of them) to be part of the run.
  std::vector<std::string> only_paths;
  bool json = false;
  Color color = Color::Auto;
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
  // A replace shows each change as a unified diff and writes nothing.
  bool diff = false;
  // A replace asks for each hit on the terminal.
  bool interactive = false;
  // A replace writes its planned changes to this file instead of the database.
  std::string plan;
  // A replace applies the changes planned in this file.
  std::string apply;

  // The command writes to its database (a replace that is not only shown or
  // planned, an undo, an import).
  bool Writes() const;
  // The command changes properties of objects (a replace or an undo).
  bool Changes() const { return command == "replace" || command == "undo"; }
};

// Raises UsageError with one line for every mistake.
Options ParseOptions(const std::vector<std::string>& args);

}  // namespace cli
