#include "engine/change.h"

#include <map>
#include <set>

#include "com/error.h"
#include "com/text.h"

namespace engine {
namespace {

bool CanWrite(const Hit& hit) { return hit.object_writable && hit.writable; }

// An element of an object (the object itself when `steps` is empty), in
// capitals: Access names ignore letter case.
std::string ElementKey(const Hit& hit, const std::vector<host::PathStep>& steps) {
  return com::UCase(hit.database + ":" + hit.collection + "/" + hit.object + "/" +
                    host::PathText(steps, ""));
}

// The new names a run gave to objects and elements, by ElementKey: a Name
// written itself, or read-only and following its element's written text (a
// procedure's heading).
std::map<std::string, std::string> NewNames(const std::vector<Hit>& hits) {
  std::set<std::string> text_written;
  for (const Hit& hit : hits)
    if (hit.status == HitStatus::Replaced && hit.property != "Name")
      text_written.insert(ElementKey(hit, hit.steps));
  std::map<std::string, std::string> names;
  for (const Hit& name : hits) {
    if (name.property != "Name" || name.new_value == name.value) continue;
    const std::string key = ElementKey(name, name.steps);
    if (name.status == HitStatus::Replaced || text_written.contains(key))
      names.emplace(key, name.new_value);
  }
  return names;
}

}  // namespace

std::string Change::Path() const { return collection + "/" + object + "/" + host::PathText(steps, property); }

std::vector<Change> PlannedChanges(const std::vector<Hit>& hits) {
  std::vector<Change> changes;
  for (const Hit& hit : hits)
    if ((hit.status == HitStatus::Found || hit.status == HitStatus::DryRun) && CanWrite(hit) &&
        hit.new_value != hit.value)
      changes.push_back({hit.collection, hit.object, hit.steps, hit.property, hit.value,
                         hit.new_value});
  return changes;
}

std::vector<Change> TakeBackChanges(const std::vector<Hit>& hits) {
  const std::map<std::string, std::string> new_names = NewNames(hits);
  std::vector<Change> changes;
  for (const Hit& hit : hits) {
    if (hit.status != HitStatus::Replaced || hit.new_value == hit.value) continue;
    Change change{hit.collection, hit.object, hit.steps, hit.property, hit.new_value, hit.value};
    if (auto name = new_names.find(ElementKey(hit, {})); name != new_names.end())
      change.object = name->second;
    std::vector<host::PathStep> element;
    for (std::size_t depth = 0; depth < hit.steps.size(); ++depth) {
      element.push_back(hit.steps[depth]);
      if (auto name = new_names.find(ElementKey(hit, element)); name != new_names.end())
        change.steps[depth].index = com::Variant(name->second);
    }
    changes.push_back(change);
  }
  return changes;
}

Rewrite PlannedValues() {
  return [](const Hit& hit, const std::string& text) {
    if (text != hit.value && text != hit.new_value)
      com::Raise(5, "The value is no longer what it was when the change was worked out.");
    return hit.new_value;
  };
}

}  // namespace engine
