#include "cli/commands.h"

#include <filesystem>
#include <set>

#include "cli/application_files.h"
#include "cli/change_file.h"
#include "cli/connect_command.h"
#include "cli/default_machine.h"
#include "cli/document_commands.h"
#include "cli/file_checks.h"
#include "cli/interactive_choice.h"
#include "cli/options.h"
#include "cli/path_filter.h"
#include "cli/real_files.h"
#include "cli/report.h"
#include "cli/terminal_hits.h"
#include "cli/saved_connections.h"
#include "cli/sample_application.h"
#include "com/text.h"
#include "engine/change.h"
#include "engine/replace_run.h"
#include "engine/restore_point.h"
#include "engine/run_claim.h"
#include "engine/search_engine.h"
#include "shared/database_keyed_file.h"
#include "shared/utility.h"
#include "shared/version.h"
#include "ui/parameters_validation.h"

namespace cli {
namespace {

namespace fs = std::filesystem;

constexpr int kFound = 0;
constexpr int kNothingFound = 1;
constexpr int kBadInput = 2;
constexpr int kSomeFailed = 3;

engine::ProjectOptions ProjectOptionsOf(const Options& o, const std::string& default_workgroup) {
  engine::ProjectOptions p;
  p.database = fs::absolute(o.arguments[0]).lexically_normal().string();
  p.access_project = o.access_project;
  p.database_password = o.password;
  p.workgroup = o.workgroup.empty() ? default_workgroup : o.workgroup;
  p.user = o.user;
  p.user_password = o.user_password;
  p.include_query_fields = o.include_query_fields;
  p.include_linked_table_fields = o.include_linked_table_fields;
  SavedConnections(StateFolder()).Apply(o, p);
  return p;
}

// Access 2000 projects are .adp files (.ade when compiled); any other file
// would be searched as a project that holds nothing.
void CheckProjectFile(const std::string& path) {
  const std::string extension = com::LCase(fs::path(path).extension().string());
  if (extension != ".adp" && extension != ".ade")
    throw UsageError("'" + path + "' is not an Access project (.adp or .ade); leave out " +
                     "--project to search a database");
}

void Validate(const engine::ProjectOptions& p) {
  const std::string message = ui::ValidateProjectParameters(
      {p.access_project, p.database, p.database_password, p.workgroup, p.user, p.user_password});
  if (!message.empty()) throw UsageError(OneLine(message));
  if (p.access_project) CheckProjectFile(p.database);
}

void CheckCollections(engine::SearchEngine& engine, const std::vector<std::string>& names) {
  const auto known = engine.Collections();
  for (const std::string& name : names)
    if (std::none_of(known.begin(), known.end(),
                     [&](const std::string& k) { return com::EqualsNoCase(k, name); }))
      throw UsageError("unknown collection '" + name + "'; this project has: " +
                       com::Join(known, ", "));
}

engine::MatchOptions MatchOptionsOf(const Options& o) {
  return {o.regex, o.match_case, o.whole_word, o.preserve_case};
}

// A copy of the file beside it: name.bak, or name.bak.2 and on when taken.
void BackUp(const std::string& path, std::ostream& err) {
  err << "quillnet: backed up " << path << " to " << engine::CopyBeside(path, ".bak") << '\n';
}

std::size_t CountObjects(const std::vector<engine::Hit>& hits) {
  std::set<std::string> objects;
  for (const auto& h : hits) objects.insert(h.collection + "/" + h.object);
  return objects.size();
}

bool Confirm(Console& console, const std::vector<engine::Hit>& hits, const Options& o) {
  if (!console.in_is_terminal)
    throw UsageError(o.command + " writes to the database: give --yes (or --dry-run) when " +
                     "there is no terminal to ask on");
  console.err << (o.command == "undo" ? "Take back " : "Replace ") << hits.size()
              << (o.command == "undo" ? " change(s)" : " occurrence(s)") << " in "
              << CountObjects(hits) << " object(s)? [y/N] " << std::flush;
  std::string answer;
  std::getline(console.in, answer);
  return answer == "y" || answer == "Y" || answer == "yes";
}

struct ReplaceCounts {
  std::size_t replaced = 0;
  std::size_t not_replaced = 0;  // refused or failed
  std::size_t not_kept = 0;
};

ReplaceCounts CountReplaced(const std::vector<engine::Hit>& hits) {
  ReplaceCounts counts;
  for (const auto& h : hits) {
    if (h.status == engine::HitStatus::Replaced) ++counts.replaced;
    if (h.status == engine::HitStatus::Refused || h.status == engine::HitStatus::Failed)
      ++counts.not_replaced;
    if (h.status == engine::HitStatus::NotKept) ++counts.not_kept;
  }
  return counts;
}

void PrintSummary(std::ostream& out, const ReplaceCounts& counts, bool dry_run) {
  if (dry_run) {
    out << "dry run: nothing was written";
    if (counts.not_replaced > 0) out << "; " << counts.not_replaced << " would be refused";
    out << '\n';
  } else if (counts.not_replaced == 0) {
    out << counts.replaced << " replaced, 0 refused or failed\n";
  } else if (counts.replaced == 0) {
    out << "nothing replaced: " << counts.not_replaced << " refused or failed, so none of the "
        << counts.not_kept << " other change(s) was kept; the database is as it was\n";
  } else {
    out << counts.replaced << " replaced and kept, " << counts.not_replaced
        << " refused or failed: what the kept changes name may not have changed with them\n";
  }
}

// Text that could not be searched, or an object the driver had to leave
// out, makes the whole run count as partly failed.
int Outcome(const std::vector<engine::SearchEngine*>& engines, int code) {
  for (const engine::SearchEngine* engine : engines)
    if (engine->SearchFailed() || engine->DriverProblems().Count() > 0) return kSomeFailed;
  return code;
}

std::string FileName(const std::string& path) { return fs::path(path).filename().string(); }

// The hits of one database; with `database_label`, each says the file it is
// in (a backend of the run).
std::vector<engine::Hit> SearchOne(engine::SearchEngine& engine, const engine::Matcher& matcher,
                                   const Options& o, Console& console,
                                   bool database_label = false) {
  std::unique_ptr<TerminalProgress> progress;
  if (console.err_is_terminal) progress = std::make_unique<TerminalProgress>(console.err);
  auto hits = engine.Search(matcher, o.only, progress.get());
  if (database_label)
    for (engine::Hit& hit : hits) hit.database = FileName(engine.Database());
  KeepPaths(hits, o.only_paths);
  return hits;
}

// Colour on a terminal unless NO_COLOR is set, or when asked.
bool UseColor(const Options& o, const Console& console) {
  if (o.color != Color::Auto) return o.color == Color::Always;
  const char* no_color = std::getenv("NO_COLOR");
  return console.out_is_terminal && !(no_color && *no_color);
}

int Search(engine::SearchEngine& engine, const Options& o, Console& console) {
  CheckCollections(engine, o.only);
  const engine::Matcher matcher(o.arguments[1], MatchOptionsOf(o));
  const auto hits = SearchOne(engine, matcher, o, console);
  if (!o.json && (console.out_is_terminal || o.color == Color::Always))
    PrintHitsGrouped(console.out, hits, matcher, UseColor(o, console));
  else
    PrintHits(console.out, hits, o.json, false);
  if (!o.json) console.out << hits.size() << " match(es) in " << CountObjects(hits) << " object(s)\n";
  PrintProblems(o.json ? console.err : console.out, engine);
  return Outcome({&engine}, hits.empty() ? kNothingFound : kFound);
}

// A command that writes (a replace, an import) has the file alone; other
// commands share it and wait a few seconds for a replace to end. Whoever finds
// the copy a replace leaves only while it runs puts the file back from it:
// that run did not finish.
std::unique_ptr<engine::RunClaim> ClaimDatabase(const std::string& database, const Options& o,
                                                Console& console) {
  if (!fs::is_regular_file(database)) return nullptr;
  constexpr std::uint32_t kWaitForReplaceMs = 5000;
  const bool writes = o.Writes();
  return std::make_unique<engine::RunClaim>(
      database, shared::DatabaseKeyedFile((fs::path(StateFolder()) / "claims").string(), database, ".claim"),
      writes ? engine::RunClaim::Kind::Exclusive : engine::RunClaim::Kind::Shared,
      kWaitForReplaceMs, [&] {
        if (engine::RestorePoint::RecoverUnfinished(database))
          console.err << "quillnet: a replace of " << database
                      << " did not finish; the database was put back as it was before it\n";
      },
      o.command);
}

// The journal of the last replace run on a database, which undo takes back.
std::string JournalFile(const std::string& database) {
  return shared::DatabaseKeyedFile((fs::path(StateFolder()) / "journals").string(), database,
                                   ".json");
}

engine::ProjectOptions BackendOptions(const engine::ProjectOptions& front_end,
                                      const std::string& backend) {
  engine::ProjectOptions options = front_end;
  options.database = backend;
  options.database_password.clear();
  return options;
}

// A backend a run changes with its front end (--with-backends, or named in
// a plan or journal), claimed and checked as the front end is.
struct Backend {
  std::unique_ptr<engine::RunClaim> claim;
  std::unique_ptr<engine::SearchEngine> engine;
  std::vector<engine::Hit> hits;
};

// What a run that changes properties reads of the application before its
// database is opened: once Access has the database, its lock keeps other
// connections out.
struct Application {
  std::vector<std::string> backend_files;
  std::vector<std::string> page_files;
  std::vector<Backend> backends;  // the backends the run changes
};

// The changes a run makes when they come from a file: a plan (--apply) or
// the journal of the last replace run on the database (undo); the front end's
// changes come last.
std::optional<ChangeFile> ChangesToMake(const Options& o, const std::string& database) {
  if (o.command == "undo") {
    const std::string journal = JournalFile(database);
    std::optional<ChangeFile> file;
    if (fs::exists(journal)) file = ReadChangeFile(journal, "journal");
    if (!file || file->databases.empty() || file->databases.back().database != database)
      throw UsageError("there is no replace run of " + database + " to take back");
    return file;
  }
  if (!o.apply.empty()) return ReadChangeFile(o.apply, "plan");
  return std::nullopt;
}

std::vector<std::string> ChangedBackends(const engine::ProjectOptions& project,
                                         const Application& application,
                                         const std::optional<ChangeFile>& file, const Options& o) {
  std::vector<std::string> backends;
  if (file) {
    for (const DatabaseChanges& d : file->databases)
      if (d.database != project.database) backends.push_back(d.database);
  } else if (o.with_backends) {
    backends = application.backend_files;
  }
  return backends;
}

Application ReadApplication(const engine::ProjectOptions& project,
                            const std::optional<ChangeFile>& file, const Options& o,
                            Console& console) {
  Application application;
  if (!o.Changes() || !fs::is_regular_file(project.database)) return application;
  // A file that cannot be read here is refused when it is opened, in the
  // words of the driver; only a run with its backends needs them now.
  if (o.with_backends)
    application.backend_files = LinkedBackends(project);
  else
    application.backend_files =
        com::ValueOr<std::vector<std::string>>([&] { return LinkedBackends(project); }, {});
  application.page_files = com::ValueOr<std::vector<std::string>>(
      [&] { return PageFiles(project.database); }, {});
  for (const std::string& path : ChangedBackends(project, application, file, o)) {
    Backend backend;
    backend.claim = ClaimDatabase(path, o, console);
    CheckWritable(o, path);
    backend.engine = std::make_unique<engine::SearchEngine>(BackendOptions(project, path));
    application.backends.push_back(std::move(backend));
  }
  return application;
}

// Without --with-backends a replace changes the front end alone: when the
// text names a table or field of a backend, that is said once, before
// anything is written.
void WarnOfBackends(const engine::ProjectOptions& project, const Application& application,
                    const engine::Matcher& matcher, Console& console) {
  std::vector<std::string> named;
  for (const std::string& path : application.backend_files) {
    engine::SearchEngine backend(BackendOptions(project, path));
    const auto hits = backend.Search(matcher, {"Tables"}, nullptr);
    if (std::any_of(hits.begin(), hits.end(),
                    [](const engine::Hit& hit) { return hit.property == "Name"; }))
      named.push_back(path);
  }
  if (named.empty()) return;
  console.err << "quillnet: warning: the text names tables or fields of the backend "
              << com::Join(named, ", ")
              << ", which is not part of this run: what the front end names there will not "
                 "change with it (give --with-backends to change both)\n";
}

// The hits of one database of a run: found by the search, or the changes
// a file holds for it, each checked against what the database holds now.
class HitSource {
 public:
  HitSource(const std::optional<ChangeFile>& file, const Options& o, Console& console)
      : file_(file), o_(o), console_(console) {
    if (!file_) matcher_.emplace(o.arguments[1], MatchOptionsOf(o));
  }

  std::vector<engine::Hit> HitsOf(engine::SearchEngine& engine, bool backend) {
    if (!file_) return SearchOne(engine, *matcher_, o_, console_, backend);
    std::vector<engine::Hit> hits;
    for (const DatabaseChanges& d : file_->databases)
      if (d.database == engine.Database()) hits = engine.Find(d.changes, Stale());
    for (engine::Hit& hit : hits)
      if (backend) hit.database = FileName(engine.Database());
    KeepPaths(hits, o_.only_paths);
    return hits;
  }

  const engine::Matcher* matcher() const { return matcher_ ? &*matcher_ : nullptr; }
  engine::Rewrite Rewrite() const {
    return matcher_ ? engine::ReplaceMatches(*matcher_, o_.arguments[2]) : engine::PlannedValues();
  }

 private:
  std::string Stale() const {
    return o_.command == "undo" ? "Not taken back: it was changed again since the run."
                                : "Not applied: it no longer holds the value the plan saw.";
  }

  const std::optional<ChangeFile>& file_;
  const Options& o_;
  Console& console_;
  std::optional<engine::Matcher> matcher_;
};

// Each database's changes that take back what the run wrote, backends first.
ChangeFile Journal(const std::vector<engine::ReplaceRun::Part>& parts) {
  ChangeFile journal{"journal", {}};
  for (const auto& part : parts) {
    auto changes = engine::TakeBackChanges(*part.hits);
    if (!changes.empty()) journal.databases.push_back({part.engine->Database(), std::move(changes)});
  }
  return journal;
}

// After a run that wrote: a replace keeps what takes it back, an undo that
// took everything back leaves nothing more to take back.
void KeepJournal(const std::vector<engine::ReplaceRun::Part>& parts, const Options& o,
                 const ReplaceCounts& counts, const std::string& database) {
  const std::string journal = JournalFile(database);
  if (o.command == "undo") {
    if (counts.not_replaced == 0) fs::remove(journal);
    return;
  }
  ChangeFile file = Journal(parts);
  if (file.databases.empty()) return;
  // The front end's changes come last, even when the run wrote none of its own.
  if (file.databases.back().database != database) file.databases.push_back({database, {}});
  fs::create_directories(fs::path(journal).parent_path());
  WriteChangeFile(journal, file);
}

std::vector<engine::Hit> AllHits(const std::vector<engine::ReplaceRun::Part>& parts) {
  std::vector<engine::Hit> all;
  for (const auto& part : parts) all.insert(all.end(), part.hits->begin(), part.hits->end());
  return all;
}

// --plan: the changes the run would make, for a later --apply; nothing is
// written to the database, and no plan is written when a change would be
// refused (applying the rest would not be the run that was planned).
int WritePlan(const std::vector<engine::ReplaceRun::Part>& parts, const Options& o,
              Console& console) {
  const auto hits = AllHits(parts);
  const ReplaceCounts counts = CountReplaced(hits);
  if (counts.not_replaced > 0) {
    PrintHits(console.out, hits, o.json, true);
    console.err << "quillnet: no plan written: " << counts.not_replaced
                << " change(s) would be refused\n";
    return kSomeFailed;
  }
  ChangeFile plan{"plan", {}};
  std::size_t planned = 0;
  for (const auto& part : parts) {
    plan.databases.push_back({part.engine->Database(), engine::PlannedChanges(*part.hits)});
    planned += plan.databases.back().changes.size();
  }
  WriteChangeFile(o.plan, plan);
  console.out << "planned " << planned << " change(s) in " << CountObjects(hits)
              << " object(s) into " << o.plan << '\n';
  return kFound;
}

int Replace(engine::SearchEngine& front_end, const engine::ProjectOptions& project,
            Application& application, const std::optional<ChangeFile>& file, const Options& o,
            Console& console) {
  if (!file) CheckCollections(front_end, o.only);
  HitSource source(file, o, console);
  std::vector<engine::ReplaceRun::Part> parts;
  std::vector<engine::SearchEngine*> engines;
  for (Backend& backend : application.backends) {
    backend.hits = source.HitsOf(*backend.engine, true);
    parts.push_back({backend.engine.get(), &backend.hits});
    engines.push_back(backend.engine.get());
  }
  auto hits = source.HitsOf(front_end, false);
  parts.push_back({&front_end, &hits});
  engines.push_back(&front_end);
  auto& problems_out = o.json ? console.err : console.out;
  if (AllHits(parts).empty()) {
    if (!o.json) console.out << "nothing found\n";
    for (auto* engine : engines) PrintProblems(problems_out, *engine);
    return Outcome(engines, kNothingFound);
  }
  const bool shows_only = o.dry_run || o.diff || !o.plan.empty();
  const bool may_ask = shows_only || o.yes || console.in_is_terminal;
  if (source.matcher() && !o.with_backends && !hits.empty() && may_ask)
    WarnOfBackends(project, application, *source.matcher(), console);
  if (o.interactive && !ChooseHits(console, parts, source.Rewrite())) {
    console.err << "quillnet: nothing replaced\n";
    return kNothingFound;
  }
  if (!shows_only && !o.yes && !o.interactive && !Confirm(console, AllHits(parts), o)) {
    console.err << "quillnet: nothing replaced\n";
    return kNothingFound;
  }
  engine::ReplaceOptions options{shows_only, o.keep_going, application.page_files};
  engine::ReplaceRun(parts, options).Run(source.Rewrite(), [&] {
    if (o.no_backup) return;
    for (const auto& part : parts) BackUp(part.engine->Database(), console.err);
  });
  if (!o.plan.empty()) return WritePlan(parts, o, console);
  const auto done = AllHits(parts);
  if (o.diff)
    PrintDiffs(console.out, done);
  else
    PrintHits(console.out, done, o.json, true);
  const ReplaceCounts counts = CountReplaced(done);
  if (!o.json && !o.diff) PrintSummary(console.out, counts, shows_only);
  if (!shows_only && counts.replaced > 0) KeepJournal(parts, o, counts, project.database);
  for (auto* engine : engines) PrintProblems(problems_out, *engine);
  return Outcome(engines, counts.not_replaced > 0 ? kSomeFailed : kFound);
}

int RunOnProject(const Options& o, Console& console) {
  // The claim on the database outlives the machine, whose Access and DAO
  // sessions may hold the file until they are gone: whoever it lets in next
  // finds the file closed.
  std::unique_ptr<engine::RunClaim> claim;
  DefaultMachine machine;
  if (o.command == "sample") {
    const std::string front_end = WriteSampleApplication(o.arguments[0]);
    console.out << "Wrote the sample application; its front-end database is\n"
                << front_end << '\n';
    return kFound;
  }
  CheckRealFile(o);
  if (o.command == "convert") return Convert(o, console);
  if (o.command == "import" || o.command == "export") {
    const bool import = o.command == "import";
    claim = ClaimDatabase(fs::absolute(o.arguments[import ? 1 : 0]).lexically_normal().string(),
                          o, console);
    return import ? Import(o, console) : Export(o, console);
  }
  Utility::Main();
  const engine::ProjectOptions project = ProjectOptionsOf(o, machine.Workgroup());
  // Nothing reads the database before it is claimed: a replace may be
  // writing it, or one that did not finish may have to be put back first.
  claim = ClaimDatabase(project.database, o, console);
  Validate(project);
  CheckWritable(o, project.database);
  if (o.command == "search" || (o.command == "replace" && o.apply.empty()))
    engine::Matcher(o.arguments[1], MatchOptionsOf(o));  // a bad expression stops us early
  const std::optional<ChangeFile> file =
      o.Changes() ? ChangesToMake(o, project.database) : std::nullopt;
  Application application = ReadApplication(project, file, o, console);
  engine::SearchEngine engine(project);
  if (o.command == "collections") {
    for (const std::string& name : engine.Collections()) console.out << name << '\n';
    return kFound;
  }
  if (o.command == "list") {
    CheckCollections(engine, {o.arguments[1]});
    PrintObjects(console.out, engine.List(o.arguments[1]), o.json);
    PrintProblems(o.json ? console.err : console.out, engine);
    return Outcome({&engine}, kFound);
  }
  if (o.command == "show") {
    CheckCollections(engine, {o.arguments[1]});
    PrintProperties(console.out, engine.Show(o.arguments[1], o.arguments[2]), o.json);
    PrintProblems(o.json ? console.err : console.out, engine);
    return kFound;
  }
  if (o.Changes()) return Replace(engine, project, application, file, o, console);
  return Search(engine, o, console);
}

}  // namespace

int Run(const std::vector<std::string>& args, Console& console) {
  try {
    if (args.size() == 1 && args[0] == "--version") {
      console.out << shared::kFileDescription << ' ' << shared::kVersionText << '\n';
      return kFound;
    }
    if (!args.empty() && args[0] == "connect")
      return Connect({args.begin() + 1, args.end()}, console);
    const Options options = ParseOptions(args);
    if (!options.help.empty()) {
      console.out << options.help;
      return kFound;
    }
    return RunOnProject(options, console);
  } catch (const UsageError& e) {
    console.err << "quillnet: " << e.what() << '\n';
  } catch (const com::Error& e) {
    console.err << "quillnet: " << OneLine(engine::UserMessage(e)) << '\n';
  } catch (const std::exception& e) {
    console.err << "quillnet: " << OneLine(e.what()) << '\n';
  }
  return kBadInput;
}

}  // namespace cli
