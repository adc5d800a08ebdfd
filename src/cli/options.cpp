#include "cli/options.h"

#include <map>

#include "com/text.h"

namespace cli {

const char* const kUsage =
    "usage:\n"
    "  quillnet sample DIR                      write the built-in sample application into DIR\n"
    "  quillnet collections DB                  the collection list, one name a line\n"
    "  quillnet list DB COLLECTION              the object list, one object a line\n"
    "  quillnet show DB COLLECTION NAME         every readable property of one object\n"
    "  quillnet search DB TEXT [options]\n"
    "  quillnet replace DB TEXT NEW [options]   --dry-run | --yes | --no-backup | --keep-going\n"
    "                                           | --with-backends\n"
    "  quillnet import DIR DB                   load the forms, reports, macros and modules of\n"
    "                                           a source-control folder into DB\n"
    "  quillnet export DB DIR                   write them out into DIR\n"
    "  quillnet convert REAL.mdb OUT.mdb        copy a real Access file's tables, queries,\n"
    "                                           relationships and import specifications\n"
    "                                           into a new database in this program's format\n"
    "  quillnet connect [DB]                    choose the database and its credentials in a\n"
    "                                           dialog; the commands on DB then use them\n"
    "  quillnet connect --forget DB             forget what connect saved for DB\n"
    "options: --regex --match-case --whole-word --only COLL[,COLL...] --json\n"
    "         --project --password P --workgroup F --user U --user-password P\n"
    "         --include-query-fields --include-linked-table-fields\n";

namespace {

const std::map<std::string, std::size_t> kArgumentCounts = {
    {"sample", 1}, {"collections", 1}, {"list", 2}, {"show", 3}, {"search", 2}, {"replace", 3},
    {"import", 2}, {"export", 2}, {"convert", 2}};

bool Flag(const std::string& arg, Options& o) {
  static const std::map<std::string, bool Options::*> flags = {
      {"--regex", &Options::regex},
      {"--match-case", &Options::match_case},
      {"--whole-word", &Options::whole_word},
      {"--json", &Options::json},
      {"--project", &Options::access_project},
      {"--include-query-fields", &Options::include_query_fields},
      {"--include-linked-table-fields", &Options::include_linked_table_fields},
      {"--dry-run", &Options::dry_run},
      {"--yes", &Options::yes},
      {"--no-backup", &Options::no_backup},
      {"--keep-going", &Options::keep_going},
      {"--with-backends", &Options::with_backends},
  };
  auto found = flags.find(arg);
  if (found == flags.end()) return false;
  o.*(found->second) = true;
  return true;
}

bool Valued(const std::string& arg, const std::string& value, Options& o) {
  static const std::map<std::string, std::string Options::*> values = {
      {"--password", &Options::password},
      {"--workgroup", &Options::workgroup},
      {"--user", &Options::user},
      {"--user-password", &Options::user_password},
  };
  if (arg == "--only") {
    for (const std::string& name : com::Split(value, ","))
      if (!name.empty()) o.only.push_back(name);
    return true;
  }
  auto found = values.find(arg);
  if (found == values.end()) return false;
  o.*(found->second) = value;
  return true;
}

bool TakesValue(const std::string& arg) {
  return arg == "--only" || arg == "--password" || arg == "--workgroup" || arg == "--user" ||
         arg == "--user-password";
}

}  // namespace

Options ParseOptions(const std::vector<std::string>& args) {
  if (args.empty()) throw UsageError("no command given");
  Options o;
  o.command = args[0];
  auto count = kArgumentCounts.find(o.command);
  if (count == kArgumentCounts.end()) throw UsageError("unknown command '" + o.command + "'");
  bool options_ended = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (options_ended || arg.size() < 2 || arg.rfind("--", 0) != 0) {
      o.arguments.push_back(arg);
    } else if (arg == "--") {
      options_ended = true;
    } else if (TakesValue(arg)) {
      if (i + 1 >= args.size()) throw UsageError("option " + arg + " needs a value");
      Valued(arg, args[++i], o);
    } else if (!Flag(arg, o)) {
      throw UsageError("unknown option '" + arg + "'");
    }
  }
  if (o.arguments.size() != count->second)
    throw UsageError("'" + o.command + "' takes " + std::to_string(count->second) +
                     " argument(s), " + std::to_string(o.arguments.size()) + " given");
  if (o.dry_run && o.yes) throw UsageError("--dry-run and --yes cannot be used together");
  return o;
}

}  // namespace cli
