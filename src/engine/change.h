#pragma once
// A change of one property, kept apart from the run that made or planned it:
// the plan a replace writes for later (--plan), and the journal that lets a
// run be taken back (undo).

#include <string>
#include <vector>

#include "engine/search_engine.h"

namespace engine {

struct Change {
  std::string collection;
  std::string object;
  std::vector<host::PathStep> steps;
  std::string property;
  std::string before;  // what the property holds when the change is made
  std::string after;   // what the change writes

  // Tables/Customers/Fields(CustomerID)/Name
  std::string Path() const;
};

// The changes that hits planned (Found or DryRun hits that can be written).
std::vector<Change> PlannedChanges(const std::vector<Hit>& hits);

// The changes that take back what a run wrote (its Replaced hits): each
// found under the names the run gave (a field of a renamed table is in the
// table's new name), writing the value it had before the run.
std::vector<Change> TakeBackChanges(const std::vector<Hit>& hits);

// Writes each hit's new value where the property still holds the hit's value
// (or already holds the new one); raises when it holds something else.
Rewrite PlannedValues();

}  // namespace engine
