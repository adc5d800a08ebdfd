#include "engine/change.h"

#include <algorithm>

#include "com/error.h"
#include "com/text.h"

namespace engine {
namespace {

bool CanWrite(const Hit& hit) { return hit.object_writable && hit.writable; }

bool SameObject(const Hit& a, const Hit& b) {
  return a.database == b.database && a.collection == b.collection &&
         com::EqualsNoCase(a.object, b.object);
}

bool SameSteps(const std::vector<host::PathStep>& a, const std::vector<host::PathStep>& b) {
  return com::EqualsNoCase(host::PathText(a, ""), host::PathText(b, ""));
}

// The Name hit that renamed the object (no steps) or the element at `steps`
// in this run: written itself, or read-only and following its element's
// written text (a procedure's heading).
const Hit* Renamed(const std::vector<Hit>& hits, const Hit& of,
                   const std::vector<host::PathStep>& steps) {
  for (const Hit& name : hits) {
    if (name.property != "Name" || name.new_value == name.value || !SameObject(name, of) ||
        !SameSteps(name.steps, steps))
      continue;
    if (name.status == HitStatus::Replaced) return &name;
    const bool follows_text = std::any_of(hits.begin(), hits.end(), [&](const Hit& text) {
      return text.status == HitStatus::Replaced && text.property != "Name" &&
             SameObject(text, of) && SameSteps(text.steps, steps);
    });
    if (follows_text) return &name;
  }
  return nullptr;
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
  std::vector<Change> changes;
  for (const Hit& hit : hits) {
    if (hit.status != HitStatus::Replaced || hit.new_value == hit.value) continue;
    Change change{hit.collection, hit.object, hit.steps, hit.property, hit.new_value, hit.value};
    if (const Hit* name = Renamed(hits, hit, {})) change.object = name->new_value;
    for (std::size_t depth = 1; depth <= change.steps.size(); ++depth) {
      const std::vector<host::PathStep> element(hit.steps.begin(), hit.steps.begin() + depth);
      if (const Hit* name = Renamed(hits, hit, element))
        change.steps[depth - 1].index = com::Variant(name->new_value);
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
