#include "engine/search_engine.h"

#include <algorithm>
#include <map>

#include "com/text.h"
#include "driver/driver.h"
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
bool PlanObject(const std::vector<Hit*>& hits, const Matcher& matcher,
                const std::string& replacement) {
  std::optional<com::Error> failure;
  for (Hit* hit : hits) {
    failure = com::Capture([&] {
      hit->new_value = matcher.Replace(hit->value, replacement);
      for (auto& line : hit->lines) line.new_text = matcher.Replace(line.text, replacement);
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

// Ordinary properties first, then names from the deepest element up, the
// object's own name last, so that every path stays valid while writing.
void OrderForWriting(std::vector<Hit*>& hits) {
  std::stable_sort(hits.begin(), hits.end(), [](const Hit* a, const Hit* b) {
    if (IsName(*a) != IsName(*b)) return !IsName(*a);
    if (!IsName(*a)) return false;
    return a->steps.size() > b->steps.size();
  });
}

}  // namespace

const char* StatusName(HitStatus status) {
  switch (status) {
    case HitStatus::Found: return "found";
    case HitStatus::DryRun: return "dry-run";
    case HitStatus::Replaced: return "replaced";
    case HitStatus::Refused: return "refused";
    case HitStatus::Failed: return "failed";
    case HitStatus::ReadOnly: return "read-only";
  }
  return "";
}

std::string Hit::Path() const {
  return collection + "/" + object + "/" + host::PathText(steps, property);
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
    : driver_(std::make_shared<driver::Driver>()),
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

SearchEngine::~SearchEngine() {
  com::IgnoreErrors([&] {
    if (project_) project_->IProject_Deactivate();
  });
  com::IgnoreErrors([&] { driver_->IDriver_ShutDown(); });
}

std::vector<std::string> SearchEngine::Collections() {
  const std::string names = project_->IProject_EnumCollections();
  return names.empty() ? std::vector<std::string>{} : com::Split(names, "\t");
}

std::vector<ListedObject> SearchEngine::List(const std::string& collection) {
  auto coll = project_->IProject_GetCollection(collection);
  if (!coll) com::Raise(5, "There is no collection '" + collection + "' in this project.");
  std::vector<ListedObject> objects;
  const std::string text = coll->ICollection_EnumObjects();
  if (text.empty()) return objects;
  for (const std::string& line : com::Split(text, "\r\n")) objects.push_back(ParseLine(line));
  return objects;
}

std::vector<PropertyValue> SearchEngine::Show(const std::string& collection,
                                              const std::string& object) {
  auto coll = project_->IProject_GetCollection(collection);
  if (!coll) com::Raise(5, "There is no collection '" + collection + "' in this project.");
  auto item = coll->ICollection_GetObject(object);
  CollectingSink sink;
  host::Scanner::Session session(sink);
  auto error = com::Capture([&] { item->IObject_Scan(session.Token(), object, true, ""); });
  item->IObject_Dispose();
  if (error) throw *error;
  std::vector<PropertyValue> values;
  for (const auto& t : sink.texts) values.push_back({t.steps, t.property, t.value, t.text, t.writable});
  for (const auto& e : sink.errors)
    problems_.push_back({collection, object,
                         host::PathText(e.steps, e.property) + ": " + UserMessage(e.error)});
  return values;
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
    auto coll = project_->IProject_GetCollection(collection);
    for (const ListedObject& listed : objects) {
      if (progress) progress->Update(collection, scanned, std::chrono::steady_clock::now() - start);
      ++scanned;
      if (!listed.read) {
        problems_.push_back({collection, listed.name, "No permission to read its design."});
        continue;
      }
      CollectingSink sink;
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
      for (const auto& t : sink.texts) {
        if (!t.text) continue;
        std::size_t count = 0;
        if (auto failed = com::Capture([&] { count = matcher.Count(t.value); })) {
          problems_.push_back({collection, listed.name,
                               host::PathText(t.steps, t.property) + ": " + UserMessage(*failed),
                               true});
          continue;
        }
        if (count == 0) continue;
        hits.push_back({collection, listed.name, listed.write, t.steps, t.property, t.value,
                        t.writable, count, "", HitStatus::Found, "", {}});
        if (const auto first_line = StartLine(sink.texts, t))
          hits.back().lines = MatchedLines(t.value, *first_line, matcher);
      }
    }
  }
  if (progress) progress->Update("", scanned, std::chrono::steady_clock::now() - start);
  return hits;
}

void SearchEngine::Replace(std::vector<Hit>& hits, const Matcher& matcher,
                           const std::string& replacement, bool dry_run,
                           const std::function<void()>& before_first_write) {
  // The hits of each object, in the order the objects were found.
  std::vector<std::pair<std::string, std::vector<Hit*>>> objects;
  std::map<std::string, std::size_t> index;
  for (Hit& hit : hits) {
    const std::string key = hit.collection + "\x1f" + hit.object;
    auto [at, added] = index.emplace(key, objects.size());
    if (added) objects.push_back({key, {}});
    objects[at->second].second.push_back(&hit);
  }
  bool wrote = false;
  for (auto& [key, object_hits] : objects) {
    if (!PlanObject(object_hits, matcher, replacement)) continue;
    if (!object_hits.front()->object_writable) {
      for (Hit* hit : object_hits) hit->status = HitStatus::ReadOnly;
      continue;
    }
    if (dry_run) {
      for (Hit* hit : object_hits)
        hit->status = hit->writable ? HitStatus::DryRun : HitStatus::ReadOnly;
      continue;
    }
    if (!wrote) {
      before_first_write();
      wrote = true;
    }
    const Hit& first = *object_hits.front();
    std::shared_ptr<driver::IObject> object;
    auto refused = com::Capture([&] {
      object = project_->IProject_GetCollection(first.collection)->ICollection_GetObject(first.object);
      object->IObject_SetMode(driver::kModeUpdate);
    });
    if (refused) {
      for (Hit* hit : object_hits) {
        hit->status = HitStatus::Refused;
        hit->error = UserMessage(*refused);
      }
      if (object) com::IgnoreErrors([&] { object->IObject_Dispose(); });
      continue;
    }
    OrderForWriting(object_hits);
    auto target_object = std::dynamic_pointer_cast<com::Dispatch>(object);
    std::optional<com::Error> failure;
    for (Hit* hit : object_hits) {
      if (failure) {
        hit->status = HitStatus::Failed;
        hit->error = "Not written: an earlier change to this object failed.";
        continue;
      }
      if (!hit->writable) {
        hit->status = HitStatus::ReadOnly;
        continue;
      }
      failure = com::Capture([&] {
        auto target = host::Scanner::Resolve(target_object, hit->steps);
        const std::string current = com::CStr(target->Get(hit->property));
        hit->new_value = matcher.Replace(current, replacement);
        if (hit->new_value != current) target->Let(hit->property, hit->new_value);
      });
      hit->status = failure ? HitStatus::Failed : HitStatus::Replaced;
      if (failure) hit->error = UserMessage(*failure);
    }
    if (auto closing = com::Capture([&] { object->IObject_SetMode(driver::kModeClosed); })) {
      for (Hit* hit : object_hits)
        if (hit->status == HitStatus::Replaced) {
          hit->status = HitStatus::Failed;
          hit->error = UserMessage(*closing);
        }
    }
    com::IgnoreErrors([&] { object->IObject_Reconstitute(); });
    com::IgnoreErrors([&] { object->IObject_Dispose(); });
  }
}

}  // namespace engine
