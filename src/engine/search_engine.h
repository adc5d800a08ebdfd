#pragma once
// The search-and-replace engine: drives the Access driver exactly as the
// host engine does. It lists a project's collections and objects, scans each
// object (mode 1) for the text, and writes replacements into writable
// objects (mode 2, the lets, back to mode 0, reconstitute, dispose).

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "engine/matcher.h"
#include "host/problem_log.h"
#include "host/scanner.h"

namespace driver {
class Driver;
class IProject;
}  // namespace driver

namespace engine {

struct Change;

struct ProjectOptions {
  std::string database;
  bool access_project = false;
  std::string database_password;
  std::string workgroup;
  std::string user;
  std::string user_password;
  bool include_query_fields = false;
  bool include_linked_table_fields = false;
};

// One line of an object list.
struct ListedObject {
  std::string name;
  std::int32_t type_code = 0;
  std::string stamp;
  bool read = false;
  bool write = false;
  bool flag6 = false;
  bool flag7 = false;
};

// One readable property of an object, as the scan found it.
struct PropertyValue {
  std::vector<host::PathStep> steps;
  std::string property;
  std::string value;
  bool text = true;
  bool writable = false;
};

// NotKept: the change was planned, and perhaps written, but the run did not
// keep it, because another change of the run was refused or failed.
enum class HitStatus { Found, DryRun, Replaced, Refused, Failed, ReadOnly, NotKept };
const char* StatusName(HitStatus status);

// A line of code that holds a match, by its number in the module.
struct CodeLine {
  std::int32_t number = 0;
  std::string text;
  std::string new_text;
};

struct Hit {
  std::string collection;
  std::string object;
  bool object_writable = false;  // the object list's write flag
  std::vector<host::PathStep> steps;
  std::string property;
  std::string value;
  bool writable = false;  // the property can be written
  std::size_t matches = 0;
  std::string new_value;
  HitStatus status = HitStatus::Found;
  std::string error;
  // For a piece of code (a text whose element also tells its StartLine in
  // the module): the lines that hold matches.
  std::vector<CodeLine> lines;
  // For a Name below the object: the names of every element of its
  // sub-collection (Fields, Indexes, Procedures...), to check a rename with.
  std::vector<std::string> sibling_names;
  // The database the hit is in, by its file name, when a run spans a front
  // end and its backends; empty for the database the run was started on.
  std::string database;

  // collection/object/sub-collection items/property, e.g.
  // Forms/frmOrders/Controls(txtCustomer)/ControlSource, after "file.mdb:"
  // for a hit in a backend
  std::string Path() const;
};

// Gives a hit that is still only found the status the run leaves it with
// (ReadOnly when it cannot be written).
void Settle(Hit& hit, HitStatus status);

// How a run works out the new text of a property from the text it holds
// now (which an earlier write of the same object may have changed from the
// hit's value); raises com::Error when it cannot.
using Rewrite = std::function<std::string(const Hit& hit, const std::string& text)>;
// Every match of the matcher replaced (hits in code: line by line alike).
Rewrite ReplaceMatches(const Matcher& matcher, const std::string& replacement);

// Something that stopped part of the run: a collection that could not be
// listed, an object that could not be scanned, a text that was read but could
// not be searched (`search_failed`: the results are short of what is there).
struct RunProblem {
  std::string collection;
  std::string object;
  std::string message;
  bool search_failed = false;
};

struct Progress {
  virtual ~Progress() = default;
  virtual void Update(const std::string& collection, std::size_t objects,
                      std::chrono::steady_clock::duration elapsed) = 0;
};

struct ReplaceOptions {
  // Writes nothing and only says what would change.
  bool dry_run = false;
  // Keeps the changes that could be written when others are refused or fail,
  // instead of taking back the whole run.
  bool keep_going = false;
  // Files besides the databases that the run may write (the HTML files of
  // data access pages): put back with them.
  std::vector<std::string> other_files;
};

class SearchEngine {
 public:
  // Creates the driver and opens the project (nothing is read yet).
  explicit SearchEngine(const ProjectOptions& options);
  // Deactivates the project and shuts the driver down.
  ~SearchEngine();
  SearchEngine(const SearchEngine&) = delete;
  SearchEngine& operator=(const SearchEngine&) = delete;

  std::vector<std::string> Collections();
  // Raises the driver's error when the collection is unknown or cannot list.
  std::vector<ListedObject> List(const std::string& collection);
  // Every readable property of one object, its sub-collections included.
  std::vector<PropertyValue> Show(const std::string& collection, const std::string& object);

  // The hits that make the given changes, each property found again in its
  // object; one that is gone, or no longer holds the change's `before`, is
  // Refused (with `stale` as the reason for the latter).
  std::vector<Hit> Find(const std::vector<Change>& changes, const std::string& stale);

  // Scans the collections (all when `only` is empty) for the matcher's text.
  std::vector<Hit> Search(const Matcher& matcher, const std::vector<std::string>& only,
                          Progress* progress);
  // Writes the replacements of the hits as one run of this database alone
  // (see ReplaceRun, which also spans a front end and its backends).
  void Replace(std::vector<Hit>& hits, const Matcher& matcher, const std::string& replacement,
               const ReplaceOptions& options, const std::function<void()>& before_first_write);

  // ---- the steps of a replace run (ReplaceRun) ----
  // Works out every change and checks every rename; false when a change
  // cannot be made or a rename would collide (those hits say why).
  bool Plan(std::vector<Hit>& hits, const Rewrite& rewrite);
  // Writes the planned changes object by object; `before_first_write` runs
  // before the first. Stops at the first object a change of which is refused
  // or fails, and answers false, unless `keep_going`.
  bool Write(std::vector<Hit>& hits, const Rewrite& rewrite, bool keep_going,
             const std::function<void()>& before_first_write);
  // Has every table linked to another Access database read its fields
  // afresh from there (after the backend changed in the same run).
  void RefreshLinks();
  // The database keeps a run's writes until the project lets it go: this
  // deactivates the project, which saves them, and closes the engine. The
  // error when that failed.
  std::optional<com::Error> Save();
  // Deactivates the project and shuts the driver down, so that nothing holds
  // the database file; the engine can do nothing more afterwards.
  void Close();
  const std::string& Database() const { return database_; }

  const std::vector<RunProblem>& Problems() const { return problems_; }
  // Some text was read but could not be searched.
  bool SearchFailed() const;
  const host::ProblemLog& DriverProblems() const { return *problem_log_; }

 private:
  driver::IProject& Project();
  // Refuses the hits whose rename collides with a name of its namespace or
  // with another rename of the run; true when there is none.
  bool CheckRenames(std::vector<Hit>& hits);
  std::vector<std::string> NamesOf(const std::string& collection);
  // Refuses a linked table's new source table where a relationship of this
  // database holds the table (Access rebuilds a relinked table, which the
  // relationship forbids); true when there is none.
  bool CheckRelinks(std::vector<Hit>& hits);
  // Refuses the renames of objects that cannot be opened for a change (open
  // in Access, the database not held alone, ...): each is opened for update
  // and closed again unchanged. True when there is none.
  bool CheckObjectsRenamed(std::vector<Hit>& hits);
  // The tables the relationships of this database join, in capitals.
  std::set<std::string> TablesInRelationships();
  // Writes the hits of one object; false when any of them was refused or failed.
  bool WriteObject(std::vector<Hit*>& hits, const Rewrite& rewrite);

  std::string database_;
  std::shared_ptr<driver::IProject> project_;
  std::shared_ptr<driver::Driver> driver_;
  std::shared_ptr<host::ProblemLog> problem_log_;
  std::vector<RunProblem> problems_;
};

// The driver's own text of an error, without the program context (which
// belongs in the trace).
std::string UserMessage(const com::Error& error);

}  // namespace engine
