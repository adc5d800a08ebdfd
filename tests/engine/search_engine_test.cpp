// The engine's replace run on the sample application: every change planned
// and every rename checked before the first write, and a run that cannot
// write everything puts the database back byte for byte.

#include "engine/search_engine.h"

#include "engine/replace_run.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "cli/sample_application.h"
#include "sim/access/install.h"
#include "sim/jet/database_builder.h"
#include "sim/jet/sqlite_connection.h"
#include "support/command_line.h"
#include "support/driver_test.h"

namespace search_engine_test {

namespace fs = std::filesystem;
using engine::Hit;
using engine::HitStatus;
using testing_support::ReadFile;

struct RunResult {
  std::vector<Hit> hits;
  int before_first_write = 0;

  const Hit& At(const std::string& path) const {
    for (const Hit& hit : hits)
      if (hit.Path() == path) return hit;
    ADD_FAILURE() << "no hit at " << path;
    static const Hit none;
    return none;
  }
  std::size_t Count(HitStatus status) const {
    return static_cast<std::size_t>(std::count_if(
        hits.begin(), hits.end(), [&](const Hit& h) { return h.status == status; }));
  }
};

class SearchEngineTest : public testing_support::DriverTest {
 protected:
  SearchEngineTest() : db_(cli::WriteSampleApplication(temp.File("app"))) {}

  engine::ProjectOptions Options() const {
    engine::ProjectOptions o;
    o.database = db_;
    o.workgroup = Workgroup();
    return o;
  }
  std::vector<Hit> Search(const std::string& text, const std::vector<std::string>& only = {},
                          engine::MatchOptions match = {false, false, true},
                          const engine::ProjectOptions* options = nullptr) {
    engine::SearchEngine engine(options ? *options : Options());
    return engine.Search(engine::Matcher(text, match), only, nullptr);
  }
  // Searches and replaces in one engine; `meanwhile` runs between the two.
  RunResult Replace(const std::string& text, const std::string& replacement,
              engine::ReplaceOptions replace, const std::vector<std::string>& only = {},
              engine::MatchOptions match = {false, false, true},
              const std::function<void()>& meanwhile = [] {}) {
    engine::SearchEngine engine(Options());
    const engine::Matcher matcher(text, match);
    RunResult run{engine.Search(matcher, only, nullptr)};
    meanwhile();
    engine.Replace(run.hits, matcher, replacement, replace, [&] { ++run.before_first_write; });
    return run;
  }
  std::map<std::string, std::string> Files() const {
    return testing_support::ReadFolder(temp.path() / "app");
  }
  std::vector<std::string> PageFiles() const {
    std::vector<std::string> pages;
    for (const auto& entry : fs::directory_iterator(temp.path() / "app" / "pages"))
      pages.push_back(entry.path().string());
    return pages;
  }
  std::string ChangesSince(const std::map<std::string, std::string>& before,
                           const std::string& new_allowed = "") const {
    return testing_support::FolderChanges(before, temp.path() / "app", new_allowed);
  }

  std::string db_;
};

// A line of code longer than the code editor takes fails when it is written:
// the page, found before the module, is written by then.
TEST_F(SearchEngineTest, AFailedWriteTakesBackEveryChangeOfTheRunPageFilesToo) {
  const auto before = Files();
  const RunResult run = Replace("CustomerID", std::string(1100, 'X'), {false, false, PageFiles()},
                                {"DataAccessPages", "Modules"});
  EXPECT_EQ(run.At("DataAccessPages/Customer List/HTML").status, HitStatus::NotKept);
  const Hit& failed = run.At("Modules/basCustomers/Procedures(CityOf)/Text");
  EXPECT_EQ(failed.status, HitStatus::Failed);
  EXPECT_NE(failed.error.find("exceeds maximum length"), std::string::npos) << failed.error;
  EXPECT_EQ(run.Count(HitStatus::Replaced), 0u);
  EXPECT_EQ(run.before_first_write, 1);
  EXPECT_EQ(ChangesSince(before), "");
  EXPECT_EQ(Search(std::string(1100, 'X')).size(), 0u);
}

TEST_F(SearchEngineTest, KeepGoingKeepsWhatCouldBeWrittenAndStopsInTheFailedObject) {
  const RunResult run = Replace("CustomerID", std::string(1100, 'X'), {false, true, {}},
                                {"DataAccessPages", "Modules"});
  EXPECT_EQ(run.At("DataAccessPages/Customer List/HTML").status, HitStatus::Replaced);
  EXPECT_EQ(run.At("Modules/basCustomers/Procedures(CityOf)/Text").status, HitStatus::Failed);
  // The module's next change comes after the failed one and is not tried.
  const Hit& next = run.At("Modules/basCustomers/Procedures(ShowCity)/Text");
  EXPECT_EQ(next.status, HitStatus::Failed);
  EXPECT_EQ(next.error, "Not written: an earlier change to this object failed.");
  EXPECT_EQ(run.Count(HitStatus::NotKept), 0u);
  EXPECT_FALSE(Search(std::string(1100, 'X'), {"DataAccessPages"}).empty());
  EXPECT_FALSE(Search("CustomerID", {"Modules"}).empty());
}

TEST_F(SearchEngineTest, ACollidingRenameIsRefusedBeforeAnyWrite) {
  struct Case {
    std::string text, replacement;
    engine::MatchOptions match;
    std::string refused, says;
  } cases[] = {
      {"CustomerArchive", "Regions", {false, false, true}, "Tables/CustomerArchive/Name",
       "Cannot rename: 'Regions' already exists."},
      // Tables and queries share their names.
      {"CustomerArchive", "qryCustomerOrders", {false, false, true},
       "Tables/CustomerArchive/Name", "Cannot rename: 'qryCustomerOrders' already exists."},
      {"CustomerID", "NoteID", {false, false, true}, "Tables/CustomerNotes/Fields(CustomerID)/Name",
       "Cannot rename: 'NoteID' already exists."},
      {"CustomerIDIndex", "primarykey", {false, false, true},
       "Tables/CustomerNotes/Indexes(CustomerIDIndex)/Name",
       "Cannot rename: 'primarykey' already exists."},
      {"^Customer(Notes|Archive)$", "Notes", {true, false, false}, "Tables/CustomerNotes/Name",
       "Cannot rename: Tables/CustomerArchive/Name is renamed to 'Notes' too."},
      {"CityOf", "ShowCity", {false, false, true}, "Modules/basCustomers/Procedures(CityOf)/Name",
       "Cannot rename: 'ShowCity' already exists."},
      // A relationship of the front end holds the linked table, which a new
      // source table would rebuild.
      {"Customers", "Clients", {false, true, true}, "Tables/Customers/SourceTableName",
       "Cannot relink: the table is involved in one or more relationships which exist in the "
       "front-end database."},
  };
  const auto before = Files();
  for (const Case& c : cases) {
    for (const bool dry_run : {true, false}) {
      const RunResult run = Replace(c.text, c.replacement, {dry_run, false, {}}, {}, c.match);
      const std::string what = c.text + (dry_run ? " dry run" : "");
      EXPECT_EQ(run.At(c.refused).status, HitStatus::Refused) << what;
      EXPECT_EQ(run.At(c.refused).error, c.says) << what;
      EXPECT_EQ(run.Count(HitStatus::Refused), 1u) << what;
      EXPECT_EQ(run.Count(HitStatus::Replaced), 0u) << what;
      EXPECT_EQ(run.Count(dry_run ? HitStatus::NotKept : HitStatus::DryRun), 0u) << what;
      EXPECT_EQ(run.before_first_write, 0) << what;
      EXPECT_EQ(ChangesSince(before), "") << what;
    }
  }
}

TEST_F(SearchEngineTest, AnObjectOpenInAccessIsNotRenamedAndTheRunWritesNothing) {
  // sim::access::Install for this machine happens with the driver test's Access.
  auto access = sim::access::StartAccess(machine, {.file = db_, .workgroup = Workgroup()});
  access->Documents()->Open(msaccess::acTable, "CustomerArchive", msaccess::acViewDesign, 0);
  const auto before = Files();
  for (const bool dry_run : {true, false}) {
    const RunResult run = Replace("CustomerArchive", "CustomerHistory", {dry_run, false, {}});
    const Hit& name = run.At("Tables/CustomerArchive/Name");
    EXPECT_EQ(name.status, HitStatus::Refused) << dry_run;
    EXPECT_EQ(name.error,
              "Cannot rename: Couldn't save changes safely because the table was already open.")
        << dry_run;
    EXPECT_EQ(run.Count(HitStatus::Replaced), 0u) << dry_run;
    EXPECT_EQ(run.before_first_write, 0) << dry_run;
  }
  access->Quit();
  EXPECT_EQ(ChangesSince(before), "");
}

// Each object to be renamed is opened for a change and closed unchanged to
// see that it can be: a dry run leaves every file as it was.
TEST_F(SearchEngineTest, ADryRunThatRenamesDocumentsWritesNothing) {
  const auto before = Files();
  for (const std::string name : {"basCustomers", "frmCustomers", "rptCustomerOrders"}) {
    const RunResult run = Replace(name, name + "2", {true, false, {}});
    EXPECT_GT(run.Count(HitStatus::DryRun), 0u) << name;
    EXPECT_EQ(run.Count(HitStatus::Refused), 0u) << name;
  }
  EXPECT_EQ(ChangesSince(before), "");
}

TEST_F(SearchEngineTest, RenamesThatCollideWithNothingAreWritten) {
  struct Case {
    std::string text, replacement, renamed;
  } cases[] = {
      // Only the letter case changes.
      {"CustomerArchive", "customerarchive", "Tables/customerarchive/Name"},
      // Fields and indexes have names of their own.
      {"NoteID", "PrimaryKey", "Tables/CustomerNotes/Fields(PrimaryKey)/Name"},
  };
  for (const Case& c : cases) {
    const RunResult run = Replace(c.text, c.replacement, {}, {"Tables"}, {false, true, true});
    EXPECT_EQ(run.Count(HitStatus::Replaced), run.hits.size() - run.Count(HitStatus::ReadOnly))
        << c.text;
    EXPECT_GT(run.Count(HitStatus::Replaced), 0u) << c.text;
    const RunResult after{Search(c.replacement, {"Tables"}, {false, true, true})};
    EXPECT_EQ(after.At(c.renamed).value, c.replacement) << c.text;
  }
}

TEST_F(SearchEngineTest, QueryFieldsAreWrittenBeforeTheSqlThatNamesThem) {
  engine::ProjectOptions options = Options();
  options.include_query_fields = true;
  engine::SearchEngine engine(options);
  const engine::Matcher matcher("CustomerID", {false, false, true});
  std::vector<Hit> hits = engine.Search(matcher, {"Queries"}, nullptr);
  engine.Replace(hits, matcher, "ClientID", {}, [] {});
  std::size_t fields = 0;
  for (const Hit& hit : hits) {
    EXPECT_EQ(hit.status, HitStatus::Replaced) << hit.Path() << ": " << hit.error;
    if (hit.Path().find("/Fields(CustomerID)/Name") != std::string::npos) ++fields;
  }
  EXPECT_GE(fields, 3u);
  EXPECT_EQ(Search("CustomerID", {"Queries"}, {false, false, true}, &options).size(), 0u);
}

TEST_F(SearchEngineTest, AFailureWhileSavingIsAFailureAndNothingIsKept) {
  const auto before = Files();
  std::unique_ptr<sim::jet::SqliteConnection> other;
  // Another program holds the file for writing once the scan is done: the
  // module's changes are made in its code window, and saving it fails.
  const RunResult run = Replace("CityOf", "CustomerCity", {}, {"Modules"}, {}, [&] {
    other = std::make_unique<sim::jet::SqliteConnection>(
        db_, sim::jet::SqliteConnection::Mode::ReadWrite);
    other->Execute("BEGIN IMMEDIATE");
  });
  other->Execute("ROLLBACK");
  other.reset();
  EXPECT_EQ(run.Count(HitStatus::Replaced), 0u);
  const Hit& text = run.At("Modules/basCustomers/Procedures(CityOf)/Text");
  EXPECT_EQ(text.status, HitStatus::Failed);
  EXPECT_TRUE(text.error.starts_with("Not saved: ")) << text.error;
  EXPECT_EQ(run.At("Modules/clsCustomer/Procedures(City.Get)/Text").status, HitStatus::NotKept);
  EXPECT_EQ(ChangesSince(before), "");
}

// The backend is written first; the front end's module then cannot be
// saved, and the backend is put back with it.
TEST_F(SearchEngineTest, ARunOverAFrontEndAndItsBackendIsTakenBackWhole) {
  const auto before = Files();
  engine::ProjectOptions backend_options = Options();
  backend_options.database = (temp.path() / "app" / "sales_be.mdb").string();
  engine::SearchEngine backend(backend_options);
  engine::SearchEngine front_end(Options());
  const engine::Matcher matcher("CustomerID", {false, false, true});
  std::vector<Hit> backend_hits = backend.Search(matcher, {"Tables"}, nullptr);
  std::vector<Hit> front_end_hits = front_end.Search(matcher, {"Modules"}, nullptr);
  ASSERT_FALSE(backend_hits.empty());
  sim::jet::SqliteConnection other(db_, sim::jet::SqliteConnection::Mode::ReadWrite);
  other.Execute("BEGIN IMMEDIATE");
  int first_write = 0;
  engine::ReplaceRun({{&backend, &backend_hits}, {&front_end, &front_end_hits}},
                     {false, false, {}})
      .Run(engine::ReplaceMatches(matcher, "ClientID"), [&] { ++first_write; });
  other.Execute("ROLLBACK");
  EXPECT_EQ(RunResult{backend_hits}.At("Tables/Customers/Fields(CustomerID)/Name").status,
            HitStatus::NotKept);
  const RunResult front{front_end_hits};
  const Hit& failed = front.At("Modules/basCustomers/Procedures(CityOf)/Text");
  EXPECT_EQ(failed.status, HitStatus::Failed);
  EXPECT_TRUE(failed.error.starts_with("Not saved: ")) << failed.error;
  EXPECT_EQ(front.Count(HitStatus::Replaced), 0u);
  EXPECT_EQ(first_write, 1);
  EXPECT_EQ(ChangesSince(before), "");
}

TEST_F(SearchEngineTest, ObjectsTheUserMayNotReadOrWriteAreLeftAlone) {
  sim::jet::WorkgroupBuilder::Existing(Workgroup()).User("clerk", "pw");
  sim::jet::DatabaseBuilder::Existing(db_)
      .Permissions("Tables", "CustomerArchive", "Users", dao::dbSecReadDef)
      .Permissions("Tables", "CustomerArchive", "clerk", 0)
      .Permissions("Tables", "CustomerNotes", "Users", 0)
      .Permissions("Tables", "CustomerNotes", "clerk", 0);
  engine::ProjectOptions options = Options();
  options.user = "clerk";
  options.user_password = "pw";
  engine::SearchEngine engine(options);
  const engine::Matcher matcher("CustomerID", {false, false, true});
  std::vector<Hit> hits = engine.Search(matcher, {"Tables"}, nullptr);
  for (const Hit& hit : hits) EXPECT_NE(hit.object, "CustomerNotes") << hit.Path();
  ASSERT_FALSE(engine.Problems().empty());
  EXPECT_EQ(engine.Problems().front().object, "CustomerNotes");
  EXPECT_EQ(engine.Problems().front().message, "No permission to read its design.");
  engine.Replace(hits, matcher, "ClientID", {}, [] {});
  EXPECT_EQ(RunResult{hits}.At("Tables/CustomerArchive/Fields(CustomerID)/Name").status,
            HitStatus::ReadOnly);
  const RunResult after{Search("CustomerID", {"Tables"})};
  EXPECT_EQ(after.At("Tables/CustomerArchive/Fields(CustomerID)/Name").value, "CustomerID");

  // Renaming the table the clerk may not change would leave what names it
  // renamed without it: the run is refused before it writes.
  const engine::Matcher archive("CustomerArchive", {false, false, true});
  std::vector<Hit> renames = engine.Search(archive, {}, nullptr);
  int first_write = 0;
  engine.Replace(renames, archive, "CustomerHistory", {}, [&] { ++first_write; });
  const RunResult run{renames};
  EXPECT_EQ(run.At("Tables/CustomerArchive/Name").status, HitStatus::Refused);
  EXPECT_EQ(run.At("Tables/CustomerArchive/Name").error,
            "Cannot rename: the object cannot be written (it is read-only).");
  EXPECT_EQ(run.Count(HitStatus::Replaced), 0u);
  EXPECT_GT(run.Count(HitStatus::NotKept), 0u);
  EXPECT_EQ(first_write, 0);
}

}  // namespace search_engine_test
