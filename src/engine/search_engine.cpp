#include "engine/search_engine.h"

#include <algorithm>
#include <map>
#include <set>
#include <string_view>

#include "com/text.h"
#include "driver/driver.h"
#include "engine/change.h"
#include "engine/replace_run.h"
#include "driver/icollection.h"
#include "driver/iobject.h"
#include "host/parameter_set.h"
#include "host/utility.h"
#include "platform/system.h"

namespace engine {
namespace {

constexpr std::int32_t kEngineThread = 1;

std::string Parameters(const ProjectOptions& o) {
  host::ParameterSet set;
  set.PutValue("ProjectType", o.access_project ? "Project" : "Database", false);
  set.PutValue("Database", o.database, false);
  set.PutValue("DatabasePassword", o.database_password, true);
  set.PutValue("Workgroup", o.workgroup, false);
  set.PutValue("Username", o.user, false);
  set.PutValue("Password", o.user_password, true);
  set.PutValue("ExcludeQueryFields", o.include_query_fields ? "0" : "1", false);
  set.PutValue("ExcludeLinkedTableFields", o.include_linked_table_fields ? "0" : "1", false);
  return set.Text();
}

std::string ProjectName(const std::string& path) {
  std::string folder, file;
  host::Utility().SplitPath(path, folder, file);
  return file.substr(0, file.rfind('.'));
}

ListedObject ParseLine(const std::string& line) {
  const auto f = com::Split(line, "\t");
  if (f.size() != 7) com::Raise(5, "The driver listed a malformed object line: " + line);
  return {f[0], com::CLng(com::Variant(f[1])), f[2], f[3] == "1", f[4] == "1", f[5] == "1",
          f[6] == "1"};
}

// Collects what the host scanner reports about one object.
class CollectingSink : public host::ScanSink {
 public:
  void OnText(const host::ScanText& text) override { texts.push_back(text); }
  void OnError(const host::ScanError& error) override { errors.push_back(error); }

  std::vector<host::ScanText> texts;
  std::vector<host::ScanError> errors;
};

// Searches each text the host scanner reports about one object as it comes,
// and keeps only the texts that match, with the names and start lines that a
// hit's sibling names and code lines are worked out from: a search that
// finds nothing keeps no texts.
class MatchingSink : public host::ScanSink {
 public:
  struct Found {
    host::ScanText text;
    std::size_t count = 0;
  };

  explicit MatchingSink(const Matcher& matcher) : matcher_(matcher) {}

  void OnText(const host::ScanText& text) override {
    using namespace std::string_view_literals;
    if (text.property == "Name"sv || text.property == "StartLine"sv) context.push_back(text);
    if (!text.text) return;
    std::size_t count = 0;
    if (auto failed = com::Capture([&] { count = matcher_.Count(text.value); }))
      unsearched.push_back({text.collection, text.object, text.steps, text.property, *failed});
    else if (count > 0)
      found.push_back({text, count});
  }
  void OnError(const host::ScanError& error) override { errors.push_back(error); }

  std::vector<Found> found;
  std::vector<host::ScanText> context;
  std::vector<host::ScanError> errors;
  std::vector<host::ScanError> unsearched;  // read, but the matcher failed on them

 private:
  const Matcher& matcher_;
};

bool IsName(const Hit& hit) { return hit.property == "Name"; }

// The module line a piece of code begins on, when the text is code: the
// Text of an element that also tells its StartLine.
std::optional<std::int32_t> StartLine(const std::vector<host::ScanText>& texts,
                                      const host::ScanText& text) {
  if (text.property != "Text") return std::nullopt;
  for (const auto& t : texts)
    if (t.property == "StartLine" && host::PathText(t.steps, "") == host::PathText(text.steps, ""))
      return com::CLng(com::Variant(t.value));
  return std::nullopt;
}

// The lines of a piece of code that hold matches, numbered in the module.
std::vector<CodeLine> MatchedLines(const std::string& code, std::int32_t first_line,
                                   const Matcher& matcher) {
  std::vector<CodeLine> lines;
  const auto all = com::Split(code, com::kCrLf);
  for (std::size_t i = 0; i < all.size(); ++i)
    if (matcher.Count(all[i]) > 0)
      lines.push_back({first_line + static_cast<std::int32_t>(i), all[i], ""});
  return lines;
}

// Works out the new text of each hit of one object. When any of them cannot
// be worked out, none of the object's hits is written: an object is changed
// whole or not at all.
bool PlanObject(const std::vector<Hit*>& hits, const Rewrite& rewrite) {
  std::optional<com::Error> failure;
  for (Hit* hit : hits) {
    failure = com::Capture([&] {
      hit->new_value = rewrite(*hit, hit->value);
      for (auto& line : hit->lines) line.new_text = rewrite(*hit, line.text);
    });
    if (failure) break;
  }
  if (!failure) return true;
  for (Hit* hit : hits) {
    hit->status = HitStatus::Failed;
    hit->error = "Not written: " + UserMessage(*failure);
  }
  return false;
}

// Ordinary properties first, then names; each from the deepest element up,
// the object's own properties and name last. An element's properties are
// written while its path still holds (a query's fields before its SQL, which
// names them), and every name changes after what is found through it.
void OrderForWriting(std::vector<Hit*>& hits) {
  std::stable_sort(hits.begin(), hits.end(), [](const Hit* a, const Hit* b) {
    if (IsName(*a) != IsName(*b)) return !IsName(*a);
    return a->steps.size() > b->steps.size();
  });
}

bool Writable(const Hit& hit) { return hit.object_writable && hit.writable; }

bool Stopped(const Hit& hit) {
  return hit.status == HitStatus::Refused || hit.status == HitStatus::Failed;
}

bool AnyHit(const std::vector<Hit*>& hits, bool (*test)(const Hit&)) {
  return std::any_of(hits.begin(), hits.end(), [&](const Hit* h) { return test(*h); });
}

// An object is changed whole or not at all: when one of its changes cannot
// be made, none of the others is written.
void HoldBack(const std::vector<Hit*>& hits) {
  for (Hit* hit : hits)
    if (hit->status == HitStatus::Found) {
      hit->status = HitStatus::Failed;
      hit->error = "Not written: another change to this object cannot be made.";
    }
}

using ObjectHits = std::vector<std::pair<std::string, std::vector<Hit*>>>;

// The hits of each object, in the order the objects were found.
ObjectHits ByObject(std::vector<Hit>& hits) {
  ObjectHits objects;
  std::map<std::string, std::size_t> index;
  for (Hit& hit : hits) {
    if (!objects.empty()) {  // an object's hits are mostly found one after the other
      const Hit& last = *objects.back().second.back();
      if (last.object == hit.object && last.collection == hit.collection) {
        objects.back().second.push_back(&hit);
        continue;
      }
    }
    auto [at, added] = index.emplace(hit.collection + "\x1f" + hit.object, objects.size());
    if (added) objects.push_back({at->first, {}});
    objects[at->second].second.push_back(&hit);
  }
  return objects;
}

// The sub-collection the last element of a path belongs to: "Fields",
// "Fields(ID)/Properties".
std::string SubCollection(const std::vector<host::PathStep>& steps) {
  return host::PathText({steps.begin(), steps.end() - 1}, steps.back().member);
}

// The names of the elements of the sub-collection a Name below the object
// belongs to.
std::vector<std::string> SiblingNames(const std::vector<host::ScanText>& texts,
                                      const host::ScanText& name) {
  std::vector<std::string> names;
  if (name.property != "Name" || name.steps.empty()) return names;
  const std::string collection = SubCollection(name.steps);
  for (const auto& t : texts)
    if (t.property == "Name" && t.steps.size() == name.steps.size() &&
        SubCollection(t.steps) == collection)
      names.push_back(t.value);
  return names;
}

// Whether writing the hit renames its object or element: a writable Name,
// or a Name that follows a writable text of the same element that changes
// too (a procedure's heading).
bool Renames(const Hit& name, const std::vector<Hit*>& object_hits) {
  if (!IsName(name) || !name.object_writable || name.new_value == name.value) return false;
  if (name.writable) return true;
  const std::string element = host::PathText(name.steps, "");
  return std::any_of(object_hits.begin(), object_hits.end(), [&](const Hit* other) {
    return other->writable && !IsName(*other) && host::PathText(other->steps, "") == element;
  });
}

// An object whose name would change but that cannot be written: what names
// it elsewhere would change without it.
bool RenamesReadOnlyObject(const Hit& hit) {
  return IsName(hit) && hit.steps.empty() && hit.new_value != hit.value &&
         !(hit.object_writable && hit.writable);
}

// A linked table that would take a new source table.
bool Relinks(const Hit& hit) {
  return com::EqualsNoCase(hit.collection, "Tables") && hit.steps.empty() &&
         hit.property == "SourceTableName" && Writable(hit) && hit.new_value != hit.value;
}

// Tables and queries share one namespace in Jet; every other collection has
// its own.
std::vector<std::string> Namespace(const std::string& collection) {
  if (com::EqualsNoCase(collection, "Tables") || com::EqualsNoCase(collection, "Queries"))
    return {"Tables", "Queries"};
  return {collection};
}

bool HasName(const std::vector<std::string>& names, const std::string& name) {
  return std::any_of(names.begin(), names.end(),
                     [&](const std::string& n) { return com::EqualsNoCase(n, name); });
}

// A Name below the object that an earlier write of the object already
// changed (a query's fields follow its SQL) is found under its new name.
bool AlreadyRenamed(const com::ObjectRef& object, const Hit& hit) {
  if (!IsName(hit) || hit.steps.empty() || hit.new_value == hit.value) return false;
  auto steps = hit.steps;
  steps.back().index = com::Variant(hit.new_value);
  bool renamed = false;
  com::IgnoreErrors([&] {
    renamed = com::CStr(host::Scanner::Resolve(object, steps)->Get("Name")) == hit.new_value;
  });
  return renamed;
}

void WriteHit(const com::ObjectRef& object, Hit& hit, const Rewrite& rewrite) {
  auto target = host::Scanner::Resolve(object, hit.steps);
  const std::string current = com::CStr(target->Get(hit.property));
  hit.new_value = rewrite(hit, current);
  if (hit.new_value != current) target->Let(hit.property, hit.new_value);
}

}  // namespace

Rewrite ReplaceMatches(const Matcher& matcher, const std::string& replacement) {
  return [&matcher, replacement](const Hit&, const std::string& text) {
    return matcher.Replace(text, replacement);
  };
}

void Settle(Hit& hit, HitStatus status) {
  if (hit.status == HitStatus::Found) hit.status = Writable(hit) ? status : HitStatus::ReadOnly;
}

const char* StatusName(HitStatus status) {
  switch (status) {
    case HitStatus::Found: return "found";
    case HitStatus::DryRun: return "dry-run";
    case HitStatus::Replaced: return "replaced";
    case HitStatus::Refused: return "refused";
    case HitStatus::Failed: return "failed";
    case HitStatus::ReadOnly: return "read-only";
    case HitStatus::NotKept: return "not kept";
  }
  return "";
}

std::string Hit::Path() const {
  return (database.empty() ? "" : database + ":") + collection + "/" + object + "/" +
         host::PathText(steps, property);
}

std::string UserMessage(const com::Error& error) {
  const std::string& text = error.Description();
  const auto context = text.find("\r\n\r\nPROGRAM CONTEXT:");
  return context == std::string::npos ? text : text.substr(0, context);
}

bool SearchEngine::SearchFailed() const {
  return std::any_of(problems_.begin(), problems_.end(),
                     [](const RunProblem& p) { return p.search_failed; });
}

SearchEngine::SearchEngine(const ProjectOptions& options)
    : database_(options.database),
      driver_(std::make_shared<driver::Driver>()),
      problem_log_(std::make_shared<host::ProblemLog>()) {
  driver_->IDriver_Initialize(kEngineThread, problem_log_);
  project_ = driver_->IDriver_GetProject(ProjectName(options.database), Parameters(options));
  if (!project_) {
    std::string reason = "Microsoft Access 2000 SR-1 or later is required.";
    if (problem_log_->Count() > 0)
      reason = problem_log_->Entries().back().problem->IProblem_Description();
    com::Raise(-32767, reason);
  }
}

SearchEngine::~SearchEngine() { Close(); }

void SearchEngine::Close() {
  if (project_) com::IgnoreErrors([&] { Project().IProject_Deactivate(); });
  project_.reset();
  if (driver_) com::IgnoreErrors([&] { driver_->IDriver_ShutDown(); });
  driver_.reset();
}

driver::IProject& SearchEngine::Project() {
  if (!project_) com::Raise(91, "The project was closed to put its files back.");
  return *project_;
}

std::vector<std::string> SearchEngine::Collections() {
  const std::string names = Project().IProject_EnumCollections();
  return names.empty() ? std::vector<std::string>{} : com::Split(names, "\t");
}

std::vector<ListedObject> SearchEngine::List(const std::string& collection) {
  auto coll = Project().IProject_GetCollection(collection);
  if (!coll) com::Raise(5, "There is no collection '" + collection + "' in this project.");
  std::vector<ListedObject> objects;
  const std::string text = coll->ICollection_EnumObjects();
  if (text.empty()) return objects;
  for (const std::string& line : com::Split(text, "\r\n")) objects.push_back(ParseLine(line));
  return objects;
}

namespace {

// Every readable property of one object, its sub-collections included.
CollectingSink ScanObject(driver::IProject& project, const std::string& collection,
                          const std::string& object) {
  auto coll = project.IProject_GetCollection(collection);
  if (!coll) com::Raise(5, "There is no collection '" + collection + "' in this project.");
  auto item = coll->ICollection_GetObject(object);
  CollectingSink sink;
  host::Scanner::Session session(sink);
  auto error = com::Capture([&] { item->IObject_Scan(session.Token(), object, true, ""); });
  item->IObject_Dispose();
  if (error) throw *error;
  return sink;
}

}  // namespace

std::vector<PropertyValue> SearchEngine::Show(const std::string& collection,
                                              const std::string& object) {
  const CollectingSink sink = ScanObject(Project(), collection, object);
  std::vector<PropertyValue> values;
  for (const auto& t : sink.texts) values.push_back({t.steps, t.property, t.value, t.text, t.writable});
  for (const auto& e : sink.errors)
    problems_.push_back({collection, object,
                         host::PathText(e.steps, e.property) + ": " + UserMessage(e.error)});
  return values;
}

std::vector<Hit> SearchEngine::Find(const std::vector<Change>& changes,
                                    const std::string& stale) {
  std::map<std::string, std::vector<ListedObject>> lists;  // by collection
  std::map<std::string, CollectingSink> scans;             // by collection/object
  std::vector<Hit> hits;
  for (const Change& change : changes) {
    Hit hit;
    hit.collection = change.collection;
    hit.object = change.object;
    hit.steps = change.steps;
    hit.property = change.property;
    hit.value = change.before;
    hit.matches = 1;
    hit.new_value = change.after;
    auto failure = com::Capture([&] {
      if (!lists.contains(change.collection)) lists[change.collection] = List(change.collection);
      const auto& objects = lists[change.collection];
      const auto listed = std::find_if(objects.begin(), objects.end(), [&](const ListedObject& o) {
        return com::EqualsNoCase(o.name, change.object);
      });
      if (listed == objects.end())
        com::Raise(5, change.collection + "/" + change.object + " is not there any more.");
      hit.object_writable = listed->write;
      const std::string key = change.collection + "/" + com::UCase(change.object);
      if (!scans.contains(key)) scans[key] = ScanObject(Project(), change.collection, listed->name);
      const auto& texts = scans[key].texts;
      const std::string path = host::PathText(change.steps, change.property);
      const auto text = std::find_if(texts.begin(), texts.end(), [&](const host::ScanText& t) {
        return t.text && com::EqualsNoCase(host::PathText(t.steps, t.property), path);
      });
      if (text == texts.end()) com::Raise(5, change.Path() + " is not there any more.");
      hit.steps = text->steps;
      hit.writable = text->writable;
      hit.sibling_names = SiblingNames(texts, *text);
      hit.value = text->value;
      if (text->value != change.before) com::Raise(5, stale);
    });
    if (failure) {
      hit.status = HitStatus::Refused;
      hit.error = UserMessage(*failure);
    }
    hits.push_back(std::move(hit));
  }
  return hits;
}

std::vector<Hit> SearchEngine::Search(const Matcher& matcher, const std::vector<std::string>& only,
                                      Progress* progress) {
  const auto start = std::chrono::steady_clock::now();
  std::vector<Hit> hits;
  std::size_t scanned = 0;
  for (const std::string& collection : Collections()) {
    if (!only.empty() &&
        std::none_of(only.begin(), only.end(),
                     [&](const std::string& o) { return com::EqualsNoCase(o, collection); }))
      continue;
    std::vector<ListedObject> objects;
    if (auto error = com::Capture([&] { objects = List(collection); })) {
      problems_.push_back({collection, "", UserMessage(*error)});
      continue;
    }
    auto coll = Project().IProject_GetCollection(collection);
    for (const ListedObject& listed : objects) {
      if (progress) progress->Update(collection, scanned, std::chrono::steady_clock::now() - start);
      ++scanned;
      if (!listed.read) {
        problems_.push_back({collection, listed.name, "No permission to read its design."});
        continue;
      }
      MatchingSink sink(matcher);
      auto error = com::Capture([&] {
        auto object = coll->ICollection_GetObject(listed.name);
        host::Scanner::Session session(sink);
        auto scan = com::Capture(
            [&] { object->IObject_Scan(session.Token(), listed.name, true, ""); });
        object->IObject_Dispose();
        if (scan) throw *scan;
      });
      if (error) problems_.push_back({collection, listed.name, UserMessage(*error)});
      for (const auto& e : sink.errors)
        problems_.push_back({collection, listed.name,
                             host::PathText(e.steps, e.property) + ": " + UserMessage(e.error)});
      for (const auto& e : sink.unsearched)
        problems_.push_back({collection, listed.name,
                             host::PathText(e.steps, e.property) + ": " + UserMessage(e.error),
                             true});
      for (const auto& [t, count] : sink.found) {
        hits.push_back({collection, listed.name, listed.write, t.steps, t.property, t.value,
                        t.writable, count, "", HitStatus::Found, "", {},
                        SiblingNames(sink.context, t), ""});
        if (const auto first_line = StartLine(sink.context, t))
          hits.back().lines = MatchedLines(t.value, *first_line, matcher);
      }
    }
  }
  if (progress) progress->Update("", scanned, std::chrono::steady_clock::now() - start);
  return hits;
}

std::vector<std::string> SearchEngine::NamesOf(const std::string& collection) {
  std::vector<std::string> names;
  for (const std::string& member : Namespace(collection))
    for (const ListedObject& o : List(member)) names.push_back(o.name);
  return names;
}

bool SearchEngine::CheckRenames(std::vector<Hit>& hits) {
  const ObjectHits objects = ByObject(hits);
  std::map<std::string, std::vector<std::string>> top_level;  // by namespace
  std::map<std::string, const Hit*> new_names;  // namespace and new name, in capitals
  bool sound = true;
  for (const auto& [key, object_hits] : objects) {
    for (Hit* hit : object_hits) {
      if (RenamesReadOnlyObject(*hit)) {
        hit->status = HitStatus::Refused;
        hit->error = "Cannot rename: the object cannot be written (it is read-only).";
        sound = false;
        continue;
      }
      if (!Renames(*hit, object_hits)) continue;
      std::string space = com::Join(Namespace(hit->collection), "+");
      if (!hit->steps.empty())
        space = hit->collection + "/" + hit->object + "/" + SubCollection(hit->steps);
      else if (!top_level.contains(space))
        top_level[space] = NamesOf(hit->collection);
      const auto& existing = hit->steps.empty() ? top_level[space] : hit->sibling_names;
      const auto [other, added] =
          new_names.emplace(space + "\x1f" + com::UCase(hit->new_value), hit);
      if (!com::EqualsNoCase(hit->new_value, hit->value) && HasName(existing, hit->new_value))
        hit->error = "Cannot rename: '" + hit->new_value + "' already exists.";
      else if (!added)
        hit->error = "Cannot rename: " + other->second->Path() + " is renamed to '" +
                     hit->new_value + "' too.";
      else
        continue;
      hit->status = HitStatus::Refused;
      sound = false;
    }
  }
  return sound;
}

bool SearchEngine::WriteObject(std::vector<Hit*>& hits, const Rewrite& rewrite) {
  const Hit& first = *hits.front();
  std::shared_ptr<driver::IObject> object;
  auto refused = com::Capture([&] {
    object =
        Project().IProject_GetCollection(first.collection)->ICollection_GetObject(first.object);
    object->IObject_SetMode(driver::kModeUpdate);
  });
  if (refused) {
    for (Hit* hit : hits) {
      hit->status = HitStatus::Refused;
      hit->error = UserMessage(*refused);
    }
    if (object) com::IgnoreErrors([&] { object->IObject_Dispose(); });
    return false;
  }
  OrderForWriting(hits);
  auto target_object = std::dynamic_pointer_cast<com::Dispatch>(object);
  std::optional<com::Error> failure;
  for (Hit* hit : hits) {
    if (failure) {
      hit->status = HitStatus::Failed;
      hit->error = "Not written: an earlier change to this object failed.";
      continue;
    }
    if (!hit->writable) {
      hit->status = HitStatus::ReadOnly;
      continue;
    }
    failure = com::Capture([&] { WriteHit(target_object, *hit, rewrite); });
    if (failure && AlreadyRenamed(target_object, *hit)) failure.reset();
    hit->status = failure ? HitStatus::Failed : HitStatus::Replaced;
    if (failure) hit->error = UserMessage(*failure);
  }
  if (auto closing = com::Capture([&] { object->IObject_SetMode(driver::kModeClosed); })) {
    failure = closing;
    for (Hit* hit : hits)
      if (hit->status == HitStatus::Replaced) {
        hit->status = HitStatus::Failed;
        hit->error = "Not saved: " + UserMessage(*closing);
      }
  }
  com::IgnoreErrors([&] { object->IObject_Reconstitute(); });
  com::IgnoreErrors([&] { object->IObject_Dispose(); });
  return !failure;
}

void SearchEngine::Replace(std::vector<Hit>& hits, const Matcher& matcher,
                           const std::string& replacement, const ReplaceOptions& options,
                           const std::function<void()>& before_first_write) {
  ReplaceRun({{this, &hits}}, options)
      .Run(ReplaceMatches(matcher, replacement), before_first_write);
}

bool SearchEngine::Plan(std::vector<Hit>& hits, const Rewrite& rewrite) {
  bool sound = std::none_of(hits.begin(), hits.end(), Stopped);
  for (auto& [key, object_hits] : ByObject(hits)) sound = PlanObject(object_hits, rewrite) && sound;
  sound = CheckRelinks(hits) && sound;
  sound = CheckRenames(hits) && sound;
  return CheckObjectsRenamed(hits) && sound;
}

bool SearchEngine::CheckObjectsRenamed(std::vector<Hit>& hits) {
  bool sound = true;
  for (auto& [key, object_hits] : ByObject(hits)) {
    const auto name = std::find_if(object_hits.begin(), object_hits.end(), [&](const Hit* hit) {
      return hit->steps.empty() && hit->status == HitStatus::Found && Renames(*hit, object_hits);
    });
    if (name == object_hits.end()) continue;
    Hit& hit = **name;
    std::shared_ptr<driver::IObject> object;
    auto refused = com::Capture([&] {
      object = Project().IProject_GetCollection(hit.collection)->ICollection_GetObject(hit.object);
      object->IObject_SetMode(driver::kModeUpdate);
    });
    if (object) {
      com::IgnoreErrors([&] { object->IObject_SetMode(driver::kModeClosed); });
      com::IgnoreErrors([&] { object->IObject_Dispose(); });
    }
    if (!refused) continue;
    hit.status = HitStatus::Refused;
    hit.error = "Cannot rename: " + UserMessage(*refused);
    sound = false;
  }
  return sound;
}

std::set<std::string> SearchEngine::TablesInRelationships() {
  std::set<std::string> tables;
  std::vector<ListedObject> relationships;
  if (com::Capture([&] { relationships = List("Relationships"); })) return tables;
  for (const ListedObject& relationship : relationships)
    for (const PropertyValue& p : Show("Relationships", relationship.name))
      if (p.steps.empty() && (p.property == "Table" || p.property == "ForeignTable"))
        tables.insert(com::UCase(p.value));
  return tables;
}

bool SearchEngine::CheckRelinks(std::vector<Hit>& hits) {
  if (std::none_of(hits.begin(), hits.end(), Relinks)) return true;
  const std::set<std::string> held = TablesInRelationships();
  bool sound = true;
  for (Hit& hit : hits)
    if (Relinks(hit) && held.contains(com::UCase(hit.object))) {
      hit.status = HitStatus::Refused;
      hit.error =
          "Cannot relink: the table is involved in one or more relationships which exist in the "
          "front-end database.";
      sound = false;
    }
  return sound;
}

bool SearchEngine::Write(std::vector<Hit>& hits, const Rewrite& rewrite, bool keep_going,
                         const std::function<void()>& before_first_write) {
  for (auto& [key, object_hits] : ByObject(hits)) {
    if (AnyHit(object_hits, Stopped)) {
      HoldBack(object_hits);
      continue;
    }
    if (!AnyHit(object_hits, Writable)) {
      for (Hit* hit : object_hits) Settle(*hit, HitStatus::ReadOnly);
      continue;
    }
    before_first_write();
    if (!WriteObject(object_hits, rewrite) && !keep_going) return false;
  }
  return true;
}

void SearchEngine::RefreshLinks() {
  auto tables = Project().IProject_GetCollection("Tables");
  if (!tables) return;
  for (const ListedObject& table : List("Tables")) {
    if (table.type_code != driver::kLinkedTableCode) continue;
    auto object = tables->ICollection_GetObject(table.name);
    com::IgnoreErrors([&] { object->IObject_Reconstitute(); });
    com::IgnoreErrors([&] { object->IObject_Dispose(); });
  }
}

std::optional<com::Error> SearchEngine::Save() {
  auto failure = com::Capture([&] { Project().IProject_Deactivate(); });
  Close();
  return failure;
}

}  // namespace engine
