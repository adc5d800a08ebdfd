#include "cli/options.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <deque>
#include <map>
#include <memory>

namespace cli {

namespace {

// The groups of options a sub-command takes.
enum Group : unsigned {
  kProject = 1,   // how the database is opened
  kJson = 2,      // JSON Lines output
  kMatch = 4,     // what is searched for and how hits are shown
  kReplace = 8,   // how a replace writes
  kConsent = 16,  // --yes
};

struct Positional {
  const char* name;
  const char* description;
  bool optional = false;  // given or left out as a whole with the other optional ones
};

struct Command {
  const char* name;
  const char* description;
  std::vector<Positional> positionals;
  unsigned groups = 0;
};

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"sample", "write the built-in sample application into DIR", {{"DIR", "an empty or new folder"}}},
      {"collections", "the collection list, one name a line", {{"DB", "the database"}}, kProject},
      {"list",
       "the object list, one object a line",
       {{"DB", "the database"}, {"COLLECTION", "a collection, e.g. Tables"}},
       kProject | kJson},
      {"show",
       "every readable property of one object",
       {{"DB", "the database"}, {"COLLECTION", "a collection"}, {"NAME", "the object"}},
       kProject | kJson},
      {"search",
       "every property that holds TEXT",
       {{"DB", "the database"}, {"TEXT", "the text to find"}},
       kProject | kJson | kMatch},
      {"replace",
       "replace TEXT by NEW everywhere (TEXT and NEW are left out with --apply)",
       {{"DB", "the database"},
        {"TEXT", "the text to find", true},
        {"NEW", "what it is replaced with", true}},
       kProject | kJson | kMatch | kReplace | kConsent},
      {"undo",
       "take back the last replace run on DB",
       {{"DB", "the database"}},
       kProject | kJson | kConsent},
      {"import",
       "load the forms, reports, macros and modules of a source-control folder into DB",
       {{"DIR", "the folder"}, {"DB", "the database"}}},
      {"export",
       "write the forms, reports, macros and modules of DB into DIR",
       {{"DB", "the database"}, {"DIR", "the folder"}}},
      {"convert",
       "copy a real Access file's tables, queries, relationships and import specifications "
       "into a new database in this program's format",
       {{"REAL", "the real Access file (.mdb)"}, {"OUT", "the new database"}}},
  };
  return commands;
}

void AddProjectOptions(CLI::App& sub, Options& o) {
  sub.add_flag("--project", o.access_project, "DB is an Access project (.adp)");
  sub.add_option("--password", o.password, "the database password")->type_name("P");
  sub.add_option("--workgroup", o.workgroup, "the workgroup information file (.mdw)")
      ->type_name("FILE");
  sub.add_option("--user", o.user, "the user account of the workgroup")->type_name("NAME");
  sub.add_option("--user-password", o.user_password, "that account's password")
      ->type_name("P");
  sub.add_flag("--include-query-fields", o.include_query_fields, "search the fields of queries");
  sub.add_flag("--include-linked-table-fields", o.include_linked_table_fields,
               "search the fields of linked tables");
}

void AddMatchOptions(CLI::App& sub, Options& o, std::string& color) {
  sub.add_flag("--regex", o.regex, "TEXT is a regular expression (PCRE2); NEW may use $1");
  auto* match_case = sub.add_flag("--match-case", o.match_case, "letter case must match");
  sub.add_flag("--whole-word", o.whole_word, "whole words only");
  sub.add_option("--only", o.only, "these collections only")
      ->delimiter(',')
      ->type_name("COLL[,COLL...]");
  sub.add_option("--only-path", o.only_paths,
                 "only hits whose path matches this glob (repeatable), e.g. 'Queries/qry*'")
      ->type_name("GLOB");
  sub.add_option("--color", color,
                 "colour the matches and group the hits by object: auto (on a terminal), "
                 "always or never")
      ->check(CLI::IsMember({"auto", "always", "never"}).description(""))
      ->type_name("auto|always|never");
  if (sub.get_name() == "replace")
    sub.add_flag("--preserve-case", o.preserve_case,
                 "keep each match's case pattern (customerid to clientid makes CUSTOMERID "
                 "CLIENTID)")
        ->excludes(match_case);
}

void AddReplaceOptions(CLI::App& sub, Options& o) {
  auto* dry_run = sub.add_flag("--dry-run", o.dry_run, "say what would change; write nothing");
  auto* diff = sub.add_flag("--diff", o.diff, "show each change as a unified diff; write nothing");
  auto* yes = sub.get_option("--yes");
  sub.add_flag("--no-backup", o.no_backup, "take no DB.bak copy before the first write");
  sub.add_flag("--keep-going", o.keep_going, "keep what can be written when a change fails");
  sub.add_flag("--with-backends", o.with_backends,
               "change the backends the tables link to in the same run");
  auto* interactive =
      sub.add_flag("--interactive", o.interactive, "ask for each hit on the terminal");
  auto* plan = sub.add_option("--plan", o.plan, "write the planned changes to FILE (JSON)")
                   ->type_name("FILE");
  auto* apply = sub.add_option("--apply", o.apply, "apply the changes planned in FILE")
                    ->type_name("FILE");
  dry_run->excludes(yes)->excludes(diff)->excludes(plan);
  diff->excludes(yes)->excludes(plan)->excludes(interactive);
  plan->excludes(yes)->excludes(apply)->excludes(interactive);
  interactive->excludes(yes)->excludes(apply);
}

// A positional argument as parsed, by the sub-command and option that take it.
struct Slot {
  const CLI::App* command = nullptr;
  const CLI::Option* option = nullptr;
  std::string value;
};
using Slots = std::deque<Slot>;  // the values are bound by address: a deque keeps them in place

CLI::App* AddCommand(CLI::App& app, const Command& command, Options& o, Slots& slots,
                     std::string& color) {
  CLI::App* sub = app.add_subcommand(command.name, command.description);
  sub->footer("");
  for (const Positional& p : command.positionals) {
    Slot& slot = slots.emplace_back();
    auto* option = sub->add_option(p.name, slot.value, p.description)->type_name("");
    if (!p.optional) option->required();
    slot = {sub, option, ""};
  }
  if (command.groups & kProject) AddProjectOptions(*sub, o);
  if (command.groups & kJson) sub->add_flag("--json", o.json, "one JSON object a line");
  if (command.groups & kConsent)
    sub->add_flag("--yes", o.yes, "write without asking");
  if (command.groups & kMatch) AddMatchOptions(*sub, o, color);
  if (command.groups & kReplace) AddReplaceOptions(*sub, o);
  return sub;
}

// Builds the parser over `o`; `slots` receives the positionals and `color`
// the word given to --color.
std::unique_ptr<CLI::App> Parser(Options& o, Slots& slots, std::string& color) {
  auto app = std::make_unique<CLI::App>(
      "Finds and replaces text across a Microsoft Access application.", "quillnet");
  app->require_subcommand(1, 1);
  app->footer(
      "Also:\n"
      "  quillnet connect [DB]         choose the database and its credentials in a dialog;\n"
      "                                the commands on DB then use them\n"
      "  quillnet connect --forget DB  forget what connect saved for DB\n"
      "  quillnet --version\n"
      "Give a sub-command --help for its options. Exit codes: 0 found or replaced, 1 nothing\n"
      "found, 2 bad usage or bad input, 3 some changes refused or failed.");
  for (const Command& command : Commands()) AddCommand(*app, command, o, slots, color);
  return app;
}

void CheckReplaceArguments(const Options& o) {
  if (!o.apply.empty() && o.arguments.size() != 1)
    throw UsageError("replace --apply FILE takes DB alone: the plan holds TEXT and NEW");
  if (o.apply.empty() && o.arguments.size() != 3)
    throw UsageError("replace takes DB, TEXT and NEW");
}

}  // namespace

bool Options::Writes() const {
  if (command == "replace") return !dry_run && !diff && plan.empty();
  return command == "undo" || command == "import";
}

Options ParseOptions(const std::vector<std::string>& args) {
  if (args.empty()) throw UsageError("no command given; try quillnet --help");
  const auto& commands = Commands();
  if (!args[0].starts_with('-') &&
      std::none_of(commands.begin(), commands.end(),
                   [&](const Command& c) { return args[0] == c.name; }))
    throw UsageError("unknown command '" + args[0] + "'; try quillnet --help");
  Options o;
  Slots slots;
  std::string color = "auto";
  auto app = Parser(o, slots, color);
  std::vector<std::string> reversed(args.rbegin(), args.rend());  // CLI11 takes them so
  try {
    app->parse(reversed);
  } catch (const CLI::CallForHelp&) {
    o.help = app->help();
    return o;
  } catch (const CLI::ParseError& e) {
    throw UsageError(e.what());
  }
  o.color = color == "always" ? Color::Always : color == "never" ? Color::Never : Color::Auto;
  const CLI::App* chosen = app->get_subcommands().front();
  o.command = chosen->get_name();
  for (const Slot& slot : slots)
    if (slot.command == chosen && slot.option->count() > 0) o.arguments.push_back(slot.value);
  if (o.command == "replace") CheckReplaceArguments(o);
  return o;
}

}  // namespace cli
